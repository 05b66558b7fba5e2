// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// How the player layer words what it tells the user: in the user's language,
// among the program's other texts, and with paths written as the system
// writes them.
namespace dozewell::wording {

inline QString Tr(const char *source)
{
    return QCoreApplication::translate("Texts", source);
}

inline QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace dozewell::wording
