// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dozewell {

// Ends the program the way its Exit does when SIGTERM (kill, a shutdown),
// SIGINT (Ctrl+C) or SIGHUP (its terminal closed) comes: the event loop is
// left with 128 + the signal's number, as a shell reports a program the
// signal ended, and what the program holds is given back on the way out. A
// signal it was started to ignore (nohup) stays ignored.
void EndOnSignals();

} // namespace dozewell
