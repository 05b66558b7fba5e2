#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# By keyboard alone (Tab, Space, Return, Escape) a Timer Mode run from the first
# Tab to its report, read after each key through the accessibility bus as a
# screen reader reads it: names and roles, and where the focus goes; Space
# pressed twice on Start! leaves the run waiting. Return opens About, Escape
# puts it away.
# Usage: keyboard.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

objects() { /usr/bin/python3 "$(dirname "$0")/atspi.py"; }
# Whether the program has an object of role $1 named $2 in state $3 (focused, showing).
has() { objects | awk -F'\t' -v r="$1" -v n="$2" -v s="$3" '$1 == r && $2 == n && index($3, s) {f = 1} END {exit !f}'; }
focused() { objects | awk -F'\t' '$3 ~ /focused/ && $1 != "filler" {print $1 ": " $2}'; }
# Presses key $1, or Tab $1 times, and waits for the focus on the object of role $2 named $3.
key_to() {
    if [[ $1 =~ ^[0-9]+$ ]]; then xdotool key --delay 20 --repeat "$1" Tab; else xdotool key "$1"; fi
    within 5 has "$2" "$3" focused || fail "after $1 the focus is on $(focused | tr '\n' '|'), not on $2 '$3'"
}

window_manager
player_in_wine
serve --session org.a11y.Bus /usr/libexec/at-spi-bus-launcher --launch-immediately
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program 1
within 15 has frame "Dozewell Timer" showing || fail "the main window is not a frame named by its title"
xdotool windowactivate --sync "$main"
unnamed=$(objects | awk -F'\t' '($3 ~ /focusable/ || $1 == "image") && $1 !~ /^list/ && $2 !~ /[[:alnum:]][[:alnum:]]/')
[ -z "$unnamed" ] || fail "without a name: $unnamed"
within 5 has "push button" Hide focused || fail "at start the focus is on $(focused)"

within 60 bash -c "[ \$(date +%-S) -lt 43 ]" || fail "clock"   # a target 15 s ahead in this minute
key_to 4 "check box" "Use Timer"
key_to space text "Player path"   # the ticked box is off now
xdotool key --delay 20 --repeat 7 Tab
seconds=$(focused) && seconds=${seconds##*: }   # the step button says the field's value
xdotool key --delay 20 --repeat 14 space
key_to Return "push button" "More Seconds: $((seconds + 15))"
key_to 11 "combo box" "What to do at the time-out"
key_to Return "list item" "Shutdown Winamp"
key_to Return "combo box" "What to do at the time-out"
key_to 13 "push button" "Start!"
xdotool key space space
within 5 has "push button" Pause focused || fail "after Start! the focus is on $(focused)"
running=$(xdotool getwindowname "$main") && sleep 1
[[ $running =~ ^Dozewell\ Timer\ [0-9:]{8}$ ]] && [ "$(xdotool getwindowname "$main")" = "$running" ] \
    && has "push button" Pause focused || fail "the second Space ended the run"
key_to space "push button" "Start!"
sleep 0.5   # more than a double press after Pause
key_to space "push button" Pause
within 20 has_window "^Orvo's Timer$" && test -f "$default_dir/args" || fail "no report at ${running##* }"
key_to Escape "push button" "Start!"
key_to 5 "push button" About
key_to Return text "About Dozewell Timer"
has dialog "About Dozewell Timer" showing || fail "About is not a dialog named by its title"
key_to Escape "push button" About
no_window "^About Dozewell Timer$" || fail "Escape left the About window open"
echo "passed"
