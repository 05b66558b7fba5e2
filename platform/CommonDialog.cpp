#include "platform/CommonDialog.h"

#include "platform/Platform.h"
#include "platform/RunTimeError.h"

namespace dozewell {

CommonDialog::CommonDialog(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform)
{
}

bool CommonDialog::ShowOpen()
{
    const std::optional<QString> chosen = m_platform.ShowOpen(DialogTitle, Filter, FileName);
    if (chosen) {
        FileName = *chosen;
        return true;
    }
    if (CancelError)
        throw RunTimeError(ErrorNumber::CancelError, "Cancel was selected.");
    return false;
}

} // namespace dozewell
