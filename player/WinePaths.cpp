#include "player/WinePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dozewell {

namespace {
const QString kDriveLinks = QStringLiteral("dosdevices");
const QString kDriveC = QStringLiteral("drive_c");
const QByteArray kExecutableMagic = QByteArrayLiteral("MZ");

struct Drive {
    QChar letter;
    QString target; // clean absolute path, no trailing separator but for "/"
};

QList<Drive> DrivesOf(const QString &prefix)
{
    const QDir links(prefix + QLatin1Char('/') + kDriveLinks);
    QList<Drive> drives;
    for (const QFileInfo &link : links.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString name = link.fileName();
        if (name.size() != 2 || !name.at(0).isLetter() || name.at(1) != QLatin1Char(':') || !link.isSymLink())
            continue;
        drives.append({name.at(0).toUpper(), QDir::cleanPath(links.absoluteFilePath(link.symLinkTarget()))});
    }
    if (drives.isEmpty())
        drives.append({QLatin1Char('Z'), QStringLiteral("/")});
    return drives;
}

// The rest of `path` below `folder`, or nothing when `folder` does not lead to it.
std::optional<QString> Below(const QString &folder, const QString &path)
{
    if (folder == QLatin1String("/"))
        return path.mid(1);
    if (path == folder)
        return QString();
    if (path.startsWith(folder + QLatin1Char('/')))
        return path.mid(folder.size() + 1);
    return std::nullopt;
}
} // namespace

QString PathInPrefix(const QString &prefix, const QString &windowsPath)
{
    const QString drive = windowsPath.left(2).toLower();
    QString rest = windowsPath.mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return prefix + QLatin1Char('/') + kDriveLinks + QLatin1Char('/') + drive + rest;
}

QString PrefixHolding(const QString &path)
{
    QDir folder = QFileInfo(QFileInfo(path).absoluteFilePath()).dir();
    do {
        if (folder.exists(kDriveC) && folder.exists(kDriveLinks))
            return folder.path();
    } while (folder.cdUp());
    return {};
}

std::optional<QString> WindowsPathIn(const QString &prefix, const QString &path)
{
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    std::optional<Drive> best;
    QString rest;
    for (const Drive &drive : DrivesOf(prefix)) {
        const std::optional<QString> below = Below(drive.target, file);
        if (below && (!best || drive.target.size() > best->target.size())) {
            best = drive;
            rest = *below;
        }
    }
    if (!best)
        return std::nullopt;
    return QString(best->letter) + QStringLiteral(":\\") + rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

bool IsWindowsExecutable(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(kExecutableMagic.size()) == kExecutableMagic;
}

} // namespace dozewell
