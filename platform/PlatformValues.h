#pragma once

#include <QString>

namespace dozewell {

// Where the player is looked for first at start-up. On Linux this Windows
// path does not exist, so start-up always asks for the player.
QString DefaultPlayerPath();

// The folder that holds the staged media copies, with a trailing separator.
// Windows: the system temp folder of the original program. Linux: the
// program's private per-user cache folder, named after the application, so no
// other user can plant a file under a staged name.
QString DefaultStagingFolder();

} // namespace dozewell
