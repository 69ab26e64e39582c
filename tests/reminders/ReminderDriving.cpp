#include "ReminderDriving.h"

#include "DbGrid.h"
#include "Driving.h"
#include "StandingQuery.h"
#include "Ta_about.h"
#include "WindowNames.h"
#include "Windows.h"
#include "activities/Tring.h"
#include "activities/Tring_list.h"

#include <QApplication>
#include <QTimer>

namespace testing {

namespace {

QDialog *openReminder()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return nullptr;
    if (qobject_cast<Tring *>(modal) || qobject_cast<Tring_list *>(modal))
        return qobject_cast<QDialog *>(modal);
    return nullptr;
}

} // namespace

activities::ReminderPoll &reminder()
{
    return ui::Windows::get<Ta_about>(ui::names::Ta_about)->reminder();
}

QString said(const QString &dateTime, const QString &name, const QString &salutation)
{
    return QStringLiteral("将在") + dateTime + QStringLiteral("对") + name + salutation
           + QStringLiteral("进行销售活动。");
}

QString listed(const QStringList &sentences)
{
    return QStringLiteral("列表：") + sentences.join(QStringLiteral("；"));
}

QString announcement(QDialog *window)
{
    if (qobject_cast<Tring *>(window))
        return shownText(field(window, QStringLiteral("提醒")));
    auto *list = qobject_cast<Tring_list *>(window);
    if (!list)
        return QStringLiteral("<not a reminder window>");
    const data::StandingQuery &rows = *list->activities();
    const auto column = [&](const char *name) {
        return columnTexts(list->grid(), rows.fieldIndex(QString::fromLatin1(name)));
    };
    const QStringList times = column("e3"), names = column("e11"), salutations = column("e13");
    QStringList sentences;
    for (int i = 0; i < times.size(); ++i)
        sentences << said(times[i], names.value(i), salutations.value(i));
    return listed(sentences);
}

QStringList answer(const std::function<void()> &command, const std::function<void(QDialog *)> &inside,
                   const QString &closeWith)
{
    QStringList announced;
    bool busy = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QDialog *window = busy ? nullptr : openReminder();
        if (!window)
            return;
        busy = true;
        announced << announcement(window);
        if (inside)
            inside(window);
        if (window->isVisible())
            click(window, closeWith);
        busy = false;
    });
    watch.start();
    command();
    watch.stop();
    return announced;
}

} // namespace testing
