// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/StartFailures.h"

#include "player/WinePaths.h"
#include "player/Wording.h"

#include <QStringList>

namespace dozewell {

using wording::Shown;
using wording::Tr;

namespace {
//: %1 is the player.
const char *const kPlayerNotStarted = QT_TRANSLATE_NOOP("Texts", "The player could not be started: %1");
//: %1 is the player, %2 the Wine program that was to start it.
const char *const kWineNotStarted = QT_TRANSLATE_NOOP("Texts", "Wine could not start the player %1 (launcher: %2).");
//: %1 is the staged copy of the media file, %2 the player.
const char *const kFileOnNoDrive =
    QT_TRANSLATE_NOOP("Texts", "The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player "
                               "could not be handed it.");
// A player start that ended at once with a non-zero status, and what Wine's status says.
//: %1 is the player, %2 its exit status (a number).
const char *const kPlayerFailed =
    QT_TRANSLATE_NOOP("Texts", "The player %1 did not take the command: it ended at once with status %2.");
//: %1 is the player, %2 the signal that ended it (SIGSEGV, ...).
const char *const kPlayerCrashed =
    QT_TRANSLATE_NOOP("Texts", "The player %1 did not take the command: it crashed (%2).");
const char *const kWineNoProgram =
    QT_TRANSLATE_NOOP("Texts", "Wine cannot run this file: it is not a Windows program.");
const char *const kWineNotLoaded = QT_TRANSLATE_NOOP("Texts", "Wine could not load the player or a library it needs.");
const char *const kLoaderRefused = QT_TRANSLATE_NOOP("Texts", "This computer refused to run Wine's loader.");
const char *const kLoaderMissing = QT_TRANSLATE_NOOP("Texts", "A program that Wine needs was not found.");

// Windows players that the Wine here certainly cannot run, and the Debian
// commands that add what is missing.
//: %1 is the player, %2 the commands that install Wine (on lines of their
//: own), %3 the name of an environment variable.
const char *const kNoWine = QT_TRANSLATE_NOOP(
    "Texts", "The player %1 is a Windows program and needs Wine to run, but no Wine was found.\n\n"
             "On Debian, install it with:\n%2\n\n"
             "or name the Wine launcher to use in the variable %3.");
//: %1 is the player, %2 the Wine program, %3 the commands that add the 32-bit part.
const char *const kNoWine32BitPart = QT_TRANSLATE_NOOP(
    "Texts", "The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot "
             "run it.\n\nOn Debian, add it with:\n%3");
//: %1 is the commands that add Wine's 32-bit part.
const char *const kNoWine32BitPartHint =
    QT_TRANSLATE_NOOP("Texts", "A 32-bit player needs Wine's 32-bit part. On Debian, add it with:\n%1");
// A Wine whose files are all there, and that still does not run here; with
// Wine's own words, or how it ended, and what to do.
//: %1 is the player, %2 the Wine program, %3 what Wine said (in English) or
//: how it ended, %4 what to do (a text of its own).
const char *const kWineDoesNotRun = QT_TRANSLATE_NOOP(
    "Texts", "The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3\n\n%4");
//: %1 is the Wine program, %2 what Wine said (in English) or how it ended, %3 what to do.
const char *const kWineStillDoesNotRun =
    QT_TRANSLATE_NOOP("Texts", "The Wine here (%1) does not run on this computer: %2\n\n%3");
//: How Wine ended, after "does not run on this computer:". %1 is its exit status (a number).
const char *const kWineEndedWith = QT_TRANSLATE_NOOP("Texts", "it ended at once with status %1.");
//: How Wine ended, after "does not run on this computer:". %1 is the signal that ended it.
const char *const kWineCrashed = QT_TRANSLATE_NOOP("Texts", "it crashed (%1).");
//: %1 is the command that removes Wine's 32-bit part, on a line of its own.
const char *const kWineLoaderRefused = QT_TRANSLATE_NOOP(
    "Texts", "This computer refuses to start Wine's loader. A computer that runs no 32-bit programs (a kernel built "
             "without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine's 32-bit part, nor a 32-bit "
             "player. While that part is installed, Debian's wine fails for 64-bit players too; remove it with:\n%1");
//: %1 is a command, on a line of its own.
const char *const kWineSeeWhatItSays = QT_TRANSLATE_NOOP("Texts", "See what Wine says with:\n%1");
//: %1 is the Wine program. Start's refusal when Wine, asked whether it runs
//: here, gives no answer within half a minute; how to see what Wine says
//: follows on lines of its own.
const char *const kWineNoAnswer =
    QT_TRANSLATE_NOOP("Texts", "The Wine here (%1) did not answer within half a minute; nothing was started.");
static_assert(kWineCheckMs == 30000, "the refusal names the wait: half a minute");

// Commands, the same in every language.
const QString kRemoveWine32BitPart = QStringLiteral("    sudo apt remove wine32:i386");
const QString kWineVersionCommand = QStringLiteral("    %1 --version");
const QString kInstallWine = QStringLiteral("    sudo apt install wine");
// Wine's 32-bit part comes from Debian's i386 architecture.
const QString kAddI386 = QStringLiteral("    sudo dpkg --add-architecture i386\n    sudo apt update\n");
const QString kInstallWineWith32BitPart = kAddI386 + QStringLiteral("    sudo apt install wine wine32:i386");
const QString kInstallWine32BitPart = kAddI386 + QStringLiteral("    sudo apt install wine32:i386");

bool Is32Bit(const QString &player)
{
    return WindowsProgramKind(player) == WindowsProgram::Bits32;
}
} // namespace

QString PlanProblemText(PlayerStartProblem problem, const QString &player, const QString &stagedFile,
                        const WineSetup &wine)
{
    switch (problem) {
    case PlayerStartProblem::NoWine:
        return Tr(kNoWine).arg(Shown(player), Is32Bit(player) ? kInstallWineWith32BitPart : kInstallWine,
                               QLatin1String(kWineLauncherVariable));
    case PlayerStartProblem::NoWine32BitPart:
        return Tr(kNoWine32BitPart).arg(Shown(player), wine.launcher, kInstallWine32BitPart);
    case PlayerStartProblem::FileOnNoDrive:
        break;
    }
    return Tr(kFileOnNoDrive).arg(Shown(stagedFile), Shown(player));
}

QString NotStartedText(const QString &player, const PlayerStart &start)
{
    return start.throughWine ? Tr(kWineNotStarted).arg(Shown(player), Shown(start.program))
                             : Tr(kPlayerNotStarted).arg(Shown(player));
}

std::optional<WineTrouble> WineTroubleOf(const QString &launcher, bool started, int exitStatus,
                                         const QString &signalName, const QString &errorOutput)
{
    // Wine's files may all be there while this computer cannot run its
    // loader: a kernel that runs no 32-bit programs refuses Wine's 32-bit
    // part. Only Wine itself tells, and it tells at once.
    const bool exited = started && signalName.isEmpty();
    if (exited && exitStatus == 0)
        return std::nullopt;
    QString said = errorOutput.trimmed().split(QLatin1Char('\n')).constLast().trimmed();
    if (said.isEmpty())
        said = exited ? Tr(kWineEndedWith).arg(exitStatus) : Tr(kWineCrashed).arg(signalName);
    const bool loaderRefused = !started || (exited && WineFailureOf(exitStatus) == WineFailure::LoaderRefused);
    return WineTrouble{said, loaderRefused ? Tr(kWineLoaderRefused).arg(kRemoveWine32BitPart)
                                           : Tr(kWineSeeWhatItSays).arg(kWineVersionCommand.arg(launcher))};
}

QString WineDoesNotRunText(const QString &player, const QString &launcher, const WineTrouble &trouble)
{
    return Tr(kWineDoesNotRun).arg(Shown(player), launcher, trouble.said, trouble.whatToDo);
}

QString WineNoAnswerText(const QString &launcher)
{
    return Tr(kWineNoAnswer).arg(launcher) + QStringLiteral("\n\n")
           + Tr(kWineSeeWhatItSays).arg(kWineVersionCommand.arg(launcher));
}

bool WineCanTellWhy(const PlayerStart &start, int exitStatus, const QString &signalName)
{
    const WineFailure failure = WineFailureOf(exitStatus);
    return start.throughWine && signalName.isEmpty() && failure != WineFailure::NoProgram
           && failure != WineFailure::NotLoaded;
}

QString EndedAtOnceText(const QString &player, const PlayerStart &start, int exitStatus, const QString &signalName,
                        const std::optional<WineTrouble> &wine)
{
    if (!signalName.isEmpty())
        return Tr(kPlayerCrashed).arg(Shown(player), signalName);
    QString text = Tr(kPlayerFailed).arg(Shown(player)).arg(exitStatus);
    if (!start.throughWine)
        return text;
    switch (WineFailureOf(exitStatus)) {
    case WineFailure::NoProgram:
        return text + QLatin1Char(' ') + Tr(kWineNoProgram);
    case WineFailure::NotLoaded:
        text += QLatin1Char(' ') + Tr(kWineNotLoaded);
        if (Is32Bit(player))
            text += QStringLiteral("\n\n") + Tr(kNoWine32BitPartHint).arg(kInstallWine32BitPart);
        return text;
    case WineFailure::LoaderRefused:
        text += QLatin1Char(' ') + Tr(kLoaderRefused);
        break;
    case WineFailure::LoaderMissing:
        text += QLatin1Char(' ') + Tr(kLoaderMissing);
        break;
    case WineFailure::Other:
        break;
    }
    // Wine's own words on why it does not run, where it gives them.
    if (wine)
        text += QStringLiteral("\n\n") + Tr(kWineStillDoesNotRun).arg(start.program, wine->said, wine->whatToDo);
    return text;
}

} // namespace dozewell
