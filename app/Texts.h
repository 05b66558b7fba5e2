// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every text the program shows, named once.
namespace dozewell::texts {

// With the version.
inline const QString kBannerVersion = QStringLiteral("V %1");
inline const QString kSelectAnOption = QStringLiteral("Select An Option");
inline const QString kNoFileSelected = QStringLiteral("No File Was Selected Yet");
inline const QString kZero = QStringLiteral("0");

inline const QString kDialogTitle = QStringLiteral("Winamp Path");
inline const QString kExecutableFilter = QStringLiteral("Executable Files|*.exe");
inline const QString kMediaFilter =
    QStringLiteral("Winamp Media File and Playlists|*.mp3;*.m3u;*.wav;*.mid;*.voc;*.mod;*.avi;*.mpg");

inline const QString kErrorTitle = QStringLiteral("ERROR");
inline const QString kChooseAllOptions = QStringLiteral("Please choose all the needed options");
inline const QString kNoFileSelectedRefusal = QStringLiteral("No File Was Selected Yet !");
inline const QString kNotThePlayer = QStringLiteral("This is not the original Winamp.exe file!");
inline const QString kFileTooBig = QStringLiteral("Filesize too big ");
inline const QString kFileTooBigLimit = QStringLiteral("Bytes, 20,000,000Bytes is the max size !");
inline const QString kStageFailed = QStringLiteral("The file could not be copied to the staging folder %1: %2");
inline const QString kMediaUnreadable = QStringLiteral("The file %1 could not be read: %2");
inline const QString kNotARegularFile =
    QStringLiteral("The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).");
inline const QString kPlayerNotStarted = QStringLiteral("The player could not be started: %1");
inline const QString kWineNotStarted = QStringLiteral("Wine could not start the player %1 (launcher: %2).");
inline const QString kFileOnNoDrive =
    QStringLiteral("The staged file %1 lies on no drive of the Wine prefix of the player %2, so the player "
                   "could not be handed it.");
// A player start that ended at once with a non-zero status, and what Wine's status says.
inline const QString kPlayerFailed =
    QStringLiteral("The player %1 did not take the command: it ended at once with status %2.");
inline const QString kPlayerCrashed = QStringLiteral("The player %1 did not take the command: it crashed (%2).");
inline const QString kWineNoProgram = QStringLiteral("Wine cannot run this file: it is not a Windows program.");
inline const QString kWineNotLoaded = QStringLiteral("Wine could not load the player or a library it needs.");
inline const QString kLoaderRefused = QStringLiteral("This computer refused to run Wine's loader.");
inline const QString kLoaderMissing = QStringLiteral("A program that Wine needs was not found.");

// Windows players that the Wine here certainly cannot run, and the Debian
// commands that add what is missing.
inline const QString kNoWine = QStringLiteral(
    "The player %1 is a Windows program and needs Wine to run, but no Wine was found.\n\n"
    "On Debian, install it with:\n%2\n\n"
    "or name the Wine launcher to use in the variable %3.");
inline const QString kNoWine32BitPart = QStringLiteral(
    "The player %1 is a 32-bit Windows program, but the Wine here (%2) has no 32-bit part, so it cannot run it."
    "\n\nOn Debian, add it with:\n%3");
inline const QString kNoWine32BitPartHint =
    QStringLiteral("A 32-bit player needs Wine's 32-bit part. On Debian, add it with:\n%1");
// A Wine whose files are all there, and that still does not run here; with
// Wine's own words, or how it ended, and what to do.
inline const QString kWineDoesNotRun = QStringLiteral(
    "The player %1 is a Windows program, but the Wine here (%2) does not run on this computer: %3\n\n%4");
inline const QString kWineStillDoesNotRun = QStringLiteral("The Wine here (%1) does not run on this computer: %2\n\n%3");
inline const QString kWineEndedWith = QStringLiteral("it ended at once with status %1.");
inline const QString kWineCrashed = QStringLiteral("it crashed (%1).");
inline const QString kWineLoaderRefused = QStringLiteral(
    "This computer refuses to start Wine's loader. A computer that runs no 32-bit programs (a kernel built "
    "without IA-32 emulation, or started with ia32_emulation=0) cannot run Wine's 32-bit part, nor a 32-bit "
    "player. While that part is installed, Debian's wine fails for 64-bit players too; remove it with:\n"
    "    sudo apt remove wine32:i386");
inline const QString kWineSeeWhatItSays = QStringLiteral("See what Wine says with:\n    %1 --version");
inline const QString kInstallWine = QStringLiteral("    sudo apt install wine");
// Wine's 32-bit part comes from Debian's i386 architecture.
inline const QString kAddI386 = QStringLiteral("    sudo dpkg --add-architecture i386\n    sudo apt update\n");
inline const QString kInstallWineWith32BitPart = kAddI386 + QStringLiteral("    sudo apt install wine wine32:i386");
inline const QString kInstallWine32BitPart = kAddI386 + QStringLiteral("    sudo apt install wine32:i386");

inline const QString kAlreadyRunning =
    QStringLiteral("Dozewell Timer is already running for this user; a second one would delete the staged "
                   "copy of the first one's run.");
inline const QString kLockFailed =
    QStringLiteral("Dozewell Timer cannot start: its lock %1 cannot be written (%2).");
inline const QString kNoDisplay = QStringLiteral(
    "dozewell-timer: no display could be opened (see DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM).\n"
    "It is a desktop program: start it from a desktop session, or under a virtual\n"
    "X server with:  xvfb-run -a dozewell-timer\n");

inline const QString kNoDisplayCause = QStringLiteral("(%1)\n");
inline const QString kCommandLineDescription =
    QStringLiteral("A sleep timer: stops the media player, or makes it play one file, after a set time.");
inline const QString kUnknownArgument = QStringLiteral("Unknown argument '%1'.");
inline const QString kCommandLineError = QStringLiteral("dozewell-timer: %1\nTry 'dozewell-timer --help'.\n");

// What the desktop shows while it keeps the computer awake for a run.
inline const QString kAwakeToStop = QStringLiteral("Dozewell Timer stops the player at %1");
inline const QString kAwakeToPlay = QStringLiteral("Dozewell Timer plays the chosen file at %1");

inline const QString kStopReport = QStringLiteral("Winamp was terminated by Orvo's Timer!!!");
inline const QString kStopReportTitle = QStringLiteral("Orvo's Timer");
inline const QString kPlayReportPrefix = QStringLiteral("Playing");
inline const QString kPlayReportSuffix = QStringLiteral("...");
inline const QString kPlayReportTitle = QStringLiteral("Orvo's Dozewell Timer");

// With the version.
inline const QString kAboutText = QStringLiteral(
    "\r\n"
    "The main goal of this small program is to help those who like\r\n"
    "to go to sleep with a very long random playlist playing in\r\n"
    "winamp but don't like to sleep with music all night long...\r\n"
    "With the help of this program you can set a Timer or a \r\n"
    "Counter to make winamp stop playing in a certain time.\r\n"
    "\r\n"
    "Version: %1\r\n"
    "\r\n"
    "Any Comments sould be sent to:\r\n"
    "dozewell-timer@example.invalid\r\n");

} // namespace dozewell::texts
