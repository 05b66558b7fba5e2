// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/CommandLine.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace dozewell {

// Where the player, Wine and the staged copies are, found from the user's
// environment and home folder as the system gives them.

// The player's default place, as Windows names it.
QString DefaultPlayerPath();

// The Wine prefix Wine uses unless told otherwise: $WINEPREFIX, else ~/.wine.
QString WinePrefix(const QProcessEnvironment &environment, const QString &home);

// Where start-up looks for the player, first to last: the default path read
// as Wine reads it, in drive C: of the Wine prefix, then the same under
// "Program Files (x86)", where a 32-bit player lives in a 64-bit prefix.
QStringList DefaultPlayerPaths(const QProcessEnvironment &environment, const QString &home);

// The Wine launcher: $DOZEWELL_WINE (a path, or a name looked up in PATH),
// else "wine" in PATH; empty when there is none.
QString WineLauncher(const QProcessEnvironment &environment);

// Wine as this system has it: the launcher, the default prefix, whether it
// can run 32-bit programs, and whether the user chose its debug output.
WineSetup InstalledWine(const QProcessEnvironment &environment, const QString &home);

// The folder that holds the staged media copies, with a trailing separator:
// the program's private per-user cache folder, named after `program`, so no
// other user can plant a file under a staged name.
QString StagingFolder(const QProcessEnvironment &environment, const QString &home, const QString &program);

} // namespace dozewell
