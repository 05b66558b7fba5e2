// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace dozewell {

enum class MsgIcon { None, Critical };

// The colours the user prefers for programs, as the desktop says them.
enum class ColourScheme { NoPreference = 0, PreferDark = 1, PreferLight = 2 };

// How a started program fared in its first moments: still running when the
// watch ended, or ended with an exit status, or by a signal.
struct ProcessOutcome {
    enum class Ending { StillRunning, Exited, Signalled };
    Ending ending = Ending::StillRunning;
    int exitStatus = 0;
    QString signalName; // as the system names it: "Segmentation fault"; empty unless Signalled
};
using ProcessSettled = std::function<void(const ProcessOutcome &outcome)>;

// How a program that ends at once fared (still running: it did not end in
// time), and what it wrote on its standard error, or why it could not be
// started.
struct BriefRun {
    bool started = true;
    ProcessOutcome outcome;
    QString errorOutput;
};
using BriefRunDone = std::function<void(const BriefRun &run)>;

// The seam between the program and the system it runs on: modal message
// boxes, the Open dialog, process start, the clocks, keeping the computer
// awake, the desktop's screen saver and colour preference, the program's end,
// the environment and the user's home folder. The
// program reaches none of these except through this interface.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with an OK button; returns when it is closed.
    virtual void MsgBox(const QString &prompt, MsgIcon icon, const QString &title) = 0;

    // The modal Open dialog. Returns the chosen file's full path, or nothing
    // when the user cancelled.
    virtual std::optional<QString> ShowOpen(const QString &title, const QString &filter,
                                            const QString &fileName) = 0;

    // Starts a program with its arguments, without a shell, with the
    // "NAME=value" entries of `environment` added to the user's environment
    // (below), and watches it for `settleMs` without blocking. False when
    // it could not be started. Otherwise `settled` is called once, while
    // `context` lives: when the program ends within that time, or when the
    // time is over. The program runs on when the watch or this program ends.
    virtual bool StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment,
                              int settleMs, QObject *context, ProcessSettled settled) = 0;

    // Runs a program that ends at once (a "--version"), with the entries of
    // `environment` added as for StartProcess, without blocking. `done` is
    // called once, from the event loop, while `context` lives: when the
    // program ended or could not be started, or when it still runs after
    // `timeOutMs`; it is then killed.
    virtual void RunBriefly(const QString &program, const QStringList &arguments, const QStringList &environment,
                            int timeOutMs, QObject *context, BriefRunDone done) = 0;

    // Local date and time of day.
    virtual QDateTime Now() const = 0;
    // Milliseconds since the computer started, the time it slept included: a
    // clock that only moves forward, and keeps counting through a suspend.
    virtual qint64 SinceBootMs() const = 0;

    // Keeps the computer from suspending on its own until LetSleep, with
    // `reason` for the desktop to show beside `window`; the screen may still
    // blank and lock. A second call replaces the first. Never waits, and
    // never fails the program: what cannot be inhibited is only said on
    // standard error.
    virtual void KeepAwake(const QString &reason, QWidget *window) = 0;
    // Also lets go what a run of an earlier start, which died, left holding.
    virtual void LetSleep() = 0;
    // Tells `changed`, while `context` lives, whenever the desktop's screen
    // saver comes on (the screen blanked or locked) or goes off.
    virtual void WatchScreenSaver(QObject *context, std::function<void(bool active)> changed) = 0;
    // Tells `changed`, while `context` lives, the colours the user prefers:
    // when the desktop first says, and whenever they change. Until then, and
    // where the desktop does not say, there is no preference.
    virtual void WatchColourScheme(QObject *context, std::function<void(ColourScheme scheme)> changed) = 0;

    // Ends the program: leaves the event loop, once the window has stopped
    // its timers and closed, so that no further handler runs.
    virtual void EndProgram() = 0;

    // The user's environment: the one the program was started with, without
    // what the program or its launcher set for the program's own window.
    virtual QProcessEnvironment Environment() const = 0;
    // The user's home folder.
    virtual QString HomeFolder() const = 0;
};

} // namespace dozewell
