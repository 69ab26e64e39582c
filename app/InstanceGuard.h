#pragma once

#include <QByteArray>
#include <QString>

namespace app {

// Keeps a second copy of the program from coming up beside a running one.
// The guard is an exclusive lock on a file named after the guard, kept in a
// folder that only this user can write: the user's runtime folder
// (XDG_RUNTIME_DIR), or else a private folder of the program's own under the
// user's cache folder (${XDG_CACHE_HOME:-~/.cache}/talvero-crm), made 0700
// when missing. A folder that belongs to another user or that others may
// write is refused, so no other local user can hold the lock. The system
// drops the lock when the holder ends, in whatever way it ends, so a crashed
// first copy never locks the user out.
class InstanceGuard {
public:
    enum class State {
        First,  // this copy holds the guard
        Second, // another copy of this user's holds it
        Failed, // no guard could be had: see folder() and reason()
    };

    explicit InstanceGuard(const QByteArray &name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    State state() const { return m_state; }
    bool isFirst() const { return m_state == State::First; }
    // The folder the guard is kept in (or was to be kept in).
    const QString &folder() const { return m_folder; }
    // The lock file, when the folder could be used.
    const QString &lockPath() const { return m_lockPath; }
    // Why no guard could be had, in words for the user.
    const QString &reason() const { return m_reason; }

private:
    bool openFolder();
    void take(const QByteArray &name);
    void fail(const QString &reason);

    int m_folderFd = -1;
    int m_fd = -1;
    State m_state = State::Failed;
    QString m_folder;
    QString m_lockPath;
    QString m_reason;
};

// The text that tells the user why the program does not start when it has no
// guard: the folder and the reason.
QString guardFailureText(const InstanceGuard &guard);

// For a guard that could not be had: says why the program will not start (in
// an error box like every other start-up failure, and on the standard error)
// and returns the exit code the program ends with.
int refuseToStart(const InstanceGuard &guard);

inline constexpr char kInstanceName[] = "merivocrm_dalsen";

} // namespace app
