// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace dozewell {

// Stepping of the time fields, wrapping at both ends of the range. The wrap
// test comes first, so no value can leave the 16-bit range.
qint16 IncHours(qint16 value);
qint16 DecHours(qint16 value);
qint16 IncMinSec(qint16 value);
qint16 DecMinSec(qint16 value);

// The target time of a Timer Mode run: "HH:MM:SS", two digits each.
QString FormatHMS(qint16 hours, qint16 minutes, qint16 seconds);

// A field's text as a 16-bit whole number, rounded to the nearest, a half to
// the even neighbour. Nothing when the text is not a number or the number
// does not fit.
std::optional<qint16> FieldValue(const QString &text);

// A text as a number, blanks around it allowed; nothing when it is none.
std::optional<double> NumericValue(const QString &text);

// The plain decimal text a field shows.
QString FieldText(qint16 value);

} // namespace dozewell
