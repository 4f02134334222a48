#pragma once

#include <string>

// An exclusive lock on a file of the status folder, held for the whole run.
// It goes with the process, however the process ends.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const std::string &path);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // False only when another run holds the lock; a lock file that cannot be
    // opened does not stop the run.
    bool acquired() const { return !m_heldElsewhere; }

private:
    int m_fd = -1;
    bool m_heldElsewhere = false;
};
