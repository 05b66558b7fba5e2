#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in German (LANG=de_DE.UTF-8): the start-up dialog, the window's
# buttons and the ERROR box speak German, the Open dialog's own buttons are
# Qt's German ones (they look other than in English), and a stop run still
# hands the player the English stop words, byte for byte.
# Usage: german.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

player_dir="$work/player"
make_player "$player_dir"
dialog_buttons=(520 347 92 54)   # the Open dialog's Open and Cancel, Qt's own texts
buttons=(8 392 329 33)           # Start!, Hide, About and Exit

step "in English first, for how its buttons look"
"$program" > "$work/out-en.log" 2>&1 &
app=$!
pids+=("$app")
focus_window "^Winamp Path$"
english_buttons=$(looks "$(window_named "^Winamp Path$")" "${dialog_buttons[@]}")
xdotool type --delay 5 "$player_dir/winamp.exe"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
english_captions=$(looks "$main" "${buttons[@]}")
exit_program "$main" "$app"

step "in German: the program's texts and Qt's, and still the English stop words for the player"
LANG=de_DE.UTF-8 LANGUAGE='' "$program" > "$work/out-de.log" 2>&1 &
app=$!
pids+=("$app")
focus_window "^Winamp-Pfad$"
looks_other_than "$english_buttons" "$(window_named "^Winamp-Pfad$")" "${dialog_buttons[@]}" \
    || fail "the Open dialog's buttons are not Qt's German ones"
xdotool type --delay 5 "$player_dir/winamp.exe"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
looks_other_than "$english_captions" "$main" "${buttons[@]}" || fail "the captions are not German"
click_at "$main" 52 408                  # cmdStart, nothing chosen
close_box FEHLER "$main"
timer_run "$main" 0 "" 4
within 15 test -f "$player_dir/args" || fail "the player was never started"
printf '%s\0' Winamp was terminated by "Orvo's" Timer... | cmp -s - "$player_dir/args" \
    || fail "player received: $(tr '\0' '|' < "$player_dir/args")"
close_box "Orvo's Timer" "$main"
exit_program "$main" "$app"
echo "passed"
