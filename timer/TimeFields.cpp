// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer/TimeFields.h"

#include <cmath>
#include <limits>

namespace dozewell {

namespace {
constexpr qint16 kLastHour = 23;
constexpr qint16 kLastMinSec = 59;

QString TwoDigits(qint16 value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}
} // namespace

qint16 IncHours(qint16 value)
{
    return value >= kLastHour ? 0 : value + 1;
}

qint16 DecHours(qint16 value)
{
    return value <= 0 ? kLastHour : value - 1;
}

qint16 IncMinSec(qint16 value)
{
    return value >= kLastMinSec ? 0 : value + 1;
}

qint16 DecMinSec(qint16 value)
{
    return value <= 0 ? kLastMinSec : value - 1;
}

QString FormatHMS(qint16 hours, qint16 minutes, qint16 seconds)
{
    return TwoDigits(hours) + QLatin1Char(':') + TwoDigits(minutes) + QLatin1Char(':') + TwoDigits(seconds);
}

std::optional<double> NumericValue(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<qint16> FieldValue(const QString &text)
{
    const std::optional<double> number = NumericValue(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // default rounding: a half to even
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString FieldText(qint16 value)
{
    return QString::number(value);
}

} // namespace dozewell
