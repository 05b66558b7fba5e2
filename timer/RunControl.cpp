#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/IntervalTimer.h"
#include "platform/Platform.h"
#include "platform/RunTimeError.h"
#include "player/FileFunctions.h"
#include "timer/Countdown.h"
#include "timer/TimeFields.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
constexpr int kCountdownInterval = 1000;
constexpr int kBannerInterval = 25;
constexpr int kNoAction = -1;
constexpr int kMinutesPerHour = 60;
} // namespace

void frmMain::cmdStart_Click()
{
    try {
        const int action = ui->cmbWhatToDo->currentIndex();
        if ((!ui->chkUseCounter->isChecked() && !ui->chkUseTimer->isChecked()) || action == kNoAction) {
            m_platform.MsgBox(texts::kChooseAllOptions, MsgIcon::None, texts::kErrorTitle);
            return;
        }
        if (RunConditionsHold(ui->chkUseCounter->isChecked()))
            StartCounterRun();
        if (RunConditionsHold(ui->chkUseTimer->isChecked()))
            StartTimerRun();
    } catch (const RunTimeError &) {
        // Start ends silently on a run-time failure; what was done stays done.
    }
}

bool frmMain::RunConditionsHold(bool modeTicked) const
{
    const bool havePath = !ui->txtPath->text().isEmpty();
    const bool playerFound = FileExists(ui->txtPath->text()) == 1;
    const bool haveAction = ui->cmbWhatToDo->currentIndex() != kNoAction;
    return havePath && playerFound && haveAction && modeTicked;
}

void frmMain::StartCounterRun()
{
    const qint16 minutes = CounterMinutes(ui->txtHHCounter->text(), ui->txtMMCounter->text());
    if (minutes <= 0)
        return;
    if (RefusedByMediaGuard())
        return; // the countdown stays as it was
    MinutesLeft = minutes - 1;
    ui->lblTimer->setText(StartText(MinutesLeft, SecondsLeft));
    Timer1->setInterval(kCountdownInterval);
    m_countdownClock.restart(m_platform.MonotonicMs());
    Timer2->setInterval(kBannerInterval);
    ui->cmdPath->setEnabled(false);
    ui->txtPath->setEnabled(false);
    m_module.SetRunningState();
    m_module.DisableMp3FileChoice();
    setWindowTitle(texts::kCaptionRunning + ui->lblTimer->text());
}

bool frmMain::RefusedByMediaGuard()
{
    if (!m_module.MediaFileMissing())
        return false;
    m_module.SetRunningState(); // shows the refusal and changes nothing else
    return true;
}

void frmMain::StartTimerRun()
{
    const qint16 seconds = FieldValue(ui->txtSS->text());
    const qint16 minutes = FieldValue(ui->txtMM->text());
    const qint16 hours = FieldValue(ui->txtHH->text());
    // Checked before a target is armed: a clock tick that comes while the
    // refusal is open must not fire it.
    if (RefusedByMediaGuard())
        return;
    TargetTime = FormatHMS(hours, minutes, seconds);
    setWindowTitle(texts::kCaptionRunning + TargetTime);
    Timer2->setInterval(kBannerInterval);
    m_module.SetRunningState();
}

void frmMain::cmdStop_Click()
{
    ui->chkUseCounter->setEnabled(true);
    ui->chkUseTimer->setEnabled(true);
    if (ui->chkUseCounter->isChecked()) {
        ui->cmdPath->setEnabled(true);
        ui->txtPath->setEnabled(true);
        Timer1->setInterval(0);
        ++MinutesLeft;
        ui->txtHHCounter->setText(FieldText(static_cast<qint16>(MinutesLeft / kMinutesPerHour)));
        ui->txtMMCounter->setText(
            FieldText(static_cast<qint16>(MinutesLeft - FieldValue(ui->txtHHCounter->text()) * kMinutesPerHour)));
    }
    // A paused Timer Mode run must not fire later while the window stands idle.
    TargetTime.clear();
    m_module.SetIdleState();
    m_module.EnableMp3FileChoice();
}

void frmMain::cmbWhatToDo_Click()
{
    if (ui->cmbWhatToDo->currentIndex() == 1)
        m_module.EnableMp3FileChoice();
    else
        m_module.DisableMp3FileChoice();
}

} // namespace dozewell
