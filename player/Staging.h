#pragma once

#include <QString>
#include <QStringList>

namespace dozewell {

inline constexpr double kMaxMediaSize = 20000000; // bytes, inclusive

// The extension of a chosen media file: its last three characters, lower
// case. No dot is looked for, so "xmp3" has the extension "mp3".
QString MediaExtension(const QString &path);
// The eight media types the picker takes, in the order it tests them.
bool IsMediaExtension(const QString &extension);

// The staged copy of a file with this extension: "QDX." + extension.
QString StagedName(const QString &stagingFolder, const QString &extension);

// The leftover copies start-up deletes, in order; a mod copy is kept.
QStringList LeftoverStagedNames(const QString &stagingFolder);

// Deletes the leftover copies that exist. A copy that cannot be deleted is
// left for a later start; the others still go.
void DeleteStagedFiles(const QString &stagingFolder);

// Copies `source` to `target` inside the staging folder, creating the folder
// (owner-only) on first use. The copy is written to a temporary file beside
// the target and renamed over it, so a failure leaves no half-written copy
// and a link planted at the target is replaced, never written through.
// On failure returns false with the reason in `error`.
bool StageCopy(const QString &source, const QString &target, QString *error);

} // namespace dozewell
