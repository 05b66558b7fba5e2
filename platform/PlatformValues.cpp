#include "platform/PlatformValues.h"

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
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QLatin1Char('/');
#endif
}

} // namespace dozewell
