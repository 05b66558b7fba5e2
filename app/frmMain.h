#pragma once

#include "app/BannerCourse.h"
#include "app/Module1.h"
#include "timer/Countdown.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <memory>

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
// form-level values below hold the rest.
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
    BannerCourse &banner() { return m_banner; }
    frmAbout *aboutWindow() const;

    // Gives the keyboard focus to the first usable control in the focus order.
    void FocusFirstControl();

public slots:
    // Start-up (app/Startup.cpp).
    void Form_Load();

    // The window itself (app/frmMain.cpp).
    void cmdHide_Click();
    void cmdClose_Click();
    void cmdAbout_Click();
    void imgLogo1_Click();
    void imgLogo2_Click();

    // Time fields (timer/TimeFieldHandlers.cpp).
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

    // Modes (timer/ModeSelection.cpp).
    void chkUseCounter_Click();
    void chkUseTimer_Click();

    // Run control (timer/RunControl.cpp).
    void cmdStart_Click();
    void cmdStop_Click();
    void cmbWhatToDo_Click();

    // Ticks (timer/Ticks.cpp, app/Banner.cpp).
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // Player path (player/PlayerPath.cpp).
    void cmdPath_Click();
    void txtPath_KeyPress(int KeyAscii);

    // Media file (player/MediaStaging.cpp).
    void cmdMp3File_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Closing the window through the window system does what Exit does.
    void closeEvent(QCloseEvent *event) override;

private:
    friend class Module1;

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
