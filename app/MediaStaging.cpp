#include "app/CommonDialog.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "player/FileFunctions.h"
#include "player/Staging.h"
#include "ui_frmMain.h"

#include <QDir>

namespace dozewell {

void frmMain::cmdMp3File_Click()
{
    cmd1->FileName = m_module.StagedFile;
    cmd1->CancelError = true;
    cmd1->Filter = texts::kMediaFilter;
    if (!cmd1->ShowOpen()) {
        if (cmd1->CancelError) {
            ui->txtMp3FileName->setText(texts::kNoFileSelected);
            m_module.MediaFileChosen = false;
        }
        return;
    }

    const QString chosen = cmd1->FileName;
    const QString extension = MediaExtension(chosen);
    if (chosen.isEmpty() || !IsMediaExtension(extension))
        return;
    if (IsSpecialFile(chosen)) {
        m_platform.MsgBox(texts::kNotARegularFile.arg(QDir::toNativeSeparators(chosen)), MsgIcon::Critical,
                          texts::kErrorTitle);
        return;
    }
    const std::optional<double> size = GetFileSize(chosen);
    if (!size)
        return;
    if (*size > kMaxMediaSize) {
        m_platform.MsgBox(texts::kFileTooBig + QString::number(*size, 'f', 0) + texts::kFileTooBigLimit,
                          MsgIcon::Critical, texts::kErrorTitle);
        return;
    }
    // The choice is taken over only once its copy is in place.
    const QString staged = StagedName(m_platform.StagingFolder(), extension);
    if (const std::optional<StageFailure> failure = StageCopy(chosen, staged)) {
        const QString message = failure->culprit == StageFailure::ChosenFile
                                    ? texts::kMediaUnreadable.arg(QDir::toNativeSeparators(chosen), failure->reason)
                                    : texts::kStageFailed.arg(QDir::toNativeSeparators(m_platform.StagingFolder()),
                                                              failure->reason);
        m_platform.MsgBox(message, MsgIcon::Critical, texts::kErrorTitle);
        return;
    }
    ui->txtMp3FileName->setText(chosen);
    m_module.StagedFile = staged;
    m_module.StagedFrom = chosen;
    m_module.MediaFileChosen = true;
}

} // namespace dozewell
