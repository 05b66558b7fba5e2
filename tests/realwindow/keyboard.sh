#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# By keyboard alone, with the accessibility bus on, read as a screen reader
# reads it after each key: a Timer Mode run from the first Tab to its report
# with Tab, Space, Return and Escape only. Every focusable control and picture
# has a name; the focus starts on Hide; Space pressed twice on Start! starts
# the run once and leaves the focus on Pause, Pause hands it back to Start!,
# Return presses a button, and the report, closed with Escape, leaves the focus
# on Start!. Return opens About, a dialog named by its title; Escape puts it
# away.
# Usage: keyboard.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

atspi() { /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }
focus_on() { atspi focus | grep -qxF "$(printf '%s\t%s' "$1" "$2")"; }
# Presses key $1 (or presses Tab $1 times) and waits until the focus is on the object of role $2 named $3.
key_to() {
    if [[ $1 =~ ^[0-9]+$ ]]; then xdotool key --delay 20 --repeat "$1" Tab; else xdotool key "$1"; fi
    within 5 focus_on "$2" "$3" || fail "after $1 the focus is on $(atspi focus | tr '\t\n' ' |'), not $2 '$3'"
}

window_manager
player_in_wine
serve --session org.a11y.Bus /usr/libexec/at-spi-bus-launcher --launch-immediately
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program 1
within 15 atspi shows frame "Dozewell Timer" || fail "the main window is not on the bus as a frame named by its title"
xdotool windowactivate --sync "$main"
atspi unnamed || fail "controls without a name"
within 5 focus_on "push button" Hide || fail "at start the focus is on $(atspi focus), not on Hide"

step "a Timer Mode run, set up and started by keyboard"
within 60 bash -c "[ \$(date +%-S) -lt 43 ]" || fail "clock"   # a target 15 s ahead in this minute
key_to 4 "check box" "Use Timer"
key_to space text "Player path"    # the box it ticked is off now, and the focus goes on
seconds=$(atspi text "Timer seconds")
key_to 7 "push button" "More Seconds: $seconds"
xdotool key --delay 20 --repeat 14 space
key_to Return "push button" "More Seconds: $((seconds + 15))"   # as Space does
key_to 11 "combo box" "What to do at the time-out"
key_to Return "list item" "Shutdown Winamp"
key_to Return "combo box" "What to do at the time-out"
key_to 13 "push button" "Start!"
step "Start! pressed twice"
xdotool key space space
within 5 focus_on "push button" Pause || fail "after Start! the focus is on $(atspi focus)"
within 5 bash -c "xdotool getwindowname $main | grep -Eq '^Dozewell Timer [0-9:]{8}$'" || fail "no running caption"
running=$(xdotool getwindowname "$main")
sleep 1
[ "$(xdotool getwindowname "$main")" = "$running" ] && focus_on "push button" Pause || fail "the second Space ended the run"
shot keyboard-running
key_to space "push button" "Start!"
[ "$(xdotool getwindowname "$main")" = "Dozewell Timer" ] || fail "Pause did not pause"
sleep 0.5   # more than a double press after Pause
key_to space "push button" Pause
[[ "$(date +%T)" < "${running##* }" ]] || fail "the set-up took until after its target ${running##* }"
within 20 has_window "^Orvo's Timer$" || fail "no report at ${running##* }"
test -f "$default_dir/args" || fail "the player was not told"
key_to Escape "push button" "Start!"

step "Return opens About, Escape puts it away"
key_to 5 "push button" About
key_to Return text "About Dozewell Timer"
atspi shows dialog "About Dozewell Timer" || fail "About is not a dialog named by its title"
key_to Escape "push button" About
no_window "^About Dozewell Timer$" || fail "Escape left the About window open"
echo "passed"
