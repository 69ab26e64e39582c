#pragma once

#include "Driving.h"
#include "Windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

// What the new-customer and the edit-customer tests share: both windows are
// one form, opened from the customer list.
namespace forms {

// Opens the customer window of that instance name as the customer list does
// and runs the steps in it; closes it afterwards when the steps left it open.
// Fails the test when the window did not open.
inline void drive(const QString &name, const std::function<void()> &steps)
{
    const testing::Opened opened = testing::runModal(name, [&](QDialog *) { steps(); });
    QVERIFY2(opened.window, qPrintable(name + QStringLiteral(" did not open")));
}

// The part of the form that 补充信息... opens.
inline QGroupBox *supplement(QWidget *window)
{
    const auto groups = window->findChildren<QGroupBox *>();
    for (QGroupBox *group : groups) {
        if (group->title() == QStringLiteral("填写客户补充信息"))
            return group;
    }
    return nullptr;
}

// Opens the window, shows its supplement and types into the field of that
// caption; returns what the field shows then.
inline QString typedInto(const QString &name, const QString &caption, const QString &typed)
{
    QString shown = QStringLiteral("<not typed>");
    drive(name, [&] {
        auto *window = ui::Windows::get<QWidget>(name);
        testing::click(window, QStringLiteral("补充信息..."));
        QWidget *entry = testing::field(window, caption);
        QVERIFY(entry);
        testing::typeInto(entry, typed);
        shown = testing::shownText(entry);
    });
    return shown;
}

} // namespace forms
