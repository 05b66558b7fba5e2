#include "app/Module1.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/CommonDialog.h"
#include "platform/Platform.h"
#include "platform/RunTimeError.h"
#include "player/FileFunctions.h"
#include "player/Staging.h"
#include "ui_frmMain.h"

#include <QDir>
#include <QFile>

namespace dozewell {

void frmMain::cmdMp3File_Click()
{
    try {
        cmd1->FileName = m_module.StagedFile;
        cmd1->CancelError = true;
        cmd1->Filter = texts::kMediaFilter;
        cmd1->ShowOpen();

        const QString chosen = cmd1->FileName;
        const QString extension = MediaExtension(chosen);
        if (chosen.isEmpty() || !IsMediaExtension(extension))
            return;
        if (GetFileSize(chosen) > kMaxMediaSize) {
            m_platform.MsgBox(texts::kFileTooBig + QString::number(GetFileSize(chosen), 'f', 0)
                                  + texts::kFileTooBigLimit,
                              MsgIcon::Critical, texts::kErrorTitle);
            return;
        }
        // The choice is taken over only once its copy is in place.
        const QString staged = StagedName(m_platform.StagingFolder(), extension);
        QString reason;
        if (!StageCopy(chosen, staged, &reason)) {
            m_platform.MsgBox(texts::kStageFailed.arg(QDir::toNativeSeparators(m_platform.StagingFolder()), reason),
                              MsgIcon::Critical, texts::kErrorTitle);
            return;
        }
        ui->txtMp3FileName->setText(chosen);
        m_module.StagedFile = staged;
    } catch (const RunTimeError &error) {
        if (error.number() == CancelError)
            ui->txtMp3FileName->setText(texts::kNoFileSelected);
    }
}

void Module1::DeleteStagedFiles()
{
    // A copy that cannot be deleted is left for a later start; the others still go.
    for (const QString &name : LeftoverStagedNames(platform.StagingFolder())) {
        if (FileExists(name) == 1)
            QFile::remove(name);
    }
}

} // namespace dozewell
