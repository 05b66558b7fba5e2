// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/PlayerCheck.h"

#include "player/FileFunctions.h"

namespace dozewell {

std::optional<bool> PassesPlayerFileCheck(const QString &fileName)
{
    const std::optional<double> size = GetFileSize(fileName);
    if (!size)
        return std::nullopt;
    const QString expected = QLatin1String(kPlayerFileName);
    const bool nameMatches = fileName.right(expected.size()).toLower() == expected;
    return nameMatches && *size > kPlayerMinSize && *size < kPlayerMaxSize;
}

} // namespace dozewell
