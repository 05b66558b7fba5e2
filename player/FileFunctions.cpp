#include "player/FileFunctions.h"

#include <QFileInfo>

namespace dozewell {

qint16 FileExists(const QString &path)
{
    if (path.isEmpty())
        return 0;
    return QFileInfo(path).isFile() ? 1 : 0;
}

std::optional<double> GetFileSize(const QString &path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return std::nullopt;
    return static_cast<double>(file.size());
}

} // namespace dozewell
