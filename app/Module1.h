#pragma once

#include <QString>
#include <QStringList>

namespace dozewell {

class frmMain;
class Platform;

// The shared module: the two module-level values and the procedures that
// more than one handler uses. It acts on the one main window that owns it,
// so every window comes with its own fresh module state.
//
// Its stateless helpers live beside their concerns: IncHours, DecHours,
// IncMinSec, DecMinSec and FormatHMS in timer/TimeFields.h, FileExists and
// GetFileSize in player/FileFunctions.h.
class Module1 {
public:
    Module1(frmMain &form, Platform &platform);

    // Full path of the accepted player executable; empty until one is accepted.
    QString PlayerPath;
    // Full path of the staged media copy; empty until a file is picked.
    QString StagedFile;

    // Run state (timer/RunState.cpp).
    void SetIdleState();
    bool SetRunningState();
    // The media-file guard: "Play Mp3 File" chosen but no file picked.
    bool MediaFileMissing() const;
    void EnableMp3FileChoice();
    void DisableMp3FileChoice();

    // Mode layout (timer/ModeSelection.cpp).
    void SetCounterMode();
    void SetTimerMode();

    // Staging (player/MediaStaging.cpp).
    void DeleteStagedFiles();

    // Time-out (player/TimeOutAction.cpp).
    void DoTimeOutAction();

private:
    // Starts the player; reports a failure instead of the success report.
    bool StartPlayer(const QStringList &arguments);

    frmMain &form;
    Platform &platform;
};

} // namespace dozewell
