#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace dozewell {

// 1 when `path` names an existing ordinary file (a link to one counts),
// otherwise 0. Tests exactly the path given: '*' and '?' are plain
// characters. Never fails.
qint16 FileExists(const QString &path);

// The size of the file in bytes; nothing when it cannot be read.
std::optional<double> GetFileSize(const QString &path);

} // namespace dozewell
