#include "app/InstanceLock.h"

#include "player/Staging.h"

namespace dozewell {

namespace {
const QString kLockName = QStringLiteral("instance.lock");
}

InstanceLock::InstanceLock(const QString &stagingFolder)
{
    // Where nothing can be staged, nothing can be destroyed either: no lock needed.
    if (PrepareStagingFolder(stagingFolder))
        return;
    m_lock = std::make_unique<QLockFile>(stagingFolder + kLockName);
    // An instance runs for hours: only a lock whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    m_acquired = m_lock->tryLock(0);
}

} // namespace dozewell
