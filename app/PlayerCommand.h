// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "player/CommandLine.h"
#include "player/StartFailures.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace dozewell {

// The player's start as the window asks for it, through the platform and in
// the player layer's words, never waiting: Start's question to the Wine that
// will start the player, and the start at the time-out with what it tells.
// Answers come from the event loop until the program ends.
class PlayerCommand {
public:
    explicit PlayerCommand(Platform &platform);

    // Asks the Wine of `start` whether it runs on this computer; `answered`
    // gets Start's refusal of `player`, or an empty text when Wine runs.
    void checkWine(const QString &player, const PlayerStart &start, std::function<void(const QString &)> answered);

    // Starts the player; once it has settled, `settled` gets what went wrong,
    // or an empty text when it took the command.
    void start(const QString &player, const PlayerStart &start, std::function<void(const QString &)> settled);

    // The program ends: nothing more is told.
    void endProgram() { m_answers.reset(); }

private:
    void askWine(const PlayerStart &start, BriefRunDone answered);
    void reportEndedAtOnce(const QString &player, const PlayerStart &start, const ProcessOutcome &outcome,
                           const std::function<void(const QString &)> &settled);

    Platform &m_platform;
    std::unique_ptr<QObject> m_answers = std::make_unique<QObject>();
};

} // namespace dozewell
