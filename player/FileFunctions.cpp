// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/FileFunctions.h"

#include <QFileInfo>

namespace dozewell {

qint16 FileExists(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden() ? 1 : 0;
}

bool IsSpecialFile(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() && !file.isFile() && !file.isDir();
}

std::optional<double> GetFileSize(const QString &path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return std::nullopt;
    return static_cast<double>(file.size());
}

} // namespace dozewell
