// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer/ClockWatch.h"

#include <QLatin1StringView>

namespace dozewell {

namespace {
constexpr int kAfterSecondMs = 5;
constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
// How far the wall clock may drift from the elapsed time between two ticks
// before it counts as set by someone.
constexpr qint64 kClocksAgreeMs = 1000;

QDateTime WholeSecond(const QDateTime &time)
{
    return time.addMSecs(-time.time().msec());
}
} // namespace

QString TimeOfDayText(const QTime &time)
{
    return time.toString(QLatin1StringView(kTimeOfDayFormat));
}

bool ClockReached(const QDateTime &previous, const QDateTime &now, qint64 passedMs, const QString &target)
{
    // Only the text of a time of day can ever be shown.
    const QTime wanted = QTime::fromString(target, QLatin1StringView(kTimeOfDayFormat));
    if (target.isEmpty() || TimeOfDayText(wanted) != target)
        return false;
    QDateTime from = now.addMSecs(-qMax<qint64>(0, passedMs));
    if (previous.isValid() && qAbs(previous.msecsTo(from)) <= kClocksAgreeMs)
        from = previous; // exactly where the previous tick left off
    // Calendar seconds, not elapsed ones: 10:00:00.900 to 10:00:02.100 passes
    // through 10:00:01 although only 1.2 s went by.
    from = WholeSecond(from);
    const QDateTime to = WholeSecond(now);
    const qint64 seconds = qMax<qint64>(1, from.secsTo(to));
    if (seconds >= kSecondsPerDay)
        return true;
    if (from.offsetFromUtc() == to.offsetFromUtc()) {
        // The clock showed one stretch of the day: the target is among its
        // seconds when the clock last showed it less than `seconds` ago.
        const qint64 ago = (to.time().msecsSinceStartOfDay() - wanted.msecsSinceStartOfDay()) / 1000;
        return (ago + kSecondsPerDay) % kSecondsPerDay < seconds;
    }
    // Summer time began or ended meanwhile: second by second, as the clock
    // showed them (rarely, and less than a day of them).
    for (qint64 back = seconds - 1; back >= 0; --back) {
        if (TimeOfDayText(to.addSecs(-back).time()) == target)
            return true;
    }
    return false;
}

int MsToNextSecond(const QTime &now)
{
    return 1000 - now.msec() + kAfterSecondMs;
}

} // namespace dozewell
