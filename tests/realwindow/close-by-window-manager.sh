#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window closed through a window manager (Openbox, Alt+F4): the
# program ends with 0 and leaves no lock.
# Usage: close-by-window-manager.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

make_player "$work/player"
window_manager
"$program" > "$work/out.log" 2>&1 &
app=$!
pids+=("$app")
focus_window "^Winamp Path$"
xdotool type --delay 5 "$work/player/winamp.exe"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
xdotool windowactivate --sync "$(window_named "^Dozewell Timer$")"
xdotool key alt+F4
ends_with "$app" 0
[ -e "$XDG_RUNTIME_DIR/dozewell-timer.lock" ] && fail "closing the window left the lock behind"
echo "passed"
