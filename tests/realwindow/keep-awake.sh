#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The computer is kept awake while a run waits, against stand-ins of the
# desktop portal, the power manager and the screen saver (python3-dbusmock
# templates in standins/): with neither GNOME's session manager nor a power
# manager, Start asks the portal to inhibit suspend with a reason and the
# window, and Pause closes the request, also one whose answer came after the
# Pause; a portal that refuses leaves one line and no request, and one that
# refuses after Pause is not followed by another way; the power manager is
# asked before the portal. A screen saver that comes on brings the
# program's wake-ups down to the idle window's level and stops the banner,
# which moves again when it goes off. Another client's Response changes
# nothing; a portal that leaves is asked again when it is back; a target that
# passed while the program was stopped is acted on at once, and its report
# lets the computer sleep. The program rests (under 5 % of a core) in each
# state it may be left in all night.
# Usage: keep-awake.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

# The portal's stand-in, answering at-once, late or refusing ($1), in the
# place of the one before; the path of its last request in $work/request.
portal() {
    [ -n "${portal:-}" ] && kill "$portal" && wait "$portal" 2>/dev/null
    stand_in portal "{\"answer\": \"$1\", \"request\": \"$work/request\"}"
    portal=$stand_in
}
logged() { within 5 bash -c "[ \$(grep -c -e '$2' '$work/$1.log') -eq $3 ]"; }   # stand-in $1 logged line $2 $3 times
cannot() { within 5 bash -c "[ \$(grep -c 'could not be kept awake' '$work/out.log') -eq $1 ]"; }
reason='"Dozewell Timer stops the player at [0-9:]*"'

step "the portal is asked, and Pause closes its request, also before its answer"
player_in_wine
portal late
start_program ""
rests "the idle window"
idle=$(wakeups 3)
click_at "$main" 52 408                  # cmdStart with nothing chosen
focus_window "^ERROR$"
rests "an ERROR box"
close_box ERROR "$main"
counter_run 1   # the portal last: no session manager, no power manager here
logged portal "Inhibit \"x11:[0-9a-f]*\" 4 {\"handle_token\": \"dozewell[0-9]*\", \"reason\": $reason}\$" 1 \
    || fail "no Inhibit"
start_or_pause 'Dozewell Timer'   # before the portal's answer: the request it brings is closed
logged portal 'Close$' 1 || fail "Pause did not close the portal's request"
cannot 0 || fail "a pending answer was reported as failed"

step "a portal that refuses, before its reply, leaves one line; the power manager comes before the portal"
portal refusing
start_or_pause 'Dozewell Timer 0:[0-9]+'
logged portal 'Close$' 1 && cannot 1 || fail "the refusal did not close the request and leave one line"
grep -q "refused it with response 2" "$work/out.log" || fail "the line does not say why"
start_or_pause 'Dozewell Timer'
portal refusing-late
start_or_pause 'Dozewell Timer 0:[0-9]+'
start_or_pause 'Dozewell Timer'   # before the refusal, which comes 2 s after the reply
sleep 3
logged portal 'Inhibit ' 1 && cannot 1 || fail "a refusal after Pause asked the desktop again"
stand_in power_manager
power=$stand_in
stand_in screen_saver
start_or_pause 'Dozewell Timer 0:[0-9]+'
logged power_manager "Inhibit \"dozewell-timer\" $reason\$" 1 && logged portal 'Inhibit ' 1 || fail "not the power manager"

step "the screen saver comes on: the run rests; it goes off: the banner moves again"
banner=(8 104 313 41)
awake=$(wakeups 3)
saver() { gdbus call --session --dest org.freedesktop.ScreenSaver --object-path /org/freedesktop/ScreenSaver --method \
    org.freedesktop.DBus.Mock.SetActive "$1" > /dev/null; }
saver true
sleep 1
resting=$(wakeups 3) && stood=$(looks "$main" "${banner[@]}")
[ "$resting" -le $((3 * idle + 3)) ] || fail "behind the screen saver $resting wake-ups a second, $awake shown, $idle idle"
[ "$(looks "$main" "${banner[@]}")" = "$stood" ] || fail "the banner moved behind the screen saver"
saver false
within 2 looks_other_than "$stood" "$main" "${banner[@]}" || fail "the banner did not move again"
shown=$(looks "$main" 272 16 49 17)        # lblNameos, as it looks before Hide and again once the window is back
click_at "$main" 132 408                 # cmdHide
rests "a run waiting, minimized"
xdotool windowactivate --sync "$main"
within 10 bash -c "[ \"\$('$grab' $main 272 16 49 17)\" = $shown ]" || fail "the window did not come back"
start_or_pause 'Dozewell Timer'
logged power_manager 'UnInhibit 7$' 1 || fail "Pause did not end the power manager's inhibition"

step "a Response from another client changes nothing; a portal that leaves is asked again when it is back"
kill "$power"
portal at-once
start_or_pause 'Dozewell Timer 0:[0-9]+'
logged portal 'Inhibit ' 1 || fail "no Inhibit"
"$standins/another_response.py" "$(cat "$work/request")"
sleep 1
logged portal 'Close$' 0 && cannot 1 || fail "another client's Response was taken for the portal's"
portal at-once
logged portal 'Inhibit ' 1 || fail "the portal was not asked again"
start_or_pause 'Dozewell Timer'
logged portal 'Close$' 1 || fail "Pause did not close the new portal's request"

step "a target passed while the program was stopped is acted on at once; its report lets the computer sleep"
portal at-once
rm -f "$default_dir/args" "$default_dir/starts"
timer_run "$main" 0 "" 8
within 30 bash -c "[ \$(date +%s) -ge \$(( \$(date -d $target +%s) - 3 )) ]"
kill -STOP "$app"
sleep 9
kill -CONT "$app"
within 3 test -f "$default_dir/args" || fail "the passed target was not acted on"
printf '%s\0' Winamp was terminated by "Orvo's" Timer... | cmp -s - "$default_dir/args" || fail "not the stop form"
within 5 has_window "^Orvo's Timer$" || fail "no stop report"
[ "$(wc -l < "$default_dir/starts")" -eq 1 ] || fail "the player was started $(wc -l < "$default_dir/starts") times"
logged portal 'Inhibit ' 1 && logged portal 'Close$' 1 || fail "the time-out did not close the portal's request"
rests "the stop report after a player that ended at once"
close_box "Orvo's Timer" "$main"
exit_program "$main" "$app"
cannot 1 || fail "a held inhibition was reported as failed"
echo "passed"
