#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace data {
class Connection;
}

namespace testing {

// The columns and values of one row; a value left QVariant() is stored as null.
using Row = std::vector<std::pair<QString, QVariant>>;

// A row for a table of either file.
struct TableRow {
    QString table;
    Row row;
};
using Rows = std::vector<TableRow>;

// Inserts one row into a table through a connection to its file; returns its key.
qint64 insertRow(data::Connection &file, const QString &table, const Row &row);
// Whether a table lives in the lookup file (the pick lists) rather than the main one.
bool inLookupFile(const QString &table);

// A temporary working folder with a fresh installation (both encrypted
// databases), made the current directory while the object lives.
class TempInstall {
public:
    TempInstall();
    ~TempInstall();
    QDir dir() const { return QDir(m_dir.path()); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // Direct access to the files, beside whatever the program has open.
    // Rows written before the program starts are what a user's start-up
    // finds on file; each file gets its rows in one transaction.
    void insert(const Rows &rows) const;
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
