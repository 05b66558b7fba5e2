#include "player/CommandLine.h"

#include "player/WinePaths.h"

#include <QFileInfo>

namespace dozewell {

namespace {
// Handed to the player in place of file names; it ends the playback.
const QString kStopMessage = QStringLiteral(" Winamp was terminated by Orvo's Timer...");

// The start of a Windows player through Wine; `files` are converted to the
// Windows paths the player can open.
std::variant<PlayerStart, PlayerStartProblem> ThroughWine(const QString &player, const QStringList &words,
                                                          const QStringList &files, const WineSetup &wine)
{
    if (wine.launcher.isEmpty())
        return PlayerStartProblem::NoWineLauncher;
    const QString holding = PrefixHolding(player);
    PlayerStart start{wine.launcher, {QFileInfo(player).absoluteFilePath()}, true, holding};
    start.arguments << words;
    for (const QString &file : files) {
        const std::optional<QString> windowsPath = WindowsPathIn(holding.isEmpty() ? wine.defaultPrefix : holding, file);
        if (!windowsPath)
            return PlayerStartProblem::FileOnNoDrive;
        start.arguments << *windowsPath;
    }
    return start;
}
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

std::variant<PlayerStart, PlayerStartProblem> PlanStopStart(const QString &player, const WineSetup &wine)
{
    if (IsWindowsExecutable(player))
        return ThroughWine(player, StopArguments(), {}, wine);
    return PlayerStart{player, StopArguments(), false, {}};
}

std::variant<PlayerStart, PlayerStartProblem> PlanPlayStart(const QString &player, const QString &stagedFile,
                                                            const WineSetup &wine)
{
    if (IsWindowsExecutable(player))
        return ThroughWine(player, {}, PlayArguments(stagedFile), wine);
    return PlayerStart{player, PlayArguments(stagedFile), false, {}};
}

} // namespace dozewell
