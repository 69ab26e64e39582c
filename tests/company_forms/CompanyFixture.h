#pragma once

#include "MessageBox.h"
#include "Startup.h"
#include "TData_in.h"
#include "TestSupport.h"
#include "Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>
#include <functional>
#include <memory>

namespace companies_test {

// The entries of the three company pick lists, oldest first (the lists show them newest first).
inline const QStringList kIndustries{"制造", "零售"};
inline const QStringList kScales{"大型", "小型"};
inline const QStringList kRelations{"客户", "伙伴"};

// A fresh installation with the company pick lists filled, and the whole
// program started over it once the test has put its rows in.
struct Fixture {
    testing::TempInstall install;
    std::unique_ptr<app::Startup> startup;

    Fixture()
    {
        install.execMain("update ptp1 set watts='1'");
        const std::pair<const char *, QStringList> lists[] = {{"vx6", kIndustries}, {"vx7", kScales}, {"vx8", kRelations}};
        for (const auto &[list, entries] : lists) {
            for (const QString &entry : entries)
                install.execLookup(QStringLiteral("insert into %1 (mc1) values ('%2')").arg(list, entry));
        }
    }

    TData_in &start()
    {
        startup = std::make_unique<app::Startup>(QDir::current());
        return startup->data();
    }
    TData_in &data() const { return startup->data(); }

    // c1..c17 of one company as the file holds them; a missing value shows as "<null>".
    QStringList company(const QString &cid) const
    {
        QStringList columns;
        for (int c = 1; c <= 17; ++c)
            columns << QStringLiteral("ifnull(c%1,'<null>')").arg(c);
        const QStringList row =
            install.columnMain(QStringLiteral("select %1 from atc2 where cid = %2").arg(columns.join("||char(31)||"), cid));
        return row.isEmpty() ? QStringList() : row.first().split(QChar(31));
    }
    QStringList newestCompany() const
    {
        return company(install.columnMain("select max(cid) from atc2").value(0));
    }
};

// Opens a modal window by its instance name and runs the steps inside its
// event loop. Should a step fail, the window is closed so that the test ends.
inline bool runModal(const QString &name, const std::function<void(QDialog *)> &steps)
{
    auto *window = ui::Windows::get<QDialog>(name);
    if (!window)
        return false;
    bool ran = false;
    testing::whenModal([&] {
        auto leave = qScopeGuard([&] {
            if (window->isVisible())
                window->done(QDialog::Rejected);
        });
        steps(window);
        ran = !QTest::currentTestFailed();
        if (ran)
            leave.dismiss();
    });
    window->exec();
    return ran;
}

// Drives a modal window that a click opens from inside another one.
inline bool clickIntoModal(QWidget *root, const QString &caption, const std::function<void(QDialog *)> &steps)
{
    bool ran = false;
    testing::whenModal([&] {
        auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!window)
            return;
        auto leave = qScopeGuard([&] {
            if (window->isVisible())
                window->done(QDialog::Rejected);
        });
        steps(window);
        ran = !QTest::currentTestFailed();
    });
    testing::click(root, caption);
    return ran;
}

inline QLineEdit *lineEdit(QWidget *root, const QString &caption)
{
    return testing::field<QLineEdit>(root, caption);
}

inline QString shownText(QWidget *field);

// Replaces a line's text the way a user does in a field that refuses Ctrl+A:
// End, Backspace over all of it, then the new text.
inline void retype(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_End);
    for (qsizetype n = shownText(field).size(); n > 0; --n)
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Picks an entry of a drop-down list with the arrow keys.
inline bool choose(QComboBox *combo, const QString &text)
{
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i <= combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentText() == text;
}

inline QString shownText(QWidget *field)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        return memo->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentText();
    return {};
}

} // namespace companies_test
