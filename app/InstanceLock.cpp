// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceLock.h"

#include "app/Texts.h"
#include "player/Staging.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <unistd.h>

namespace dozewell {

namespace {
const QString kLockName = QStringLiteral("instance.lock");
const QString kRuntimeLockName = QStringLiteral("dozewell-timer.lock");

// Why nothing can be written into `folder`: the system's own words.
QString WhyNotWritable(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral(".probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    return texts::kUnknownError();
}

bool WrittenByAnotherHost(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) && !host.isEmpty()
           && host != QSysInfo::machineHostName();
}
} // namespace

QString RuntimeFolder(const QString &xdgRuntimeDir)
{
    // As the XDG base directory rules ask of it: an absolute path to a folder
    // of the user's own, mode 0700.
    const QFileInfo info(xdgRuntimeDir);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions modeBits = ownerOnly | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (xdgRuntimeDir.isEmpty() || info.isRelative() || !info.isDir() || info.ownerId() != ::getuid()
        || (info.permissions() & modeBits) != ownerOnly)
        return {};
    return QDir::cleanPath(xdgRuntimeDir) + QLatin1Char('/');
}

InstanceLock::InstanceLock(const QString &runtimeFolder, const QString &stagingFolder)
{
    QString folder = runtimeFolder;
    if (folder.isEmpty()) {
        // Where nothing can be staged, nothing can be destroyed either: no lock needed.
        if (PrepareStagingFolder(stagingFolder))
            return;
        folder = stagingFolder;
    }
    m_path = folder + (runtimeFolder.isEmpty() ? kLockName : kRuntimeLockName);
    m_lock = std::make_unique<QLockFile>(m_path);
    // An instance runs for hours: only a lock whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError && WrittenByAnotherHost(*m_lock)
        && m_lock->removeStaleLockFile())
        m_lock->tryLock(0);
    switch (m_lock->error()) {
    case QLockFile::NoError:
        m_state = State::Taken;
        break;
    case QLockFile::LockFailedError:
        m_state = State::HeldByAnother;
        break;
    case QLockFile::PermissionError:
    case QLockFile::UnknownError:
        m_state = State::Failed;
        m_problem = WhyNotWritable(folder);
        break;
    }
}

} // namespace dozewell
