#include "MessageBox.h"

#include "DbError.h"

#include <QMessageBox>
#include <QQueue>

namespace ui {

namespace {

bool s_testMode = false;
QQueue<bool> s_answers;
QList<MessageBox::Shown> s_shown;

const QString kAppTitle = QStringLiteral("Talvero CRM");

bool show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text, bool withCancel)
{
    QMessageBox box(icon, title, QString(), withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok,
                    parent);
    // The text may carry what the user typed or the engine's report of it:
    // shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

bool MessageBox::record(Kind kind, const QString &title, const QString &text)
{
    s_shown.append({kind, title, text});
    return s_answers.isEmpty() ? true : s_answers.dequeue();
}

void MessageBox::information(QWidget *parent, const QString &text)
{
    const QString title = QStringLiteral("Information");
    if (s_testMode)
        record(Kind::Information, title, text);
    else
        show(parent, QMessageBox::Information, title, text, false);
}

void MessageBox::warning(QWidget *parent, const QString &text)
{
    const QString title = QStringLiteral("Warning");
    if (s_testMode)
        record(Kind::Warning, title, text);
    else
        show(parent, QMessageBox::Warning, title, text, false);
}

bool MessageBox::question(QWidget *parent, const QString &title, const QString &text)
{
    if (s_testMode)
        return record(Kind::Question, title, text);
    return show(parent, QMessageBox::Question, title, text, true);
}

bool MessageBox::confirmDelete(QWidget *parent)
{
    return question(parent, QStringLiteral("Confirm"), QStringLiteral("Delete record?"));
}

void MessageBox::error(QWidget *parent, const QString &text)
{
    if (s_testMode)
        record(Kind::Error, kAppTitle, text);
    else
        show(parent, QMessageBox::Critical, kAppTitle, text, false);
}

void MessageBox::fatal(const QString &text)
{
    const QString title = QStringLiteral("Application Error");
    if (s_testMode)
        record(Kind::Fatal, title, text);
    else
        show(nullptr, QMessageBox::Critical, title, text, false);
}

void MessageBox::setTestMode(bool on)
{
    s_testMode = on;
    s_answers.clear();
    s_shown.clear();
}

bool MessageBox::testMode()
{
    return s_testMode;
}

void MessageBox::setNextAnswer(bool ok)
{
    s_answers.enqueue(ok);
}

const QList<MessageBox::Shown> &MessageBox::shown()
{
    return s_shown;
}

QString MessageBox::lastText()
{
    return s_shown.isEmpty() ? QString() : s_shown.last().text;
}

void MessageBox::clearShown()
{
    s_shown.clear();
    s_answers.clear();
}

bool guarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const data::DbError &e) {
        MessageBox::error(parent, e.message());
        return false;
    }
}

bool writeThenRefresh(QWidget *parent, const std::function<void()> &write, const std::function<void()> &refresh)
{
    if (!guarded(parent, write))
        return false;
    guarded(parent, refresh);
    return true;
}

} // namespace ui
