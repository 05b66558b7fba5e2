#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace dozewell {

// One running instance per user: every instance stages its copies under the
// same names and deletes them at start, so a second one would destroy the
// first one's run. The lock lies in the staging folder; a lock left by an
// instance that ended without releasing it (a crash, a kill) is taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString &stagingFolder);

    // False when another instance holds the lock.
    bool acquired() const { return m_acquired; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = true;
};

} // namespace dozewell
