#include "platform/PlatformValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace dozewell {

QString DefaultPlayerPath()
{
    return QStringLiteral("C:\\Program Files\\Winamp\\winamp.exe");
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
