// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/Staging.h"

#include "player/FileFunctions.h"
#include "player/Wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace dozewell {

using wording::Shown;
using wording::Tr;

namespace {
const QString kStagedStem = QStringLiteral("QDX.");
const QStringList kPickerOrder = {"mp3", "m3u", "wav", "mod", "mid", "voc", "avi", "mpg"};
const QStringList kDeletionOrder = {"mp3", "wav", "m3u", "voc", "mid", "avi", "mpg"};
constexpr qint64 kCopyChunk = 1 << 20;
constexpr size_t kKernelChunk = 64 << 20;

std::filesystem::path NativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                       | QFile::WriteOther | QFile::ExeOther;
// What an interrupted copy leaves behind: QTemporaryFile's pattern, and the
// name filter that finds its results.
const QString kPartialTemplate = QStringLiteral(".QDX-XXXXXX.part");
const QString kPartialFilter = QStringLiteral(".QDX-*.part");

//: %1 is the file's size in bytes; the limit is 20,000,000 bytes.
const char *const kFileTooBig =
    QT_TRANSLATE_NOOP("Texts", "Filesize too big %1Bytes, 20,000,000Bytes is the max size !");
//: %1 is the staging folder, %2 why the copy failed.
const char *const kStageFailed =
    QT_TRANSLATE_NOOP("Texts", "The file could not be copied to the staging folder %1: %2");
//: %1 is the media file, %2 the system's reason.
const char *const kMediaUnreadable = QT_TRANSLATE_NOOP("Texts", "The file %1 could not be read: %2");
const char *const kNotARegularFile = QT_TRANSLATE_NOOP(
    "Texts", "The file %1 cannot be played: it is not a regular file (a pipe, a device or a link to one).");

bool OwnedByUser(const QFileInfo &info)
{
    return info.ownerId() == ::getuid();
}

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

bool CopyContents(QFile &from, QFile &to, QString *error)
{
    switch (KernelCopy(from, to, error)) {
    case KernelCopyResult::Copied:
        return true;
    case KernelCopyResult::Failed:
        return false;
    case KernelCopyResult::Unsupported:
        break; // read and write instead
    }
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

namespace {
// Why the staging folder cannot be used, in the user's language.
QString Refusal(const char *why, const QString &folder)
{
    return QCoreApplication::translate("Staging", why).arg(Shown(folder));
}
} // namespace

std::optional<QString> PrepareStagingFolder(const QString &stagingFolder)
{
    const QString folder = QDir::cleanPath(stagingFolder);
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink()) {
        // Created owner-only from the start: never a moment open to others.
        if (!QDir().mkpath(info.path()) || !QDir().mkdir(folder, kOwnerOnly))
            return Refusal(QT_TRANSLATE_NOOP("Staging", "the folder %1 cannot be created"), folder);
        return std::nullopt;
    }
    if (info.isSymLink() || !info.isDir())
        return Refusal(
            QT_TRANSLATE_NOOP("Staging", "%1 is not a folder of its own (a link or a file stands there)"), folder);
    if (!OwnedByUser(info))
        return Refusal(QT_TRANSLATE_NOOP("Staging", "the folder %1 belongs to another user"), folder);
    if ((info.permissions() & kOthers) && !QFile::setPermissions(folder, kOwnerOnly))
        return Refusal(QT_TRANSLATE_NOOP("Staging", "the folder %1 cannot be made private"), folder);
    return std::nullopt;
}

void DeleteStagedFiles(const QString &stagingFolder)
{
    if (!QFileInfo::exists(stagingFolder) || PrepareStagingFolder(stagingFolder))
        return;
    for (const QString &name : LeftoverStagedNames(stagingFolder)) {
        if (FileExists(name) == 1)
            QFile::remove(name);
    }
    const QFileInfoList partials =
        QDir(stagingFolder).entryInfoList({kPartialFilter}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &partial : partials) {
        if (partial.isFile() && !partial.isSymLink())
            QFile::remove(partial.filePath());
    }
}

std::optional<StageFailure> StageCopy(const QString &source, const QString &target)
{
    const QString folder = QFileInfo(target).path();
    if (const std::optional<QString> problem = PrepareStagingFolder(folder))
        return StageFailure{StageFailure::StagingFolder, *problem};

    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return StageFailure{StageFailure::ChosenFile, from.errorString()};
    QTemporaryFile partial(folder + QLatin1Char('/') + kPartialTemplate);
    if (!partial.open())
        return StageFailure{StageFailure::StagingFolder, partial.errorString()};
    QString error;
    if (!CopyContents(from, partial, &error))
        return StageFailure{StageFailure::StagingFolder, error};
    partial.close();

    std::error_code failure;
    std::filesystem::rename(NativePath(partial.fileName()), NativePath(target), failure);
    if (failure)
        return StageFailure{StageFailure::StagingFolder, QString::fromStdString(failure.message())};
    partial.setAutoRemove(false);
    return std::nullopt;
}

StagedChoice StageChosenFile(const QString &chosen, const QString &stagingFolder)
{
    const QString extension = MediaExtension(chosen);
    if (chosen.isEmpty() || !IsMediaExtension(extension))
        return {};
    if (IsSpecialFile(chosen))
        return {{}, Tr(kNotARegularFile).arg(Shown(chosen))};
    const std::optional<double> size = GetFileSize(chosen);
    if (!size)
        return {};
    if (*size > kMaxMediaSize)
        return {{}, Tr(kFileTooBig).arg(qint64(*size))}; // a number, which %L1 groups as the language does
    const QString staged = StagedName(stagingFolder, extension);
    if (const std::optional<StageFailure> failure = StageCopy(chosen, staged)) {
        return {{}, failure->culprit == StageFailure::ChosenFile
                        ? Tr(kMediaUnreadable).arg(Shown(chosen), failure->reason)
                        : Tr(kStageFailed).arg(Shown(stagingFolder), failure->reason)};
    }
    return {staged, {}};
}

} // namespace dozewell
