#include "app/Module1.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/IntervalTimer.h"
#include "platform/Platform.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
constexpr int kPlayAction = 1;
}

Module1::Module1(frmMain &form, Platform &platform) : form(form), platform(platform)
{
}

bool Module1::MediaFileMissing() const
{
    const auto &ui = *form.ui;
    return ui.cmbWhatToDo->currentIndex() == kPlayAction && ui.txtMp3FileName->text() == texts::kNoFileSelected;
}

bool Module1::SetRunningState()
{
    auto &ui = *form.ui;
    if (MediaFileMissing()) {
        form.Timer2->setInterval(0);
        form.setWindowTitle(texts::kCaption);
        platform.MsgBox(texts::kNoFileSelectedRefusal, MsgIcon::Critical, texts::kErrorTitle);
        return false;
    }
    ui.cmdStart->setVisible(false);
    ui.cmdStop->setVisible(true);
    ui.chkUseCounter->setEnabled(false);
    ui.chkUseTimer->setEnabled(false);
    ui.cmdPath->setEnabled(false);
    ui.cmdReset->setEnabled(false);
    ui.cmbWhatToDo->setEnabled(false);
    return true;
}

void Module1::SetIdleState()
{
    auto &ui = *form.ui;
    form.Timer2->setInterval(0);
    form.setWindowTitle(texts::kCaption);
    ui.cmdStop->setVisible(false);
    ui.cmdStart->setVisible(true);
    ui.cmdPath->setEnabled(true);
    ui.cmdReset->setEnabled(true);
    ui.cmbWhatToDo->setEnabled(true);
}

void Module1::EnableMp3FileChoice()
{
    auto &ui = *form.ui;
    if (ui.cmbWhatToDo->currentIndex() != kPlayAction)
        return;
    ui.wfrmMp3File->setEnabled(true);
    ui.txtMp3FileName->setEnabled(true);
    ui.cmdMp3File->setEnabled(true);
}

void Module1::DisableMp3FileChoice()
{
    auto &ui = *form.ui;
    ui.wfrmMp3File->setEnabled(false);
    ui.txtMp3FileName->setEnabled(false);
    ui.cmdMp3File->setEnabled(false);
}

} // namespace dozewell
