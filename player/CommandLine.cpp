#include "player/CommandLine.h"

namespace dozewell {

namespace {
// Handed to the player in place of file names; it ends the playback.
const QString kStopMessage = QStringLiteral(" Winamp was terminated by Orvo's Timer...");
} // namespace

QStringList StopArguments()
{
    return kStopMessage.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList PlayArguments(const QString &stagedFile)
{
    if (stagedFile.isEmpty())
        return {};
    return {stagedFile};
}

} // namespace dozewell
