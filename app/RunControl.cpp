#include "app/IntervalTimer.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/FileFunctions.h"
#include "timer/Countdown.h"
#include "timer/TimeFields.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
constexpr int kCountdownInterval = 1000;
constexpr int kBannerInterval = 25;
constexpr int kMinutesPerHour = 60;
} // namespace

void frmMain::cmdStart_Click()
{
    // The run is checked against the player the time-out will start; a path
    // typed without Enter was never taken over.
    ui->txtPath->setText(m_module.PlayerPath);
    if ((!ui->chkUseCounter->isChecked() && !ui->chkUseTimer->isChecked())
        || ui->cmbWhatToDo->currentIndex() == NoAction) {
        m_platform.MsgBox(texts::kChooseAllOptions, MsgIcon::None, texts::kErrorTitle);
        return;
    }
    if (RunConditionsHold(ui->chkUseCounter->isChecked()))
        StartCounterRun();
    if (RunConditionsHold(ui->chkUseTimer->isChecked()))
        StartTimerRun();
}

bool frmMain::RunConditionsHold(bool modeTicked) const
{
    const bool playerFound = FileExists(m_module.PlayerPath) == 1;
    const bool haveAction = ui->cmbWhatToDo->currentIndex() != NoAction;
    return playerFound && haveAction && modeTicked;
}

void frmMain::StartCounterRun()
{
    // Fields that hold no number end Start silently.
    const std::optional<qint16> minutes = CounterMinutes(ui->txtHHCounter->text(), ui->txtMMCounter->text());
    if (!minutes || *minutes <= 0)
        return;
    if (RefusedForThePlayer() || RefusedByMediaGuard())
        return; // the countdown stays as it was
    MinutesLeft = *minutes - 1;
    ui->lblTimer->setText(StartText(MinutesLeft, SecondsLeft));
    Timer1->setInterval(kCountdownInterval);
    m_countdownClock.restart(m_platform.MonotonicMs());
    Timer2->setInterval(kBannerInterval);
    ui->cmdPath->setEnabled(false);
    ui->txtPath->setEnabled(false);
    SetRunningState();
    DisableMp3FileChoice();
    setWindowTitle(texts::kCaptionRunning + ui->lblTimer->text());
}

bool frmMain::RefusedByMediaGuard()
{
    if (!MediaFileMissing())
        return false;
    SetRunningState(); // shows the refusal and changes nothing else
    return true;
}

void frmMain::StartTimerRun()
{
    const std::optional<qint16> seconds = FieldValue(ui->txtSS->text());
    const std::optional<qint16> minutes = FieldValue(ui->txtMM->text());
    const std::optional<qint16> hours = FieldValue(ui->txtHH->text());
    if (!seconds || !minutes || !hours)
        return;
    // Checked before a target is armed: a clock tick that comes while the
    // refusal is open must not fire it.
    if (RefusedForThePlayer() || RefusedByMediaGuard())
        return;
    TargetTime = FormatHMS(*hours, *minutes, *seconds);
    setWindowTitle(texts::kCaptionRunning + TargetTime);
    Timer2->setInterval(kBannerInterval);
    SetRunningState();
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
        const auto hours = static_cast<qint16>(MinutesLeft / kMinutesPerHour);
        ui->txtHHCounter->setText(FieldText(hours));
        ui->txtMMCounter->setText(FieldText(static_cast<qint16>(MinutesLeft - hours * kMinutesPerHour)));
    }
    // A paused Timer Mode run must not fire later while the window stands idle.
    TargetTime.clear();
    SetIdleState();
    EnableMp3FileChoice();
}

void frmMain::cmbWhatToDo_Click()
{
    if (ui->cmbWhatToDo->currentIndex() == PlayStagedFile)
        EnableMp3FileChoice();
    else
        DisableMp3FileChoice();
}

} // namespace dozewell
