#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cancel in the start-up dialog, after a crash left the instance lock behind:
# the program ends with 0, shows no main window and leaves no lock.
# Usage: cancel-at-start.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

lock="$XDG_RUNTIME_DIR/dozewell-timer.lock"
printf '999999\ndozewell-timer\n%s\n' "$(hostname)" > "$lock"
"$program" > "$work/out.log" 2>&1 &
app=$!
pids+=("$app")
focus_window "^Winamp Path$"
xdotool key Escape
ends_with "$app" 0
has_window "^Dozewell Timer" && fail "a main window appeared"
[ -e "$lock" ] && fail "Cancel left the lock behind"
echo "passed"
