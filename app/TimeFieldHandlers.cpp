#include "app/Texts.h"
#include "app/frmMain.h"
#include "timer/TimeFields.h"
#include "ui_frmMain.h"

namespace dozewell {

void frmMain::Step(QLineEdit *field, qint16 (*stepping)(qint16))
{
    if (const std::optional<qint16> value = FieldValue(field->text()))
        field->setText(FieldText(stepping(*value)));
}

void frmMain::cmdMoreHHCounter_Click() { Step(ui->txtHHCounter, IncHours); }
void frmMain::cmdLessHHCounter_Click() { Step(ui->txtHHCounter, DecHours); }
void frmMain::cmdMoreMMCounter_Click() { Step(ui->txtMMCounter, IncMinSec); }
void frmMain::cmdLessMMCounter_Click() { Step(ui->txtMMCounter, DecMinSec); }
void frmMain::cmdMoreHH_Click() { Step(ui->txtHH, IncHours); }
void frmMain::cmdLessHH_Click() { Step(ui->txtHH, DecHours); }
void frmMain::cmdMoreMM_Click() { Step(ui->txtMM, IncMinSec); }
void frmMain::cmdLessMM_Click() { Step(ui->txtMM, DecMinSec); }
void frmMain::cmdMoreSS_Click() { Step(ui->txtSS, IncMinSec); }
void frmMain::cmdLessSS_Click() { Step(ui->txtSS, DecMinSec); }

void frmMain::cmdReset_Click()
{
    MinutesLeft = 0;
    // A fresh countdown, as at start-up: the first counted minute lasts a full minute.
    SecondsLeft = 59;
    ui->txtHHCounter->setText(texts::kZero);
    ui->txtMMCounter->setText(texts::kZero);
    ui->lblTimer->setText(texts::kCountdownAtRest);
}

} // namespace dozewell
