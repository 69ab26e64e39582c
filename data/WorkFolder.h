#pragma once

#include <QString>

namespace data {

// A private folder (0700) beside a file being made, where its pieces are
// written before the finished file takes its name, so that nothing of the
// user's data passes through the system's common temporary folder. The
// folder is held (a lock on it) while it is in use and removed with all it
// holds afterwards.
//
// A program that is killed leaves its folder behind. Making a new one
// removes, beside it, the folders of the same kind that no process holds any
// more and that have not changed for a while (one just made by another
// export is not yet held).
class WorkFolder {
public:
    // The folders are named prefix + six characters, in the folder of `file`.
    WorkFolder(const QString &file, const QString &prefix);
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + u'/' + name; }

    // How long a folder that no process holds must have been left alone
    // before another export removes it, in seconds.
    static constexpr int kStaleAfter = 60;

private:
    QString m_path;
    int m_fd = -1; // the folder, open and locked while it is ours
};

} // namespace data
