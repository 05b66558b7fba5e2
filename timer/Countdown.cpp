#include "timer/Countdown.h"

#include "platform/RunTimeError.h"

#include <cmath>
#include <limits>

namespace dozewell {

namespace {
constexpr quint8 kLastSecond = 59;
// A tick may come a hair before its whole second on the monotonic clock.
constexpr qint64 kEarlyTickMs = 50;

double NumericValue(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        throw RunTimeError(TypeMismatch, "Type mismatch");
    return number;
}

qint16 ToMinutes(double value)
{
    if (!(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()))
        throw RunTimeError(Overflow, "Overflow");
    return static_cast<qint16>(value);
}
} // namespace

bool TakeOneSecond(qint16 &minutesLeft, quint8 &secondsLeft)
{
    if (secondsLeft == 0) {
        secondsLeft = kLastSecond;
        --minutesLeft;
    } else {
        --secondsLeft;
    }
    return minutesLeft == kTimedOutMinutes;
}

qint16 CounterMinutes(const QString &hoursText, const QString &minutesText)
{
    qint16 minutes = ToMinutes(std::floor(NumericValue(hoursText)) * 60);
    const double extra = NumericValue(minutesText);
    if (extra != 0)
        minutes = ToMinutes(minutes + std::floor(extra));
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
