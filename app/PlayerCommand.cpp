// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerCommand.h"

namespace dozewell {

namespace {
// Whether a program run briefly ended, or could not be started, in its time.
bool Answered(const BriefRun &run)
{
    return !run.started || run.outcome.ending != ProcessOutcome::Ending::StillRunning;
}

// What Wine's answer says of why it does not run here; a Wine too slow to
// answer says nothing.
std::optional<WineTrouble> TroubleOf(const QString &launcher, const BriefRun &answer)
{
    if (!Answered(answer))
        return std::nullopt;
    return WineTroubleOf(launcher, answer.started, answer.outcome.exitStatus, answer.outcome.signalName,
                         answer.errorOutput);
}
} // namespace

PlayerCommand::PlayerCommand(Platform &platform) : m_platform(platform) {}

void PlayerCommand::checkWine(const QString &player, const PlayerStart &start,
                              std::function<void(const QString &)> answered)
{
    askWine(start, [player, launcher = start.program, answered](const BriefRun &answer) {
        if (!Answered(answer))
            return answered(WineNoAnswerText(launcher));
        const std::optional<WineTrouble> trouble = TroubleOf(launcher, answer);
        answered(trouble ? WineDoesNotRunText(player, launcher, *trouble) : QString());
    });
}

void PlayerCommand::start(const QString &player, const PlayerStart &start,
                          std::function<void(const QString &)> settled)
{
    // What is told waits until the player has settled: a start that ends at
    // once with a failure did not reach the player, whatever the plan said.
    const bool started = m_platform.StartProcess(
        start.program, start.arguments, start.environment, kPlayerSettleMs, m_answers.get(),
        [this, player, start, settled](const ProcessOutcome &outcome) {
            // Still running, or handed its command to the player that runs.
            const bool tookIt = outcome.ending == ProcessOutcome::Ending::StillRunning
                                || (outcome.ending == ProcessOutcome::Ending::Exited && outcome.exitStatus == 0);
            if (tookIt)
                settled({});
            else
                reportEndedAtOnce(player, start, outcome, settled);
        });
    if (!started)
        settled(NotStartedText(player, start));
}

void PlayerCommand::reportEndedAtOnce(const QString &player, const PlayerStart &start, const ProcessOutcome &outcome,
                                      const std::function<void(const QString &)> &settled)
{
    const auto report = [player, start, outcome, settled](const std::optional<WineTrouble> &wine) {
        settled(EndedAtOnceText(player, start, outcome.exitStatus, outcome.signalName, wine));
    };
    if (!WineCanTellWhy(start, outcome.exitStatus, outcome.signalName))
        return report(std::nullopt);
    // Wine's own words on why it does not run, where it gives them.
    askWine(start, [report, launcher = start.program](const BriefRun &answer) { report(TroubleOf(launcher, answer)); });
}

void PlayerCommand::askWine(const PlayerStart &start, BriefRunDone answered)
{
    m_platform.RunBriefly(start.program, WineCheckArguments(), start.environment, kWineCheckMs, m_answers.get(),
                          std::move(answered));
}

} // namespace dozewell
