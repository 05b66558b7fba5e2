// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dozewell {

// The shared module's values. The main window owns them; its procedures
// (SetIdleState, DoTimeOutAction ...) are the window's own, and the
// widget-free ones live in timer/ and player/.
struct Module1 {
    // Full path of the accepted player executable; empty until one is accepted.
    QString PlayerPath;
    // Full path of the staged media copy; empty until a file is picked.
    QString StagedFile;
    // The file StagedFile was copied from, as the dialog returned it: what
    // the player really plays, whatever the window shows since.
    QString StagedFrom;
    // Whether a media file is picked for "Play Mp3 File": set by a pick,
    // cleared by a Cancel of the picker, which keeps StagedFile.
    bool MediaFileChosen = false;
};

// The entries of the action box cmbWhatToDo, by index.
enum WhatToDo : int { NoAction = -1, StopPlayer = 0, PlayStagedFile = 1 };

} // namespace dozewell
