// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/CommandLine.h"

#include "player/WinePaths.h"

#include <QFileInfo>

namespace dozewell {

namespace {
// Handed to the player in place of file names; it ends the playback. The
// player reads these words, not the user: never translated, in no language
// (the translation check makes sure they are among no texts).
const QString kStopMessage = QStringLiteral(" Winamp was terminated by Orvo's Timer...");
// Wine's debug channels while the user has chosen none: all off.
const QString kWineQuiet = QStringLiteral("-all");
// Wine's exit statuses when it cannot run a program: the file is no program
// it can run, and the program or a library it needs could not be loaded.
constexpr int kWineNoProgram = 52;
constexpr int kWineNotLoaded = 53;
// The shell's, when it cannot execute a program, or finds none.
constexpr int kCannotExecute = 126;
constexpr int kNotFound = 127;

// The start of a Windows player through Wine; `files` are converted to the
// Windows paths the player can open.
std::variant<PlayerStart, PlayerStartProblem> ThroughWine(const QString &player, WindowsProgram kind,
                                                          const QStringList &words, const QStringList &files,
                                                          const WineSetup &wine)
{
    if (wine.launcher.isEmpty())
        return PlayerStartProblem::NoWine;
    if (kind == WindowsProgram::Bits32 && wine.runs32Bit == false)
        return PlayerStartProblem::NoWine32BitPart;
    const QString holding = PrefixHolding(player);
    PlayerStart start{wine.launcher, {QFileInfo(player).absoluteFilePath()}, {}, true};
    start.arguments << words;
    if (!holding.isEmpty())
        start.environment << QLatin1String(kWinePrefixVariable) + QLatin1Char('=') + holding;
    if (!wine.debugChosen)
        start.environment << QLatin1String(kWineDebugVariable) + QLatin1Char('=') + kWineQuiet;
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
    if (const WindowsProgram kind = WindowsProgramKind(player); kind != WindowsProgram::None)
        return ThroughWine(player, kind, StopArguments(), {}, wine);
    return PlayerStart{player, StopArguments(), {}, false};
}

std::variant<PlayerStart, PlayerStartProblem> PlanPlayStart(const QString &player, const QString &stagedFile,
                                                            const WineSetup &wine)
{
    if (const WindowsProgram kind = WindowsProgramKind(player); kind != WindowsProgram::None)
        return ThroughWine(player, kind, {}, PlayArguments(stagedFile), wine);
    return PlayerStart{player, PlayArguments(stagedFile), {}, false};
}

QStringList WineCheckArguments()
{
    return {QStringLiteral("--version")};
}

WineFailure WineFailureOf(int exitStatus)
{
    switch (exitStatus) {
    case kWineNoProgram:
        return WineFailure::NoProgram;
    case kWineNotLoaded:
        return WineFailure::NotLoaded;
    case kCannotExecute:
        return WineFailure::LoaderRefused;
    case kNotFound:
        return WineFailure::LoaderMissing;
    default:
        return WineFailure::Other;
    }
}

} // namespace dozewell
