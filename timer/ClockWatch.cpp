#include "timer/ClockWatch.h"

#include <QLatin1StringView>

namespace dozewell {

namespace {
constexpr int kAfterSecondMs = 5;
}

QString TimeOfDayText(const QTime &time)
{
    return time.toString(QLatin1StringView(kTimeOfDayFormat));
}

bool ClockReached(const QDateTime &previous, const QDateTime &now, const QString &target)
{
    if (target.isEmpty())
        return false;
    qint64 passed = previous.isValid() ? previous.secsTo(now) : 1;
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
