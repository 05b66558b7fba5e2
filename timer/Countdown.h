// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace dozewell {

// The value the countdown's minutes reach at the time-out.
inline constexpr qint16 kTimedOutMinutes = -1;
// The seconds of a counted minute at its start, from which they count down.
inline constexpr quint8 kSecondsAtMinuteStart = 59;
// The countdown's display while no countdown is set.
inline const QString kCountdownAtRest = QStringLiteral("0:00");

// Takes one second off the Counter Mode countdown (whole minutes after the
// running one, seconds left in the running one): the seconds run 59 down to 0,
// and from 0 back to 59 with a minute less. Returns true on the time-out.
bool TakeOneSecond(qint16 &minutesLeft, quint8 &secondsLeft);
// The seconds TakeOneSecond takes from there to the time-out.
qint64 SecondsToTimeOut(qint16 minutesLeft, quint8 secondsLeft);

// Counter Mode's minutes from the hour and minute field texts: whole parts,
// rounded toward minus infinity. Nothing when a text is not a number or the
// minutes do not fit in 16 bits.
std::optional<qint16> CounterMinutes(const QString &hoursText, const QString &minutesText);

// "29:59", "4:05", "0:01", "-1:59".
QString RemainingText(qint16 minutesLeft, quint8 secondsLeft);
// The display right after Start: minutes and seconds as plain numbers ("4:5").
QString StartText(qint16 minutesLeft, quint8 secondsLeft);

// Whole seconds passed on a clock that counts a suspend, so that neither a
// late or dropped tick nor the computer's sleep stretches the countdown.
class SecondCounter {
public:
    void restart(qint64 nowMs);
    // Whole seconds since the last call (normally 1), counted from restart.
    int take(qint64 nowMs);

private:
    qint64 m_startMs = 0;
    qint64 m_taken = 0;
};

} // namespace dozewell
