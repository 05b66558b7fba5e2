#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "platform/PlatformValues.h"
#include "player/CommandLine.h"
#include "ui_frmMain.h"

#include <QDir>
#include <variant>

namespace dozewell {

void frmMain::DoTimeOutAction()
{
    switch (ui->cmbWhatToDo->currentIndex()) {
    case StopPlayer:
        if (StartPlayer(PlanStopStart(m_module.PlayerPath, wine())))
            m_platform.MsgBox(texts::kStopReport, MsgIcon::None, texts::kStopReportTitle);
        SetIdleState();
        break;
    case PlayStagedFile:
        // The report names the file the player was handed a copy of, even
        // when a later Cancel of the picker has emptied the window's box.
        if (StartPlayer(PlanPlayStart(m_module.PlayerPath, m_module.StagedFile, wine())))
            m_platform.MsgBox(texts::kPlayReportPrefix + m_module.StagedFrom + texts::kPlayReportSuffix,
                              MsgIcon::None, texts::kPlayReportTitle);
        SetIdleState();
        break;
    default:
        break;
    }
}

WineSetup frmMain::wine() const
{
    return {m_platform.WineLauncher(), m_platform.WinePrefix()};
}

bool frmMain::StartPlayer(const std::variant<PlayerStart, PlayerStartProblem> &plan)
{
    const QString player = QDir::toNativeSeparators(m_module.PlayerPath);
    QString failure;
    if (const auto *start = std::get_if<PlayerStart>(&plan)) {
        QStringList environment;
        if (!start->winePrefix.isEmpty())
            environment << QLatin1String(kWinePrefixVariable) + QLatin1Char('=') + start->winePrefix;
        if (m_platform.StartProcess(start->program, start->arguments, environment))
            return true;
        failure = start->throughWine ? texts::kWineNotStarted.arg(player, QDir::toNativeSeparators(start->program))
                                     : texts::kPlayerNotStarted.arg(player);
    } else if (std::get<PlayerStartProblem>(plan) == PlayerStartProblem::NoWineLauncher) {
        failure = texts::kNoWine.arg(player, QLatin1String(kWineLauncherVariable));
    } else {
        failure = texts::kFileOnNoDrive.arg(QDir::toNativeSeparators(m_module.StagedFile), player);
    }
    m_platform.MsgBox(failure, MsgIcon::Critical, texts::kErrorTitle);
    return false;
}

} // namespace dozewell
