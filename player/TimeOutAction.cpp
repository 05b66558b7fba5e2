#include "app/Module1.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/CommandLine.h"
#include "ui_frmMain.h"

#include <QDir>

namespace dozewell {

namespace {
enum Action { StopPlayer = 0, PlayStagedFile = 1 };
}

void Module1::DoTimeOutAction()
{
    switch (form.ui->cmbWhatToDo->currentIndex()) {
    case StopPlayer:
        if (StartPlayer(StopArguments()))
            platform.MsgBox(texts::kStopReport, MsgIcon::None, texts::kStopReportTitle);
        SetIdleState();
        break;
    case PlayStagedFile:
        if (StartPlayer(PlayArguments(StagedFile)))
            platform.MsgBox(texts::kPlayReportPrefix + form.ui->txtMp3FileName->text() + texts::kPlayReportSuffix,
                            MsgIcon::None, texts::kPlayReportTitle);
        SetIdleState();
        break;
    default:
        break;
    }
}

bool Module1::StartPlayer(const QStringList &arguments)
{
    if (platform.StartProcess(PlayerPath, arguments))
        return true;
    platform.MsgBox(texts::kPlayerNotStarted.arg(QDir::toNativeSeparators(PlayerPath)), MsgIcon::Critical,
                    texts::kErrorTitle);
    return false;
}

} // namespace dozewell
