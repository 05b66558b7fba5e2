// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace dozewell {

// The variables Wine reads: the prefix to run in, and the debug channels.
inline constexpr auto kWinePrefixVariable = "WINEPREFIX";
inline constexpr auto kWineDebugVariable = "WINEDEBUG";
// The variable that names another Wine launcher than the "wine" in PATH.
inline constexpr auto kWineLauncherVariable = "DOZEWELL_WINE";

// Where Wine keeps the drives of a prefix: one link per drive letter,
// "<prefix>/dosdevices/c:" -> "../drive_c", "z:" -> "/".

// The file behind a Windows path in a Wine prefix, reached through the
// prefix's own drive link: "C:\Program Files\Winamp\winamp.exe" becomes
// "<prefix>/dosdevices/c:/Program Files/Winamp/winamp.exe".
QString PathInPrefix(const QString &prefix, const QString &windowsPath);

// The Wine prefix that holds `path`: the nearest folder above it with both
// drive_c and dosdevices in it; empty when there is none.
QString PrefixHolding(const QString &path);

// The Windows path of a file as a program in the prefix sees it, through the
// drive whose link target is the longest leading part of the path, with "\"
// separators ("Z:\home\you\.cache\dozewell-timer\QDX.mp3"). A prefix without
// drive links yet has Wine's default, Z: for "/". Nothing when no drive
// reaches the file.
std::optional<QString> WindowsPathIn(const QString &prefix, const QString &path);

// What kind of program a file is, from its first bytes: a native one (no
// "MZ" at the start), or a Windows one, 32-bit or 64-bit as its PE header
// says; Unknown when it starts with "MZ" but has no PE header that says.
enum class WindowsProgram { None, Bits32, Bits64, Unknown };
WindowsProgram WindowsProgramKind(const QString &path);

// Whether the Wine behind `launcher` can run 32-bit Windows programs, read
// from the libraries installed beside it: its 32-bit part lies in an
// "i386-windows" folder next to the "x86_64-windows" one of its 64-bit part.
// Nothing when the installation is laid out in a way this does not know (an
// older Wine, a wrapper script elsewhere): then only starting a program tells.
std::optional<bool> WineRuns32Bit(const QString &launcher);

} // namespace dozewell
