// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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

// Makes the staging folder ready for use: a missing one is created
// owner-only, an existing one of the user's that is open to others is
// narrowed to owner-only. Returns why it cannot be used (it cannot be
// created, it is a link or no folder, it belongs to another user), or
// nothing when it can.
std::optional<QString> PrepareStagingFolder(const QString &stagingFolder);

// Deletes the leftover copies that exist, and temporary copies that an
// interrupted staging left behind (regular files of that name only, never
// through a link). A copy that cannot be deleted is left for a later start;
// the others still go. Nothing is deleted in a folder that cannot be used.
void DeleteStagedFiles(const QString &stagingFolder);

struct StageFailure {
    enum Culprit { ChosenFile, StagingFolder } culprit;
    QString reason;
};

// Copies `source` to `target` inside the staging folder, preparing the
// folder first. The copy is written to a temporary file beside the target
// and renamed over it, so a failure leaves no half-written copy and a link
// planted at the target is replaced, never written through. Returns what
// went wrong, or nothing when the copy is in place.
std::optional<StageFailure> StageCopy(const QString &source, const QString &target);

// What became of a media file chosen in the picker: its staged copy, or a
// refusal, told with `refusal`, or silently where that is empty (a file of
// another type, one whose size cannot be read).
struct StagedChoice {
    QString copy;    // empty when refused
    QString refusal; // in the user's language
};

// Takes the chosen file through the picker's checks, its type, what it is
// and its size, and stages it under its type's name in the staging folder.
StagedChoice StageChosenFile(const QString &chosen, const QString &stagingFolder);

} // namespace dozewell
