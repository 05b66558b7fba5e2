// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommonDialog.h"

#include "platform/Platform.h"

namespace dozewell {

CommonDialog::CommonDialog(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform)
{
}

bool CommonDialog::ShowOpen()
{
    const std::optional<QString> chosen = m_platform.ShowOpen(DialogTitle, Filter, FileName);
    if (chosen)
        FileName = *chosen;
    return chosen.has_value();
}

} // namespace dozewell
