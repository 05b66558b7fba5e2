#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/CommandLine.h"
#include "ui_frmMain.h"

#include <QDir>

namespace dozewell {

void frmMain::DoTimeOutAction()
{
    switch (ui->cmbWhatToDo->currentIndex()) {
    case StopPlayer:
        if (StartPlayer(StopArguments()))
            m_platform.MsgBox(texts::kStopReport, MsgIcon::None, texts::kStopReportTitle);
        SetIdleState();
        break;
    case PlayStagedFile:
        // The report names the file the player was handed a copy of, even
        // when a later Cancel of the picker has emptied the window's box.
        if (StartPlayer(PlayArguments(m_module.StagedFile)))
            m_platform.MsgBox(texts::kPlayReportPrefix + m_module.StagedFrom + texts::kPlayReportSuffix,
                              MsgIcon::None, texts::kPlayReportTitle);
        SetIdleState();
        break;
    default:
        break;
    }
}

bool frmMain::StartPlayer(const QStringList &arguments)
{
    if (m_platform.StartProcess(m_module.PlayerPath, arguments))
        return true;
    m_platform.MsgBox(texts::kPlayerNotStarted.arg(QDir::toNativeSeparators(m_module.PlayerPath)),
                      MsgIcon::Critical, texts::kErrorTitle);
    return false;
}

} // namespace dozewell
