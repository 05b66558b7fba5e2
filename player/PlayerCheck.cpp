#include "player/PlayerCheck.h"

#include "player/FileFunctions.h"

namespace dozewell {

bool PassesPlayerFileCheck(const QString &fileName)
{
    const QString expected = QLatin1String(kPlayerFileName);
    const bool nameMatches = fileName.right(expected.size()).toLower() == expected;
    const bool largeEnough = GetFileSize(fileName) > kPlayerMinSize;
    const bool smallEnough = GetFileSize(fileName) < kPlayerMaxSize;
    return nameMatches && largeEnough && smallEnough;
}

} // namespace dozewell
