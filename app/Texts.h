// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the windows show, named once, each in the user's language where
// the program has a translation: texts::kErrorTitle(). The windows' captions
// and tool tips are in their .ui files; the player layer's reports of the
// player's start and of a media file are in player/, in the same context.
//
// Only translated texts are here. Nothing that the player or Wine reads is
// one: the words of the stop command, file names, patterns and commands stay
// as they are in every language, beside their one user, and the translation
// check makes sure none is among the texts.
namespace dozewell::texts {

struct Text {
    const char *source;
    QString operator()() const { return QCoreApplication::translate("Texts", source); }
};

//: The action box before an action is chosen.
inline constexpr Text kSelectAnOption{QT_TRANSLATE_NOOP("Texts", "Select An Option")};
//: The media file box before a file is chosen; short, it fills the box.
inline constexpr Text kNoFileSelected{QT_TRANSLATE_NOOP("Texts", "No File Was Selected Yet")};
//: What a screen reader says of a + or - button beside a time field: %1 is
//: what the button does, its tool tip ("More Minutes"), %2 the field's value.
inline constexpr Text kStepButtonName{QT_TRANSLATE_NOOP("Texts", "%1: %2")};
//: The tool tip of the Path button. %1 is the player's file name.
inline constexpr Text kChooseAnotherPlayer{QT_TRANSLATE_NOOP("Texts", "Choose a diffrent path for the '%1' file")};

//: The title of the Open dialog that asks where the player is.
inline constexpr Text kDialogTitle{QT_TRANSLATE_NOOP("Texts", "Winamp Path")};
//: The Open dialog's file type for the player.
inline constexpr Text kExecutableFiles{QT_TRANSLATE_NOOP("Texts", "Executable Files")};
//: The Open dialog's file type for the media file.
inline constexpr Text kMediaFiles{QT_TRANSLATE_NOOP("Texts", "Winamp Media File and Playlists")};

//: The title of every box that refuses or reports a failure.
inline constexpr Text kErrorTitle{QT_TRANSLATE_NOOP("Texts", "ERROR")};
inline constexpr Text kChooseAllOptions{QT_TRANSLATE_NOOP("Texts", "Please choose all the needed options")};
inline constexpr Text kNoFileSelectedRefusal{QT_TRANSLATE_NOOP("Texts", "No File Was Selected Yet !")};
//: %1 is the player's file name.
inline constexpr Text kNotThePlayer{QT_TRANSLATE_NOOP("Texts", "This is not the original %1 file!")};

inline constexpr Text kAlreadyRunning{
    QT_TRANSLATE_NOOP("Texts", "Dozewell Timer is already running for this user; a second one would delete the staged "
                               "copy of the first one's run.")};
//: Why the lock cannot be written, where the system does not say.
inline constexpr Text kUnknownError{QT_TRANSLATE_NOOP("Texts", "unknown error")};
//: %1 is the lock file, %2 the system's reason.
inline constexpr Text kLockFailed{
    QT_TRANSLATE_NOOP("Texts", "Dozewell Timer cannot start: its lock %1 cannot be written (%2).")};
//: On the terminal. %1 is the program's command, %2 the environment
//: variables that name a display, %3 the command that starts it under a
//: virtual X server. Keep the lines within 80 characters.
inline constexpr Text kNoDisplay{QT_TRANSLATE_NOOP(
    "Texts", "%1: no display could be opened (see %2).\n"
             "It is a desktop program: start it from a desktop session, or under a virtual\n"
             "X server with:  %3\n")};
//: After "see" in the no-display message: %1, %2 and %3 are the environment
//: variables that name a display.
inline constexpr Text kDisplayVariables{QT_TRANSLATE_NOOP("Texts", "%1, %2 and %3")};

//: The first line of --help.
inline constexpr Text kCommandLineDescription{
    QT_TRANSLATE_NOOP("Texts", "A sleep timer: stops the media player, or makes it play one file, after a set time.")};
inline constexpr Text kUnknownArgument{QT_TRANSLATE_NOOP("Texts", "Unknown argument '%1'.")};
//: After a wrong argument, on the terminal. %1 is the command that shows the help.
inline constexpr Text kTryHelp{QT_TRANSLATE_NOOP("Texts", "Try '%1'.")};

// What the desktop shows while it keeps the computer awake for a run.
//: Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.
inline constexpr Text kAwakeToStop{QT_TRANSLATE_NOOP("Texts", "Dozewell Timer stops the player at %1")};
//: Shown by the desktop while the computer is kept awake. %1 is the clock time of the time-out.
inline constexpr Text kAwakeToPlay{QT_TRANSLATE_NOOP("Texts", "Dozewell Timer plays the chosen file at %1")};

//: The report after the player was told to stop.
inline constexpr Text kStopReport{QT_TRANSLATE_NOOP("Texts", "Winamp was terminated by Orvo's Timer!!!")};
//: The title of that report: the program's old name.
inline constexpr Text kStopReportTitle{QT_TRANSLATE_NOOP("Texts", "Orvo's Timer")};
//: The report after the player was told to play a file: %1 is the file,
//: right after the word, as the program has always shown it.
inline constexpr Text kPlayReport{QT_TRANSLATE_NOOP("Texts", "Playing%1...")};
//: The title of that report: the program's old name.
inline constexpr Text kPlayReportTitle{QT_TRANSLATE_NOOP("Texts", "Orvo's Dozewell Timer")};

//: The About window's text, eleven lines that fill its box: keep the line
//: breaks and make no line longer than the longest English one. %1 is the
//: version, %2 the address.
inline constexpr Text kAboutText{QT_TRANSLATE_NOOP(
    "Texts", "\n"
             "The main goal of this small program is to help those who like\n"
             "to go to sleep with a very long random playlist playing in\n"
             "winamp but don't like to sleep with music all night long...\n"
             "With the help of this program you can set a Timer or a \n"
             "Counter to make winamp stop playing in a certain time.\n"
             "\n"
             "Version: %1\n"
             "\n"
             "Any Comments sould be sent to:\n"
             "%2\n")};

} // namespace dozewell::texts
