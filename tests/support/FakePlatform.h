// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QPointer>
#include <functional>

namespace dozewell::testing {

// A platform for tests: records every call and answers from a script.
class FakePlatform final : public Platform {
public:
    struct Call {
        enum Kind { MsgBox, ShowOpen, StartProcess, RunBriefly, KeepAwake, LetSleep, EndProgram } kind;
        QString text;     // message prompt, the dialog's initial file name, or why the computer is kept awake
        QString title;    // message or dialog title
        MsgIcon icon = MsgIcon::None;
        QString filter;   // the dialog's filter
        QString program;  // the started program
        QStringList arguments;
        QStringList environment; // added to the started program's
    };

    void MsgBox(const QString &prompt, MsgIcon icon, const QString &title) override;
    std::optional<QString> ShowOpen(const QString &title, const QString &filter, const QString &fileName) override;
    bool StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment,
                      int settleMs, QObject *context, ProcessSettled settled) override;
    void RunBriefly(const QString &program, const QStringList &arguments, const QStringList &environment, int,
                    QObject *context, BriefRunDone done) override;
    QDateTime Now() const override { return std::exchange(now, now.addMSecs(readingMovesClockMs)); }
    qint64 SinceBootMs() const override { return sinceBootMs; }
    void KeepAwake(const QString &reason, QWidget *) override { record(Call::KeepAwake, reason); keptAwake = true; }
    void LetSleep() override { record(Call::LetSleep, {}); keptAwake = false; }
    void WatchScreenSaver(QObject *context, std::function<void(bool)> changed) override
    { m_screenSaver = {context, changed}; }
    // The desktop's screen saver comes on or goes off.
    void setScreenSaver(bool active) { if (m_screenSaver.first) m_screenSaver.second(active); }
    void WatchColourScheme(QObject *, std::function<void(ColourScheme)>) override {}
    void EndProgram() override;
    QProcessEnvironment Environment() const override { return environment; }
    QString HomeFolder() const override { return home; }

    // Time passes: both clocks move forward, as they do across a stall or a
    // suspend. With `wallOnly` someone sets the wall clock (forward, or back
    // for a negative value) and no time passes.
    void advance(qint64 ms, bool wallOnly = false);

    QList<Call> calls;
    QList<Call> ofKind(Call::Kind kind) const;
    QStringList messages() const;

    // Answers for the Open dialog, first to last; nullopt is a Cancel. With
    // no answer left the dialog is cancelled.
    QList<std::optional<QString>> dialogAnswers;
    // Called when a message box is shown, as ticks arrive while it is open.
    std::function<void()> whileMessageShown;
    bool processesStart = true;
    // How a started process fares within the settle time. Told at once,
    // unless `settleLater`: then the watch stays open until settle() tells it.
    ProcessOutcome processOutcome;
    bool settleLater = false;
    // What every program run briefly answers: at once, unless `holdBriefRuns`:
    // then when answerBriefRun() tells it.
    BriefRun briefRun{true, exited(0), {}};
    bool holdBriefRuns = false;
    void answerBriefRun(const BriefRun &run);
    void settle(const ProcessOutcome &outcome);
    static ProcessOutcome exited(int status) { return {ProcessOutcome::Ending::Exited, status, {}}; }
    qsizetype unsettled() const { return m_watches.size(); }
    mutable QDateTime now{QDate(2026, 12, 8), QTime(21, 7, 3)};
    int readingMovesClockMs = 0; // each reading of the wall clock moves it on
    qint64 sinceBootMs = 100000;
    bool ended = false;
    bool keptAwake = false;
    QProcessEnvironment environment; // empty: nothing of the environment the tests run in
    QString home;

private:
    void record(Call::Kind kind, const QString &text) { calls.append({kind, text, {}, MsgIcon::None, {}, {}, {}, {}}); }
    QList<std::pair<QPointer<QObject>, ProcessSettled>> m_watches;
    QList<std::pair<QPointer<QObject>, BriefRunDone>> m_briefRuns;
    std::pair<QPointer<QObject>, std::function<void(bool)>> m_screenSaver;
};

} // namespace dozewell::testing
