#include "app/frmMain.h"
#include "platform/Platform.h"
#include "timer/TimeFields.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
void SetEnabled(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
} // namespace

void frmMain::chkUseCounter_Click()
{
    if (!ui->chkUseCounter->isChecked())
        return;
    ui->chkUseTimer->setChecked(false);
    SetCounterMode();
    SetIdleState();
}

void frmMain::chkUseTimer_Click()
{
    if (!ui->chkUseTimer->isChecked())
        return;
    ui->chkUseCounter->setChecked(false);
    SetTimerMode();
    SetIdleState();
}

void frmMain::SetCounterMode()
{
    ui->chkUseCounter->setEnabled(false);
    ui->chkUseTimer->setEnabled(true);
    SetEnabled({ui->wfrmCounter, ui->wfrmTimeCounter, ui->lblTimer, ui->lblHH, ui->lblMM, ui->txtHHCounter,
                ui->txtMMCounter, ui->cmdReset, ui->cmdLessHHCounter, ui->cmdLessMMCounter, ui->cmdMoreHHCounter,
                ui->cmdMoreMMCounter},
               true);
    SetEnabled({ui->wfrmTimeTimer, ui->lblTime, ui->wfrmTimer, ui->lblHHTimer, ui->lblMMTimer, ui->lblSSTimer,
                ui->txtHH, ui->txtMM, ui->txtSS, ui->cmdLessHH, ui->cmdLessMM, ui->cmdLessSS, ui->cmdMoreHH,
                ui->cmdMoreMM, ui->cmdMoreSS},
               false);
}

void frmMain::SetTimerMode()
{
    ui->chkUseTimer->setEnabled(false);
    ui->chkUseCounter->setEnabled(true);
    SetEnabled({ui->wfrmTimer, ui->wfrmTimeTimer, ui->lblTime, ui->lblHHTimer, ui->lblMMTimer, ui->lblSSTimer,
                ui->txtHH, ui->txtMM, ui->txtSS, ui->cmdLessHH, ui->cmdLessMM, ui->cmdLessSS, ui->cmdMoreHH,
                ui->cmdMoreMM, ui->cmdMoreSS},
               true);
    ui->txtHH->setText(FieldText(static_cast<qint16>(m_platform.Now().time().hour())));
    ui->txtMM->setText(FieldText(static_cast<qint16>(m_platform.Now().time().minute())));
    ui->txtSS->setText(FieldText(static_cast<qint16>(m_platform.Now().time().second())));
    SetEnabled({ui->wfrmCounter, ui->wfrmTimeCounter, ui->lblTimer, ui->lblHH, ui->lblMM, ui->txtHHCounter,
                ui->txtMMCounter, ui->cmdLessHHCounter, ui->cmdLessMMCounter, ui->cmdMoreHHCounter,
                ui->cmdMoreMMCounter, ui->cmdReset},
               false);
}

} // namespace dozewell
