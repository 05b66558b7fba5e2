// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace dozewell {

// The time-of-day text, everywhere it is shown or compared: 24-hour
// "HH:mm:ss", two digits each.
inline constexpr auto kTimeOfDayFormat = "HH:mm:ss";
QString TimeOfDayText(const QTime &time);

// True when the time-of-day text of a second the clock passed since the
// previous tick, at `previous`, equals `target`; `passedMs` is the time that
// really passed since then, on a clock that counts a suspend. Every second
// that really passed counts, however late the tick (the program stalled, the
// computer slept): the seconds after `previous` up to and including `now`
// while the wall clock moved with the time, and only the last `passedMs` of
// them when someone set it, so that seconds it skipped never fire. `now`
// itself is always compared, and a look-back of a day or more holds every
// time of day. The comparison is a plain text comparison.
bool ClockReached(const QDateTime &previous, const QDateTime &now, qint64 passedMs, const QString &target);

// Milliseconds from `now` to just after the next whole second, where the
// clock tick is aimed.
int MsToNextSecond(const QTime &now);

} // namespace dozewell
