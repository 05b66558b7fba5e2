// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/CommandLine.h"

#include <QString>
#include <optional>

namespace dozewell {

// The words for each way the player's start can fail, in the user's
// language: Start's refusals, and the reports at the time-out. `player` is
// the player's path as the user chose it. A program that ended did so with
// `exitStatus`, or by a signal when `signalName` (as the system names it:
// "Segmentation fault") is not empty.

// A start that the plan rules out.
QString PlanProblemText(PlayerStartProblem problem, const QString &player, const QString &stagedFile,
                        const WineSetup &wine);

// A start that could not be made at all.
QString NotStartedText(const QString &player, const PlayerStart &start);

// Why the Wine that starts the player does not run on this computer, though
// its files are there: what it said, or how it ended, and what to do.
struct WineTrouble {
    QString said;
    QString whatToDo;
};

// What Wine's answer to its check (WineCheckArguments) says: nothing when it
// ended with status 0. `started` is false when it could not be started; its
// `errorOutput` then says why.
std::optional<WineTrouble> WineTroubleOf(const QString &launcher, bool started, int exitStatus,
                                         const QString &signalName, const QString &errorOutput);

// Start's refusal of a player whose Wine does not run here.
QString WineDoesNotRunText(const QString &player, const QString &launcher, const WineTrouble &trouble);

// Start's refusal when Wine gave no answer within kWineCheckMs.
QString WineNoAnswerText(const QString &launcher);

// Whether Wine's own answer can tell more about a start through it that
// ended at once so; Wine's status says enough where it names the cause.
bool WineCanTellWhy(const PlayerStart &start, int exitStatus, const QString &signalName);

// A start that ended at once with a failure, with what Wine's answer said
// when it was asked.
QString EndedAtOnceText(const QString &player, const PlayerStart &start, int exitStatus, const QString &signalName,
                        const std::optional<WineTrouble> &wine);

} // namespace dozewell
