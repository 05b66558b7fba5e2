#include "timer/ClockWatch.h"

#include <QLatin1StringView>

namespace dozewell {

namespace {
constexpr int kAfterSecondMs = 5;

QDateTime WholeSecond(const QDateTime &time)
{
    return time.addMSecs(-time.time().msec());
}
} // namespace

QString TimeOfDayText(const QTime &time)
{
    return time.toString(QLatin1StringView(kTimeOfDayFormat));
}

bool ClockReached(const QDateTime &previous, const QDateTime &now, const QString &target)
{
    if (target.isEmpty())
        return false;
    // Calendar seconds, not elapsed ones: 10:00:00.900 to 10:00:02.100 passes
    // through 10:00:01 although only 1.2 s went by.
    qint64 passed = previous.isValid() ? WholeSecond(previous).secsTo(WholeSecond(now)) : 1;
    passed = qBound<qint64>(1, passed, qint64{kClockLookBackSeconds});
    for (qint64 back = passed - 1; back >= 0; --back) {
        if (TimeOfDayText(now.addSecs(-back).time()) == target)
            return true;
    }
    return false;
}

int MsToNextSecond(const QTime &now)
{
    return 1000 - now.msec() + kAfterSecondMs;
}

} // namespace dozewell
