#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/CommonDialog.h"
#include "platform/Platform.h"
#include "platform/RunTimeError.h"
#include "player/FileFunctions.h"
#include "player/PlayerCheck.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
constexpr int kEnterKey = 13;
}

void frmMain::cmdPath_Click()
{
    try {
        cmd1->FileName = m_module.PlayerPath;
        cmd1->Filter = texts::kExecutableFilter;
        if (!cmd1->ShowOpen())
            return;
        if (PassesPlayerFileCheck(cmd1->FileName)) {
            ui->txtPath->setText(cmd1->FileName);
            m_module.PlayerPath = cmd1->FileName;
        } else {
            m_platform.MsgBox(texts::kNotThePlayer, MsgIcon::Critical, texts::kErrorTitle);
        }
    } catch (const RunTimeError &) {
        // A Cancel, or a file whose size cannot be read: the player path stays as it was.
    }
}

void frmMain::txtPath_KeyPress(int KeyAscii)
{
    if (KeyAscii != kEnterKey)
        return;
    if (FileExists(ui->txtPath->text()) == 1)
        m_module.PlayerPath = ui->txtPath->text();
    else
        ui->txtPath->setText(m_module.PlayerPath);
}

} // namespace dozewell
