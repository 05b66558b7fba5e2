#pragma once

#include <QDateTime>
#include <QString>

namespace dozewell {

// The time-of-day text, everywhere it is shown or compared: 24-hour
// "HH:mm:ss", two digits each.
inline constexpr auto kTimeOfDayFormat = "HH:mm:ss";
QString TimeOfDayText(const QTime &time);

// The most seconds a late clock tick looks back; a larger jump of the clock
// (a suspend, a change of the system time) does not fire a missed target.
inline constexpr int kClockLookBackSeconds = 5;

// True when the time-of-day text of any second after `previous` up to and
// including `now` equals `target`, looking back at most
// kClockLookBackSeconds. With the clock standing or moving back only `now`
// is compared. The comparison is a plain text comparison.
bool ClockReached(const QDateTime &previous, const QDateTime &now, const QString &target);

// Milliseconds from `now` to just after the next whole second, where the
// clock tick is aimed.
int MsToNextSecond(const QTime &now);

} // namespace dozewell
