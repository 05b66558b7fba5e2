// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace dozewell {

// What the player is handed at the time-out: the words that follow its path
// on the command line, each as one argument, so that no shell or command-line
// parsing ever interprets a path.
QStringList StopArguments();
QStringList PlayArguments(const QString &stagedFile);

// How the player process is started: a program with its arguments, and the
// "NAME=value" entries added to its environment. A Windows player runs
// through Wine, in the prefix that holds it (WINEPREFIX), with Wine's debug
// output off unless the user chose it (WINEDEBUG).
struct PlayerStart {
    QString program;
    QStringList arguments;
    QStringList environment;
    bool throughWine = false;
};

// Why a player cannot be started.
enum class PlayerStartProblem {
    NoWine,          // a Windows player, and no Wine to run it with
    NoWine32BitPart, // a 32-bit Windows player, and a Wine without its 32-bit part
    FileOnNoDrive,   // the staged file lies on no drive of the player's Wine prefix
};

// Where Wine is on this system and what it can run.
struct WineSetup {
    QString launcher;              // empty when there is none
    QString defaultPrefix;         // the prefix Wine uses when WINEPREFIX is not set
    std::optional<bool> runs32Bit; // nothing: only starting a program tells
    bool debugChosen = false;      // the user's environment sets WINEDEBUG
};

// How long the program watches the player it started: a start that ends
// with a non-zero status within this time did not reach the player.
inline constexpr int kPlayerSettleMs = 2000;

// What Wine's launcher is started with to show that it runs on this
// computer, doing nothing else; and how long it may take. It answers in
// milliseconds, or in seconds from a slow disk; a Wine that takes longer is
// not one to count on at the time-out.
QStringList WineCheckArguments();
inline constexpr int kWineCheckMs = 30000;

// The start of the player with the stop words, or with the staged file when
// `stagedFile` is not empty. A native program is started directly, exactly
// as given. A Windows executable is started through the Wine launcher: the
// player's path, then the words, or the staged file's Windows path. It runs
// in the prefix that holds it, or in the default prefix when none does.
std::variant<PlayerStart, PlayerStartProblem> PlanStopStart(const QString &player, const WineSetup &wine);
std::variant<PlayerStart, PlayerStartProblem> PlanPlayStart(const QString &player, const QString &stagedFile,
                                                            const WineSetup &wine);

// What Wine's exit status says went wrong when it could not run a player:
// Wine's own statuses, and those of the shell script that Wine's launcher
// often is (a loader this computer refuses to run, or one that is missing).
enum class WineFailure { Other, NoProgram, NotLoaded, LoaderRefused, LoaderMissing };
WineFailure WineFailureOf(int exitStatus);

} // namespace dozewell
