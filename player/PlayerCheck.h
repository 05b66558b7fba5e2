// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace dozewell {

inline constexpr auto kPlayerFileName = "winamp.exe";
inline constexpr double kPlayerMinSize = 500000;  // exclusive
inline constexpr double kPlayerMaxSize = 1500000; // exclusive

// The player file check for a file chosen in the Open dialog: the name ends
// in "winamp.exe" in any letter case, and the size lies strictly between the
// two bounds. A file whose size cannot be read gives no verdict, whatever
// its name: the caller treats that as a failure of its own, not as a file
// that failed the check.
std::optional<bool> PassesPlayerFileCheck(const QString &fileName);

} // namespace dozewell
