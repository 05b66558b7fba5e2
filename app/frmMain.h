#pragma once

#include "app/BannerCourse.h"
#include "app/Module1.h"
#include "player/CommandLine.h"
#include "timer/Countdown.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <variant>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace dozewell {

class CommonDialog;
class IntervalTimer;
class Platform;
class frmAbout;

// The main window. Its controls hold the values the user sets; the
// form-level values below and the shared module's values hold the rest.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(Platform &platform, QWidget *parent = nullptr);
    ~frmMain() override;

    // Countdown state: whole minutes after the running one, seconds of the
    // running one.
    qint16 MinutesLeft = 0;
    quint8 SecondsLeft = 59;
    // Direction of the title banner: -1 or 1.
    qint16 BannerStep = -1;
    // The HH:MM:SS text a Timer Mode run waits for; empty when none is armed.
    QString TargetTime;

    Module1 &module() { return m_module; }
    const BannerCourse &banner() const { return m_banner; }
    frmAbout *aboutWindow() const;

    // Gives the keyboard focus to the first usable control in the focus order.
    void FocusFirstControl();

    // The time-out: commands the player and reports it (app/TimeOutAction.cpp).
    void DoTimeOutAction();

public slots:
    // Start-up (app/Startup.cpp). False when it ended the program.
    bool Form_Load();

    // The window itself (app/frmMain.cpp).
    void cmdHide_Click();
    void cmdClose_Click();
    void cmdAbout_Click();
    void imgLogo1_Click();
    void imgLogo2_Click();

    // Time fields (app/TimeFieldHandlers.cpp).
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

    // Modes (app/ModeSelection.cpp).
    void chkUseCounter_Click();
    void chkUseTimer_Click();

    // Run control (app/RunControl.cpp).
    void cmdStart_Click();
    void cmdStop_Click();
    void cmbWhatToDo_Click();

    // Ticks (app/Ticks.cpp, app/Banner.cpp).
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Player path (app/PlayerPath.cpp).
    void cmdPath_Click();
    void txtPath_KeyPress(int KeyAscii);

    // Media file (app/MediaStaging.cpp).
    void cmdMp3File_Click();

protected:
    // Closing the window through the window system does what Exit does.
    void closeEvent(QCloseEvent *event) override;

private:
    // The key code txtPath_KeyPress acts on.
    static constexpr int kEnterKey = 13;

    // Run state (app/RunState.cpp).
    void SetIdleState();
    bool SetRunningState();
    // The media-file guard: "Play Mp3 File" chosen but no file picked.
    bool MediaFileMissing() const;
    void EnableMp3FileChoice();
    void DisableMp3FileChoice();

    // Mode layout (app/ModeSelection.cpp).
    void SetCounterMode();
    void SetTimerMode();

    // Starts the player as planned and, once it has settled, shows the
    // report, or what went wrong instead; then the window goes idle.
    void CommandPlayer(const std::variant<PlayerStart, PlayerStartProblem> &plan, const QString &report,
                       const QString &reportTitle);
    void EndTimeOut(const QString &failure);
    QString PlayerFailureText(const QString &player, int exitStatus, bool throughWine) const;
    QString PlayerProblemText(PlayerStartProblem problem) const;
    // Refuses a run with a player that certainly cannot be started; true when it refused.
    bool RefusedForThePlayer();

    // Applies the player file check to the dialog's choice and takes it
    // over; false when the size of the chosen file cannot be read.
    bool TakePlayerFromDialog();
    void ShowAbout();
    void Step(QLineEdit *field, qint16 (*stepping)(qint16));
    void StartCounterRun();
    void StartTimerRun();
    // Runs the media-file guard before a run is set up; true when it refused.
    bool RefusedByMediaGuard();
    bool RunConditionsHold(bool modeTicked) const;
    void PlaceBannerLabels();
    void StyleBanner();
    void ConnectHandlers();

    std::unique_ptr<Ui::frmMain> ui;
    Platform &m_platform;
    Module1 m_module;
    BannerCourse m_banner;
    IntervalTimer *Timer1;
    IntervalTimer *Timer2;
    IntervalTimer *Timer3;
    CommonDialog *cmd1;
    QPointer<frmAbout> m_about;
    SecondCounter m_countdownClock;
    QDateTime m_lastClockCheck;
};

} // namespace dozewell
