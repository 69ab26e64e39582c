#pragma once

#include <QByteArray>

namespace app {

// Keeps a second copy of the program from coming up beside a running one.
// The guard is an exclusive lock on a file named after the guard in the
// user's runtime folder; the system drops the lock when the holder ends, in
// whatever way it ends, so a crashed first copy never locks the user out.
class InstanceGuard {
public:
    explicit InstanceGuard(const QByteArray &name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    bool isFirst() const { return m_first; }
    static QByteArray lockPath(const QByteArray &name);

private:
    int m_fd = -1;
    bool m_first = false;
};

inline constexpr char kInstanceName[] = "merivocrm_dalsen";

} // namespace app
