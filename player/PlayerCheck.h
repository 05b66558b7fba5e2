#pragma once

#include <QString>

namespace dozewell {

inline constexpr auto kPlayerFileName = "winamp.exe";
inline constexpr double kPlayerMinSize = 500000;  // exclusive
inline constexpr double kPlayerMaxSize = 1500000; // exclusive

// The player file check for a file chosen in the Open dialog: the name ends
// in "winamp.exe" in any letter case, and the size lies strictly between the
// two bounds. Every condition is evaluated, so a file whose size cannot be
// read throws RunTimeError whatever its name.
bool PassesPlayerFileCheck(const QString &fileName);

} // namespace dozewell
