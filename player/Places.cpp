// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/Places.h"

#include "player/WinePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dozewell {

namespace {
const QString kPlayerPath = QStringLiteral("C:\\Program Files\\Winamp\\winamp.exe");
const QString kPlayerPath32 = QStringLiteral("C:\\Program Files (x86)\\Winamp\\winamp.exe");
const QString kWineCommand = QStringLiteral("wine");

// A program in the environment's PATH; never in the PATH of this process.
QString FindProgram(const QString &name, const QProcessEnvironment &environment)
{
    const QStringList folders = environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(name, folders);
}
} // namespace

QString DefaultPlayerPath()
{
    return kPlayerPath;
}

QString WinePrefix(const QProcessEnvironment &environment, const QString &home)
{
    const QString prefix = environment.value(QLatin1String(kWinePrefixVariable));
    if (!prefix.isEmpty())
        return QDir::cleanPath(QDir(prefix).absolutePath());
    return home + QStringLiteral("/.wine");
}

QStringList DefaultPlayerPaths(const QProcessEnvironment &environment, const QString &home)
{
    const QString prefix = WinePrefix(environment, home);
    return {PathInPrefix(prefix, kPlayerPath), PathInPrefix(prefix, kPlayerPath32)};
}

QString WineLauncher(const QProcessEnvironment &environment)
{
    const QString chosen = environment.value(QLatin1String(kWineLauncherVariable));
    if (chosen.isEmpty())
        return FindProgram(kWineCommand, environment);
    if (chosen.contains(QLatin1Char('/')))
        return QFileInfo(chosen).isExecutable() ? QFileInfo(chosen).absoluteFilePath() : QString();
    return FindProgram(chosen, environment);
}

WineSetup InstalledWine(const QProcessEnvironment &environment, const QString &home)
{
    const QString launcher = WineLauncher(environment);
    return {launcher, WinePrefix(environment, home), WineRuns32Bit(launcher),
            environment.contains(QLatin1String(kWineDebugVariable))};
}

QString StagingFolder(const QProcessEnvironment &environment, const QString &home, const QString &program)
{
    // $XDG_CACHE_HOME/<program>/, ~/.cache/<program>/ without it. A relative
    // value is invalid for that variable, and would put a relative path on
    // the player's command line: it is ignored.
    QString cacheHome = environment.value(QStringLiteral("XDG_CACHE_HOME"));
    if (cacheHome.isEmpty() || QDir::isRelativePath(cacheHome))
        cacheHome = home + QStringLiteral("/.cache");
    return QDir::cleanPath(cacheHome) + QLatin1Char('/') + program + QLatin1Char('/');
}

} // namespace dozewell
