#pragma once

#include "player/CommandLine.h"

#include <QString>
#include <QStringList>

namespace dozewell {

// The player's default place, as Windows names it.
QString DefaultPlayerPath();

// Where start-up looks for the player, first to last. Windows: the default
// path. Elsewhere the player runs under Wine: the default path read as Wine
// reads it, in drive C: of the Wine prefix, then the same under
// "Program Files (x86)", where a 32-bit player lives in a 64-bit prefix.
QStringList DefaultPlayerPaths();

// The Wine prefix Wine uses unless told otherwise: $WINEPREFIX, else ~/.wine.
QString WinePrefix();

// The variable that names another Wine launcher than the "wine" found in PATH.
inline constexpr auto kWineLauncherVariable = "DOZEWELL_WINE";
// The Wine launcher: $DOZEWELL_WINE, else "wine" in PATH; empty when none.
QString WineLauncher();

// Wine as this system has it: the launcher, the default prefix, whether it
// can run 32-bit programs, and whether the user chose its debug output.
WineSetup InstalledWine();

// Where the instance lock lies: the user's runtime folder ($XDG_RUNTIME_DIR,
// private to the user and cleared at logout) when it is usable, else nothing
// and the lock goes to the staging folder.
QString RuntimeFolder();

// The folder that holds the staged media copies, with a trailing separator.
// Windows: the system temp folder of the original program. Linux: the
// program's private per-user cache folder, named after the application, so no
// other user can plant a file under a staged name.
QString DefaultStagingFolder();

} // namespace dozewell
