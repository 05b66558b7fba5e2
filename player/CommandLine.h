#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace dozewell {

// What the player is handed at the time-out: the words that follow its path
// on the command line, each as one argument, so that no shell or command-line
// parsing ever interprets a path.
QStringList StopArguments();
QStringList PlayArguments(const QString &stagedFile);

// How the player process is started: a program with its arguments; for a
// Windows player, through Wine, in the prefix that holds it (set as
// WINEPREFIX; empty: Wine's default).
struct PlayerStart {
    QString program;
    QStringList arguments;
    bool throughWine = false;
    QString winePrefix;
};

// Why a player cannot be started.
enum class PlayerStartProblem {
    NoWineLauncher, // a Windows player, and no Wine to run it with
    FileOnNoDrive,  // the staged file lies on no drive of the player's Wine prefix
};

// Where Wine is on this system: the launcher (empty when there is none) and
// the prefix it uses when WINEPREFIX is not set.
struct WineSetup {
    QString launcher;
    QString defaultPrefix;
};

// The start of the player with the stop words, or with the staged file when
// `stagedFile` is not empty. A native program is started directly, exactly
// as given. A Windows executable is started through the Wine launcher: the
// player's path, then the words, or the staged file's Windows path. It runs
// in the prefix that holds it, or in the default prefix when none does.
std::variant<PlayerStart, PlayerStartProblem> PlanStopStart(const QString &player, const WineSetup &wine);
std::variant<PlayerStart, PlayerStartProblem> PlanPlayStart(const QString &player, const QString &stagedFile,
                                                            const WineSetup &wine);

} // namespace dozewell
