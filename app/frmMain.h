// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Module1.h"
#include "app/PlayerCommand.h"
#include "platform/Platform.h"
#include "player/CommandLine.h"
#include "timer/SleepTimer.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <variant>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace dozewell {

class CommonDialog;
class IntervalTimer;
class SharedPlace;
class UnseenRest;
class frmAbout;

// The main window. Its controls hold the values the user sets; the sleep
// timer holds the run and the shared module's values the rest. Each handler
// reads the controls, tells the sleep timer what happened, and the window
// shows what the sleep timer announces.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(Platform &platform, QWidget *parent = nullptr);
    ~frmMain() override;

    const Module1 &module() const { return m_module; }
    const SleepTimer &sleepTimer() const { return m_run; }
    frmAbout *aboutWindow() const;

public slots:
    // Start-up. False when it ended the program.
    bool Form_Load();

    void cmdHide_Click();
    void cmdClose_Click();
    void cmdAbout_Click();
    void imgLogo1_Click();
    void imgLogo2_Click();

    void cmdMoreHHCounter_Click();
    void cmdLessHHCounter_Click();
    void cmdMoreMMCounter_Click();
    void cmdLessMMCounter_Click();
    void cmdMoreHH_Click();
    void cmdLessHH_Click();
    void cmdMoreMM_Click();
    void cmdLessMM_Click();
    void cmdMoreSS_Click();
    void cmdLessSS_Click();
    void cmdReset_Click();

    void chkUseCounter_Click();
    void chkUseTimer_Click();

    void cmdStart_Click();
    void cmdStop_Click();
    void cmbWhatToDo_Click();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    void cmdPath_Click();
    void txtPath_KeyPress(int KeyAscii);

    void cmdMp3File_Click();

protected:
    // Closing the window through the window system does what Exit does.
    void closeEvent(QCloseEvent *event) override;

private:
    // The key code txtPath_KeyPress acts on.
    static constexpr int kEnterKey = 13;

    void SetIdleState();
    bool SetRunningState();
    // The media-file guard: "Play Mp3 File" chosen but no file picked.
    bool MediaFileMissing() const;
    void EnableMp3FileChoice();
    void DisableMp3FileChoice();
    void SetCounterMode();
    void SetTimerMode();

    void StartCounterRun();
    void StartTimerRun();
    bool RunConditionsHold(bool modeTicked) const;
    // Refusals before a run is set up, which change nothing else; true when refused.
    bool RefusedForThePlayer();
    bool RefusedByMediaGuard();
    void ShowAcceptedPlayer();
    // Keeps the computer awake for the run that times out at `timeOfDay`.
    void KeepAwakeUntil(const QString &timeOfDay);

    // The countdown ran out or the target was reached.
    void TimeOut();
    void DoTimeOutAction();
    // How the player is started for the chosen action: checked at Start,
    // carried out at the time-out.
    std::variant<PlayerStart, PlayerStartProblem> PlayerPlan() const;
    // Starts the player as planned and, once it has settled, shows the
    // report, or what went wrong instead; then the window goes idle.
    void CommandPlayer(const QString &report, const QString &reportTitle);
    void PlayerTold(const QString &failure, const QString &report, const QString &reportTitle);
    // Start waits for Wine's answer, then goes on as pressed again with it.
    void AskWineThenStart(const PlayerStart &start);
    void ShowWaitingForWine(bool waiting);

    // Applies the player file check to the dialog's choice and takes it
    // over; false when the size of the chosen file cannot be read.
    bool TakePlayerFromDialog();
    void ShowAbout();
    void Step(QLineEdit *field, qint16 (*stepping)(qint16));
    void NameForScreenReaders();
    void ConnectHandlers();
    // Wine and the staging folder, as the user's environment has them now.
    WineSetup Wine() const;
    QString StagingFolder() const;
    // Ends the program: the timers stop, the windows close, and the event
    // loop is left, so that everything is put away as it should be.
    void EndProgram();

    std::unique_ptr<Ui::frmMain> ui;
    Platform &m_platform;
    Module1 m_module;
    SleepTimer m_run;
    IntervalTimer *Timer1;
    IntervalTimer *Timer2;
    IntervalTimer *Timer3;
    CommonDialog *cmd1;
    // Start! and Pause, one in the place of the other.
    SharedPlace *m_startPause;
    QPointer<frmAbout> m_about;
    PlayerCommand m_player;
    bool m_ended = false;
    // Start's refusal for Wine's answer (empty: none), while Start goes on with it.
    std::optional<QString> m_wineRefusal;
    // Start waits for Wine's answer.
    bool m_askingWine = false;
    // The window's rest while nobody sees it.
    UnseenRest *m_rest;
};

} // namespace dozewell
