#include "app/Startup.h"

#include "app/CommonDialog.h"
#include "app/Texts.h"
#include "app/WindowPlacement.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/FileFunctions.h"
#include "player/Staging.h"
#include "timer/ClockWatch.h"
#include "ui_frmMain.h"

#include <algorithm>

namespace dozewell {

bool frmMain::Form_Load()
{
    SecondsLeft = 59;
    m_lastClockCheck = m_platform.Now();
    ui->lblTime->setText(TimeOfDayText(m_lastClockCheck.time()));
    BannerStep = -1;
    MinutesLeft = 0;
    m_module.StagedFile.clear();
    DeleteStagedFiles(m_platform.StagingFolder());

    const QStringList defaultPlayers = m_platform.DefaultPlayerPaths();
    const auto defaultPlayer = std::find_if(defaultPlayers.begin(), defaultPlayers.end(),
                                            [](const QString &path) { return FileExists(path) == 1; });
    if (defaultPlayer != defaultPlayers.end()) {
        m_module.PlayerPath = *defaultPlayer;
    } else {
        cmd1->FileName = m_module.PlayerPath;
        cmd1->Filter = texts::kExecutableFilter;
        cmd1->CancelError = true;
        if (!cmd1->ShowOpen() && cmd1->CancelError) {
            m_platform.EndProgram();
            return false;
        }
        if (!TakePlayerFromDialog())
            return true; // the sequence ends here; the window opens as it stands
    }
    ui->txtPath->setText(m_module.PlayerPath);
    return true;
}

bool StartUp(frmMain &form)
{
    if (!form.Form_Load())
        return false;
    CentreOnScreen(&form);
    form.show();
    return true;
}

} // namespace dozewell
