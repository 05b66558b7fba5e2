#include "platform/PlatformValues.h"

#include "player/WinePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>
#include <unistd.h>

namespace dozewell {

namespace {
const QString kPlayerPath = QStringLiteral("C:\\Program Files\\Winamp\\winamp.exe");
const QString kPlayerPath32 = QStringLiteral("C:\\Program Files (x86)\\Winamp\\winamp.exe");
const QString kWineCommand = QStringLiteral("wine");
} // namespace

QString DefaultPlayerPath()
{
    return kPlayerPath;
}

QStringList DefaultPlayerPaths()
{
#ifdef Q_OS_WIN
    return {kPlayerPath};
#else
    return {PathInPrefix(WinePrefix(), kPlayerPath), PathInPrefix(WinePrefix(), kPlayerPath32)};
#endif
}

QString WinePrefix()
{
    const QString prefix = qEnvironmentVariable(kWinePrefixVariable);
    if (!prefix.isEmpty())
        return QDir::cleanPath(QDir(prefix).absolutePath());
    return QDir::homePath() + QStringLiteral("/.wine");
}

QString WineLauncher()
{
    const QString chosen = qEnvironmentVariable(kWineLauncherVariable);
    if (chosen.isEmpty())
        return QStandardPaths::findExecutable(kWineCommand);
    if (chosen.contains(QLatin1Char('/')))
        return QFileInfo(chosen).isExecutable() ? QFileInfo(chosen).absoluteFilePath() : QString();
    return QStandardPaths::findExecutable(chosen);
}

QString RuntimeFolder()
{
    // As the XDG base directory rules ask of it: an absolute path to a folder
    // of the user's own, mode 0700.
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(folder);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions modeBits = ownerOnly | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (folder.isEmpty() || info.isRelative() || !info.isDir() || info.ownerId() != ::getuid()
        || (info.permissions() & modeBits) != ownerOnly)
        return {};
    return QDir::cleanPath(folder) + QLatin1Char('/');
}

WineSetup InstalledWine()
{
    const QString launcher = WineLauncher();
    return {launcher, WinePrefix(), WineRuns32Bit(launcher), qEnvironmentVariableIsSet(kWineDebugVariable)};
}

QString DefaultStagingFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\windows\\temp\\");
#else
    // $XDG_CACHE_HOME/<application name>/, ~/.cache/<application name>/ without it.
    // A relative value is invalid for that variable, and would put a relative
    // path on the player's command line: it is ignored.
    const QString cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!cacheHome.isEmpty() && QDir::isRelativePath(cacheHome))
        return QDir::homePath() + QStringLiteral("/.cache/") + QCoreApplication::applicationName() + QLatin1Char('/');
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QLatin1Char('/');
#endif
}

} // namespace dozewell
