// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace dozewell {

// The command line, read before any window: --help and --version answer and
// end, the toolkit's own options (-platform, -style, -session ...) are left
// for it, and anything else is refused. Nothing when the program is to run,
// else its exit status.
std::optional<int> HandleCommandLine(int argc, char **argv);

} // namespace dozewell
