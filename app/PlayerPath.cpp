#include "app/CommonDialog.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/FileFunctions.h"
#include "player/PlayerCheck.h"
#include "ui_frmMain.h"

namespace dozewell {

void frmMain::cmdPath_Click()
{
    cmd1->FileName = m_module.PlayerPath;
    cmd1->Filter = texts::kExecutableFilter;
    // A Cancel, or a file whose size cannot be read: the player path stays as it was.
    if (cmd1->ShowOpen())
        TakePlayerFromDialog();
}

bool frmMain::TakePlayerFromDialog()
{
    // A pipe or a device named winamp.exe is refused like any other file.
    const std::optional<bool> passes =
        IsSpecialFile(cmd1->FileName) ? std::optional(false) : PassesPlayerFileCheck(cmd1->FileName);
    if (!passes)
        return false;
    if (*passes) {
        ui->txtPath->setText(cmd1->FileName);
        m_module.PlayerPath = cmd1->FileName;
    } else {
        m_platform.MsgBox(texts::kNotThePlayer, MsgIcon::Critical, texts::kErrorTitle);
    }
    return true;
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
