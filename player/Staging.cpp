#include "player/Staging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace dozewell {

namespace {
const QString kStagedStem = QStringLiteral("QDX.");
const QStringList kPickerOrder = {"mp3", "m3u", "wav", "mod", "mid", "voc", "avi", "mpg"};
const QStringList kDeletionOrder = {"mp3", "wav", "m3u", "voc", "mid", "avi", "mpg"};
constexpr qint64 kCopyChunk = 1 << 20;

std::filesystem::path NativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool EnsureFolder(const QString &folder, QString *error)
{
    if (QFileInfo(folder).isDir())
        return true;
    QDir dir;
    if (!dir.mkpath(folder)) {
        *error = QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

bool CopyContents(QFile &from, QFile &to, QString *error)
{
    QByteArray chunk;
    while (!from.atEnd()) {
        chunk = from.read(kCopyChunk);
        if (chunk.isEmpty() && from.error() != QFile::NoError) {
            *error = from.errorString();
            return false;
        }
        if (to.write(chunk) != chunk.size()) {
            *error = to.errorString();
            return false;
        }
    }
    if (!to.flush()) {
        *error = to.errorString();
        return false;
    }
    return true;
}
} // namespace

QString MediaExtension(const QString &path)
{
    return path.right(3).toLower();
}

bool IsMediaExtension(const QString &extension)
{
    return kPickerOrder.contains(extension);
}

QString StagedName(const QString &stagingFolder, const QString &extension)
{
    return stagingFolder + kStagedStem + extension;
}

QStringList LeftoverStagedNames(const QString &stagingFolder)
{
    QStringList names;
    for (const QString &extension : kDeletionOrder)
        names << StagedName(stagingFolder, extension);
    return names;
}

bool StageCopy(const QString &source, const QString &target, QString *error)
{
    const QString folder = QFileInfo(target).path();
    if (!EnsureFolder(folder, error))
        return false;

    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) {
        *error = from.errorString();
        return false;
    }
    QTemporaryFile partial(folder + QStringLiteral("/.QDX-XXXXXX.part"));
    if (!partial.open()) {
        *error = partial.errorString();
        return false;
    }
    if (!CopyContents(from, partial, error))
        return false;
    partial.close();

    std::error_code failure;
    std::filesystem::rename(NativePath(partial.fileName()), NativePath(target), failure);
    if (failure) {
        *error = QString::fromStdString(failure.message());
        return false;
    }
    partial.setAutoRemove(false);
    return true;
}

} // namespace dozewell
