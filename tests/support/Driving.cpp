#include "Driving.h"

#include "HandOver.h"
#include "Windows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

namespace testing {

void typeInto(QWidget *field, const QString &text)
{
    for (const char32_t code : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&code, 1);
        const Qt::Key key = code == U'\n' ? Qt::Key_Return
                            : code < 0x80  ? Qt::Key(QChar(code).toUpper().unicode())
                                           : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, field, key, typed, Qt::NoModifier);
    }
}

void retype(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_End);
    for (qsizetype n = shownText(field).size(); n > 0; --n)
        QTest::keyClick(field, Qt::Key_Backspace);
    typeInto(field, text);
}

void paste(QWidget *field, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        field = combo->lineEdit();
    QApplication::clipboard()->setText(text);
    QTest::keySequence(field, QKeySequence::Paste);
}

QString shownText(QWidget *field)
{
    if (!field)
        return QStringLiteral("<no field>");
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        return memo->toPlainText();
    if (auto *rich = qobject_cast<QTextEdit *>(field))
        return rich->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentText();
    if (auto *label = qobject_cast<QLabel *>(field))
        return label->text();
    return QStringLiteral("<unknown field>");
}

bool chooseRow(QComboBox *combo, int row)
{
    if (!combo || row < 0 || row >= combo->count())
        return false;
    for (int step = 0; step <= combo->count() && combo->currentIndex() != row; ++step)
        QTest::keyClick(combo, combo->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    return combo->currentIndex() == row;
}

bool choose(QComboBox *combo, const QString &text)
{
    return combo && chooseRow(combo, combo->findText(text, Qt::MatchExactly)) && combo->currentText() == text;
}

namespace {

QPoint rowCentre(QTableView *grid, int row)
{
    const QModelIndex cell = grid->model()->index(row, grid->horizontalHeader()->logicalIndex(0));
    return grid->visualRect(cell).center();
}

} // namespace

void clickRow(QTableView *grid, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, row));
}

void doubleClickRow(QTableView *grid, int row)
{
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, row));
}

void turnWheel(QWidget *part, QPoint angle)
{
    const QPointF at = part->rect().center();
    QWheelEvent wheel(at, part->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(part, &wheel);
}

namespace {

// Runs the steps in a modal window that is up, and closes it afterwards if
// they left it open.
void driveOpen(QWidget *window, const std::function<void(QDialog *)> &steps, Opened &opened)
{
    opened.window = window;
    opened.windowClass = QString::fromLatin1(window->metaObject()->className());
    auto leave = qScopeGuard([window] {
        if (window->isVisible())
            window->close();
    });
    auto *dialog = qobject_cast<QDialog *>(window);
    if (steps && dialog)
        steps(dialog);
    opened.done = !QTest::currentTestFailed();
}

// A step queued before a command runs in the modal loop of a window the
// command opened, or after the command when it opened none: wait for it.
void waitUntilLooked(const bool &looked)
{
    if (!QTest::qWaitFor([&] { return looked; }))
        QTest::qFail("the modal window was never looked at", __FILE__, __LINE__);
}

} // namespace

Opened runModal(const QString &name, const std::function<void(QDialog *)> &steps)
{
    Opened opened;
    auto *window = ui::Windows::get<QDialog>(name);
    if (!window) {
        QTest::qFail(qPrintable(QStringLiteral("no window named ") + name), __FILE__, __LINE__);
        return opened;
    }
    bool looked = false;
    whenModal([&] {
        looked = true;
        if (QApplication::activeModalWidget() == window)
            driveOpen(window, steps, opened);
    });
    ui::openWindow(name);
    waitUntilLooked(looked);
    return opened;
}

Opened runModal(const std::function<void()> &command, const std::function<void(QDialog *)> &steps)
{
    Opened opened;
    QWidget *before = QApplication::activeModalWidget();
    bool looked = false;
    whenModal([&] {
        looked = true;
        QWidget *window = QApplication::activeModalWidget();
        if (window && window != before)
            driveOpen(window, steps, opened);
    });
    command();
    waitUntilLooked(looked);
    return opened;
}

bool runModals(const std::function<void()> &command, const std::vector<ModalStep> &chain)
{
    size_t next = 0;
    bool busy = false;
    QElapsedTimer waiting; // since the last link was driven
    waiting.start();
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (busy)
            return;
        QWidget *window = QApplication::activeModalWidget();
        if (!window || !window->isVisible())
            return;
        const bool expected = next < chain.size()
                              && QString::fromLatin1(window->metaObject()->className()) == chain[next].className;
        if (!expected) {
            // A window no link waits for, up for long, would hold the test
            // for good: it is closed and the run fails.
            if (waiting.elapsed() > 10000) {
                qWarning("unexpected %s closed", window->metaObject()->className());
                next = chain.size() + 1;
                window->close();
            }
            return;
        }
        busy = true; // the steps may wait, and the watch must not start them again
        Opened opened;
        driveOpen(window, chain[next].steps, opened);
        ++next;
        waiting.restart();
        busy = false;
    });
    watch.start();
    command();
    if (next < chain.size() && !QTest::qWaitFor([&] { return next >= chain.size(); }, 2000))
        qWarning("no %s came up", qPrintable(chain[next].className));
    return next == chain.size() && !QTest::currentTestFailed();
}

QStringList columnTexts(const QTableView *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

} // namespace testing
