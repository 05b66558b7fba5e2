#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "platform/PlatformValues.h"
#include "player/CommandLine.h"
#include "player/WinePaths.h"
#include "ui_frmMain.h"

#include <QDir>
#include <variant>

namespace dozewell {

void frmMain::DoTimeOutAction()
{
    switch (ui->cmbWhatToDo->currentIndex()) {
    case StopPlayer:
        CommandPlayer(PlanStopStart(m_module.PlayerPath, m_platform.Wine()), texts::kStopReport,
                      texts::kStopReportTitle);
        break;
    case PlayStagedFile:
        // The report names the file the player was handed a copy of, even
        // when a later Cancel of the picker has emptied the window's box.
        CommandPlayer(PlanPlayStart(m_module.PlayerPath, m_module.StagedFile, m_platform.Wine()),
                      texts::kPlayReportPrefix + m_module.StagedFrom + texts::kPlayReportSuffix,
                      texts::kPlayReportTitle);
        break;
    default:
        break;
    }
}

void frmMain::CommandPlayer(const std::variant<PlayerStart, PlayerStartProblem> &plan, const QString &report,
                            const QString &reportTitle)
{
    const auto *start = std::get_if<PlayerStart>(&plan);
    if (!start) {
        EndTimeOut(PlayerProblemText(std::get<PlayerStartProblem>(plan)));
        return;
    }
    // The report waits until the player has settled: a start that ends at
    // once with a failure did not reach the player, whatever the plan said.
    const QString player = QDir::toNativeSeparators(m_module.PlayerPath);
    const bool throughWine = start->throughWine;
    const bool started = m_platform.StartProcess(
        start->program, start->arguments, start->environment, kPlayerSettleMs, this,
        [this, player, throughWine, report, reportTitle](std::optional<int> exitStatus) {
            if (exitStatus.value_or(0) == 0) {
                m_platform.MsgBox(report, MsgIcon::None, reportTitle);
                EndTimeOut({});
            } else {
                EndTimeOut(PlayerFailureText(player, *exitStatus, throughWine));
            }
        });
    if (!started)
        EndTimeOut(throughWine ? texts::kWineNotStarted.arg(player, QDir::toNativeSeparators(start->program))
                               : texts::kPlayerNotStarted.arg(player));
}

void frmMain::EndTimeOut(const QString &failure)
{
    if (!failure.isEmpty())
        m_platform.MsgBox(failure, MsgIcon::Critical, texts::kErrorTitle);
    // A run the user started while the player settled goes on.
    if (ui->cmdStop->isHidden())
        SetIdleState();
}

QString frmMain::PlayerFailureText(const QString &player, int exitStatus, bool throughWine) const
{
    QString text = texts::kPlayerFailed.arg(player).arg(exitStatus);
    if (!throughWine)
        return text;
    switch (WineFailureOf(exitStatus)) {
    case WineFailure::NoProgram:
        return text + QLatin1Char(' ') + texts::kWineNoProgram;
    case WineFailure::NotLoaded:
        text += QLatin1Char(' ') + texts::kWineNotLoaded;
        if (WindowsProgramKind(m_module.PlayerPath) == WindowsProgram::Bits32)
            text += QStringLiteral("\n\n") + texts::kNoWine32BitPartHint.arg(texts::kInstallWine32BitPart);
        return text;
    case WineFailure::Other:
        return text;
    }
    return text;
}

QString frmMain::PlayerProblemText(PlayerStartProblem problem) const
{
    const QString player = QDir::toNativeSeparators(m_module.PlayerPath);
    const bool bits32 = WindowsProgramKind(m_module.PlayerPath) == WindowsProgram::Bits32;
    switch (problem) {
    case PlayerStartProblem::NoWine:
        return texts::kNoWine.arg(player, bits32 ? texts::kInstallWineWith32BitPart : texts::kInstallWine,
                                  QLatin1String(kWineLauncherVariable));
    case PlayerStartProblem::NoWine32BitPart:
        return texts::kNoWine32BitPart.arg(player, m_platform.Wine().launcher, texts::kInstallWine32BitPart);
    case PlayerStartProblem::FileOnNoDrive:
        break;
    }
    return texts::kFileOnNoDrive.arg(QDir::toNativeSeparators(m_module.StagedFile), player);
}

bool frmMain::RefusedForThePlayer()
{
    // Only what certainly fails is refused here; the watch of the started
    // player catches the rest at the time-out.
    const auto plan = PlanStopStart(m_module.PlayerPath, m_platform.Wine());
    const auto *problem = std::get_if<PlayerStartProblem>(&plan);
    if (!problem)
        return false;
    m_platform.MsgBox(PlayerProblemText(*problem), MsgIcon::Critical, texts::kErrorTitle);
    return true;
}

} // namespace dozewell
