// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/WinePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace dozewell {

namespace {
const QString kDriveLinks = QStringLiteral("dosdevices");
const QString kDriveC = QStringLiteral("drive_c");
const QByteArray kExecutableMagic = QByteArrayLiteral("MZ");
constexpr qint64 kPeOffsetAt = 0x3c;
const QByteArray kPeSignature = QByteArrayLiteral("PE\0\0");
constexpr quint16 kMachineI386 = 0x14c;
constexpr quint16 kMachineAmd64 = 0x8664;
constexpr quint16 kMachineArm64 = 0xaa64;

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

WindowsProgram WindowsProgramKind(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(kExecutableMagic.size()) != kExecutableMagic)
        return WindowsProgram::None;
    // The DOS header names where the PE header starts; the machine follows its signature.
    quint32 peOffset = 0;
    if (!file.seek(kPeOffsetAt) || file.read(reinterpret_cast<char *>(&peOffset), 4) != 4)
        return WindowsProgram::Unknown;
    peOffset = qFromLittleEndian(peOffset);
    if (!file.seek(peOffset) || file.read(kPeSignature.size()) != kPeSignature)
        return WindowsProgram::Unknown;
    quint16 machine = 0;
    if (file.read(reinterpret_cast<char *>(&machine), 2) != 2)
        return WindowsProgram::Unknown;
    switch (qFromLittleEndian(machine)) {
    case kMachineI386:
        return WindowsProgram::Bits32;
    case kMachineAmd64:
    case kMachineArm64:
        return WindowsProgram::Bits64;
    default:
        return WindowsProgram::Unknown;
    }
}

std::optional<bool> WineRuns32Bit(const QString &launcher)
{
    const QString installed = QFileInfo(launcher).canonicalFilePath();
    if (installed.isEmpty())
        return std::nullopt;
    QDir root = QFileInfo(installed).dir(); // .../bin
    root.cdUp();
    bool has64BitPart = false;
    for (const char *libraries : {"lib", "lib32", "lib64", "lib/i386-linux-gnu", "lib/x86_64-linux-gnu"}) {
        const QString wine = root.filePath(QLatin1String(libraries)) + QStringLiteral("/wine/");
        if (QFileInfo::exists(wine + QStringLiteral("i386-windows/ntdll.dll")))
            return true;
        has64BitPart = has64BitPart || QFileInfo::exists(wine + QStringLiteral("x86_64-windows/ntdll.dll"));
    }
    if (has64BitPart)
        return false;
    return std::nullopt;
}

} // namespace dozewell
