#pragma once

#include <QString>
#include <optional>

namespace dozewell {

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

// True for a Windows executable: the file starts with the two bytes "MZ".
bool IsWindowsExecutable(const QString &path);

} // namespace dozewell
