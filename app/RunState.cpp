#include "app/IntervalTimer.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "ui_frmMain.h"

namespace dozewell {

bool frmMain::MediaFileMissing() const
{
    return ui->cmbWhatToDo->currentIndex() == PlayStagedFile && !m_module.MediaFileChosen;
}

bool frmMain::SetRunningState()
{
    if (MediaFileMissing()) {
        Timer2->setInterval(0);
        setWindowTitle(texts::kCaption);
        m_platform.MsgBox(texts::kNoFileSelectedRefusal, MsgIcon::Critical, texts::kErrorTitle);
        return false;
    }
    ui->cmdStart->setVisible(false);
    ui->cmdStop->setVisible(true);
    ui->chkUseCounter->setEnabled(false);
    ui->chkUseTimer->setEnabled(false);
    ui->cmdPath->setEnabled(false);
    ui->cmdReset->setEnabled(false);
    ui->cmbWhatToDo->setEnabled(false);
    return true;
}

void frmMain::SetIdleState()
{
    Timer2->setInterval(0);
    setWindowTitle(texts::kCaption);
    ui->cmdStop->setVisible(false);
    ui->cmdStart->setVisible(true);
    ui->cmdPath->setEnabled(true);
    ui->cmdReset->setEnabled(true);
    ui->cmbWhatToDo->setEnabled(true);
}

void frmMain::EnableMp3FileChoice()
{
    if (ui->cmbWhatToDo->currentIndex() != PlayStagedFile)
        return;
    ui->wfrmMp3File->setEnabled(true);
    ui->txtMp3FileName->setEnabled(true);
    ui->cmdMp3File->setEnabled(true);
}

void frmMain::DisableMp3FileChoice()
{
    ui->wfrmMp3File->setEnabled(false);
    ui->txtMp3FileName->setEnabled(false);
    ui->cmdMp3File->setEnabled(false);
}

} // namespace dozewell
