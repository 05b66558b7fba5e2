#include "app/Startup.h"

#include "app/Texts.h"
#include "app/WindowPlacement.h"
#include "app/frmMain.h"
#include "platform/CommonDialog.h"
#include "platform/Platform.h"
#include "platform/RunTimeError.h"
#include "player/FileFunctions.h"
#include "player/PlayerCheck.h"
#include "timer/ClockWatch.h"
#include "ui_frmMain.h"

namespace dozewell {

void frmMain::Form_Load()
{
    try {
        SecondsLeft = 59;
        m_lastClockCheck = m_platform.Now();
        ui->lblTime->setText(TimeOfDayText(m_lastClockCheck.time()));
        BannerStep = -1;
        MinutesLeft = 0;
        m_module.StagedFile.clear();
        m_module.DeleteStagedFiles();

        const QString defaultPlayer = m_platform.DefaultPlayerPath();
        if (FileExists(defaultPlayer) == 1) {
            m_module.PlayerPath = defaultPlayer;
        } else {
            cmd1->FileName = m_module.PlayerPath;
            cmd1->Filter = texts::kExecutableFilter;
            cmd1->CancelError = true;
            cmd1->ShowOpen();
            if (PassesPlayerFileCheck(cmd1->FileName)) {
                ui->txtPath->setText(cmd1->FileName);
                m_module.PlayerPath = cmd1->FileName;
            } else {
                m_platform.MsgBox(texts::kNotThePlayer, MsgIcon::Critical, texts::kErrorTitle);
            }
        }
        ui->txtPath->setText(m_module.PlayerPath);
    } catch (const RunTimeError &error) {
        if (error.number() == CancelError)
            m_platform.EndProgram();
        // Any other failure ends the sequence where it happened; the window opens as it stands.
    }
}

bool StartUp(frmMain &form, Platform &platform)
{
    form.Form_Load();
    if (platform.ProgramEnded())
        return false;
    CentreOnScreen(&form);
    form.show();
    return true;
}

} // namespace dozewell
