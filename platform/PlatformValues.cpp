#include "platform/PlatformValues.h"

#include <QDir>
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
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/dozewell-timer/");
#endif
}

} // namespace dozewell
