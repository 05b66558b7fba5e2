// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dozewell {

class frmMain;

// Runs the start-up sequence and, unless it ended the program, shows the
// main window centred on the screen. Returns false when the program ended.
bool StartUp(frmMain &form);

} // namespace dozewell
