#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

namespace data {
class Connection;
}

namespace testing {

// A temporary working folder with a fresh installation (both encrypted
// databases), made the current directory while the object lives.
class TempInstall {
public:
    TempInstall();
    ~TempInstall();
    QDir dir() const { return QDir(m_dir.path()); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // Direct access to the files, beside whatever the program has open.
    void execMain(const QString &sql) const;
    void execLookup(const QString &sql) const;
    QStringList columnMain(const QString &sql) const;   // first column of every row
    QStringList columnLookup(const QString &sql) const;
    int countMain(const QString &table) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Finds a button by its caption (blanks count) or accessible name; fails the test when absent.
QAbstractButton *button(QWidget *root, const QString &caption);
// Finds the field a label names: the label's buddy, or a widget whose accessible name is the caption.
QWidget *field(QWidget *root, const QString &caption);
template <typename T> T *field(QWidget *root, const QString &caption) { return qobject_cast<T *>(field(root, caption)); }

// Runs a step once the next modal window has started its event loop.
void whenModal(const std::function<void()> &step);

// Clicks a button by its caption.
void click(QWidget *root, const QString &caption);

} // namespace testing
