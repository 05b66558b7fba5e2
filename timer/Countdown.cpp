// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer/Countdown.h"

#include "timer/TimeFields.h"

#include <cmath>
#include <limits>

namespace dozewell {

namespace {
// A tick may come a hair before its whole second on the countdown's clock.
constexpr qint64 kEarlyTickMs = 50;

std::optional<qint16> ToMinutes(double value)
{
    if (!(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(value);
}
} // namespace

bool TakeOneSecond(qint16 &minutesLeft, quint8 &secondsLeft)
{
    if (secondsLeft == 0) {
        secondsLeft = kSecondsAtMinuteStart;
        --minutesLeft;
    } else {
        --secondsLeft;
    }
    return minutesLeft == kTimedOutMinutes;
}

qint64 SecondsToTimeOut(qint16 minutesLeft, quint8 secondsLeft)
{
    // The running minute's seconds down to 0, one more to wrap, then a full
    // minute for each one left.
    return qint64{secondsLeft} + 1 + qint64{minutesLeft} * 60;
}

std::optional<qint16> CounterMinutes(const QString &hoursText, const QString &minutesText)
{
    const std::optional<double> hours = NumericValue(hoursText);
    if (!hours)
        return std::nullopt;
    std::optional<qint16> minutes = ToMinutes(std::floor(*hours) * 60);
    const std::optional<double> extra = NumericValue(minutesText);
    if (!minutes || !extra)
        return std::nullopt;
    if (*extra != 0)
        minutes = ToMinutes(*minutes + std::floor(*extra));
    return minutes;
}

QString RemainingText(qint16 minutesLeft, quint8 secondsLeft)
{
    return QString::number(minutesLeft) + (secondsLeft < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
           + QString::number(secondsLeft);
}

QString StartText(qint16 minutesLeft, quint8 secondsLeft)
{
    return QString::number(minutesLeft) + QLatin1Char(':') + QString::number(secondsLeft);
}

void SecondCounter::restart(qint64 nowMs)
{
    m_startMs = nowMs;
    m_taken = 0;
}

int SecondCounter::take(qint64 nowMs)
{
    const qint64 due = (nowMs - m_startMs + kEarlyTickMs) / 1000;
    const qint64 fresh = qMax<qint64>(0, due - m_taken);
    m_taken += fresh;
    return static_cast<int>(qMin<qint64>(fresh, std::numeric_limits<int>::max()));
}

} // namespace dozewell
