#pragma once

#include <QString>
#include <QStringList>

namespace dozewell {

// What the player is handed at the time-out: the words that follow its path
// on the command line, each as one argument, so that no shell or command-line
// parsing ever interprets a path.
QStringList StopArguments();
QStringList PlayArguments(const QString &stagedFile);

} // namespace dozewell
