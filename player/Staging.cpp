#include "player/Staging.h"

#include "player/FileFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace dozewell {

namespace {
const QString kStagedStem = QStringLiteral("QDX.");
const QStringList kPickerOrder = {"mp3", "m3u", "wav", "mod", "mid", "voc", "avi", "mpg"};
const QStringList kDeletionOrder = {"mp3", "wav", "m3u", "voc", "mid", "avi", "mpg"};
constexpr qint64 kCopyChunk = 1 << 20;
constexpr size_t kKernelChunk = 64 << 20;

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

#ifdef Q_OS_LINUX
enum class KernelCopyResult { Copied, Unsupported, Failed };

// The in-kernel copy cp uses. Unsupported when this file system cannot do it
// and nothing was copied yet.
KernelCopyResult KernelCopy(QFile &from, QFile &to, QString *error)
{
    qint64 total = 0;
    for (;;) {
        const ssize_t copied = ::copy_file_range(from.handle(), nullptr, to.handle(), nullptr, kKernelChunk, 0);
        if (copied == 0)
            return KernelCopyResult::Copied;
        if (copied > 0) {
            total += copied;
            continue;
        }
        if (total == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP))
            return KernelCopyResult::Unsupported;
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return KernelCopyResult::Failed;
    }
}
#endif

bool CopyContents(QFile &from, QFile &to, QString *error)
{
#ifdef Q_OS_LINUX
    switch (KernelCopy(from, to, error)) {
    case KernelCopyResult::Copied:
        return true;
    case KernelCopyResult::Failed:
        return false;
    case KernelCopyResult::Unsupported:
        break; // read and write instead
    }
#endif
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(kCopyChunk);
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

void DeleteStagedFiles(const QString &stagingFolder)
{
    for (const QString &name : LeftoverStagedNames(stagingFolder)) {
        if (FileExists(name) == 1)
            QFile::remove(name);
    }
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
