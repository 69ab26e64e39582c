#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace bench {

// A fresh installation in a temporary folder of its own, removed at the end,
// as a user has it after the first start: the quick-start guide was shown
// once (the first-run flag is set), so a start-up shows only the main window.
class Installation {
public:
    Installation();
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    QDir dir() const { return QDir(m_folder.path()); }
    QString mainFile() const;
    QString lookupFile() const;

    // Adds `customers` sample customers and a tenth as many companies;
    // returns the milliseconds it took.
    double fill(int customers);
    // The same with customers as the new-customer window takes them.
    double fillTyped(int customers);
    // Copies both database files as they stand into `workDir`'s Data/, which
    // must not exist yet: another installation just like this one.
    void copyInto(const QDir &workDir) const;
    // What the rows of a statement over the main file take loaded, in
    // megabytes (RowStore::memoryUsed()).
    double loadedMb(const QString &sql) const;

private:
    QTemporaryDir m_folder;
};

} // namespace bench
