// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace dozewell {

// 1 when `path` names an existing ordinary file (a link to one counts),
// otherwise 0. A hidden file (its own name starts with a dot) does not
// count; a file inside a hidden folder does. Tests exactly the path given:
// '*' and '?' are plain characters. Never fails.
qint16 FileExists(const QString &path);

// True when something other than a file or a folder stands at `path`: a
// FIFO, a device, a socket, or a link to one.
bool IsSpecialFile(const QString &path);

// The size of the file in bytes; nothing when it cannot be read.
std::optional<double> GetFileSize(const QString &path);

} // namespace dozewell
