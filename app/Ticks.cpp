#include "app/IntervalTimer.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "timer/ClockWatch.h"
#include "timer/Countdown.h"
#include "ui_frmMain.h"

namespace dozewell {

void frmMain::Timer1_Timer()
{
    if (Timer1->Interval() == 0)
        return;
    // Normally one second; more when ticks came late or were dropped.
    const int seconds = m_countdownClock.take(m_platform.MonotonicMs());
    if (seconds == 0)
        return;
    bool timedOut = false;
    for (int i = 0; i < seconds && !timedOut; ++i)
        timedOut = TakeOneSecond(MinutesLeft, SecondsLeft);

    const QString remaining = RemainingText(MinutesLeft, SecondsLeft);
    ui->lblTimer->setText(remaining);
    setWindowTitle(texts::kCaptionRunning + remaining);
    if (timedOut) {
        Timer1->setInterval(0);
        SetIdleState();
        DoTimeOutAction();
    }
}

void frmMain::Timer3_Timer()
{
    const QDateTime now = m_platform.Now();
    ui->lblTime->setText(TimeOfDayText(now.time()));
    const bool reached = ClockReached(m_lastClockCheck, now, TargetTime);
    m_lastClockCheck = now;
    Timer3->delayNextTick(MsToNextSecond(now.time()));

    if (reached && ui->chkUseTimer->isChecked()) {
        // The time-out ends the Timer Mode run: it fires once per Start.
        TargetTime.clear();
        SetIdleState();
        DoTimeOutAction();
    }
}

} // namespace dozewell
