#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first run, worked as a person would: answers the start-up dialog with a
# stand-in player, sets up a Timer Mode run that plays a media file through
# the Open dialog, and checks what the player received. A second start brings
# the first window forward over the session bus, or, without one, is refused
# by the lock; neither touches the first one's copy. Exit ends the program
# with 0, its lock released and no settings stored; with no desktop service to
# keep the computer awake, the program said so in one line.
# Usage: play-file.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

player_dir="$work/My Player; \$(x)"
make_player "$player_dir"
player="$player_dir/winamp.exe"
mkdir -p "$work/music"
media="$work/music/night song.mp3"
head -c 50000 /dev/urandom > "$media"
lock="$XDG_RUNTIME_DIR/dozewell-timer.lock"
# The windows on the screen, top to bottom; whether window $1 lies above $2.
stacking() { xwininfo -root -children | awk '/^ +0x/ {print $1}'; }
on_top_of() {
    [ "$(stacking | grep -x -e "$(printf '0x%x' "$1")" -e "$(printf '0x%x' "$2")" | head -1)" = "$(printf '0x%x' "$1")" ]
}

step "a Timer Mode run that plays a file"
"$program" > "$work/out1.log" 2>&1 &
app=$!
pids+=("$app")
focus_window "^Winamp Path$"
shot startup-dialog
rests "the Open dialog"
xdotool type --delay 5 "$player"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
touch "$player_dir/linger"   # still running when the report comes, ending while it is open
timer_run "$main" 1 "$media"
shot running-timer-mode

within 25 test -f "$player_dir/args" || fail "the player was never started"
staged="$XDG_CACHE_HOME/dozewell-timer/QDX.mp3"
printf '%s\0' "$staged" | cmp -s - "$player_dir/args" || fail "player received: $(tr '\0' '|' < "$player_dir/args")"
cmp -s "$media" "$staged" || fail "the staged copy differs from the chosen file"
within 10 has_window "^Orvo's Dozewell Timer$" || fail "no play report"
shot play-report
rests "the play report"
close_box "Orvo's Dozewell Timer" "$main"

step "a second start brings the first window forward"
click_at "$main" 212 408                 # cmdAbout: a window over the main one
about=$(window_named "^About Dozewell Timer$")
focus_window "^About Dozewell Timer$"
on_top_of "$about" "$main" || fail "the About window did not open over the main window"
rests "the About window"
"$program" > "$work/out-forward.log" 2>&1 &
second=$!
ends_with "$second" 0
within 10 on_top_of "$main" "$about" || fail "the main window did not come forward"
cmp -s "$media" "$staged" || fail "the second start touched the staged copy"

step "without a session bus, the lock refuses a second start and touches nothing"
env -u DBUS_SESSION_BUS_ADDRESS "$program" > "$work/out-second.log" 2>&1 &
second=$!
pids+=("$second")
within 15 bash -c "xdotool search --onlyvisible --pid $second | grep -q ." || fail "the second instance showed nothing"
shot second-instance
xdotool windowfocus --sync "$(xdotool search --onlyvisible --pid $second | head -1)"
xdotool key Return
ends_with "$second" 1
grep -q "already running" "$work/out-second.log" || fail "the second instance did not say why"
cmp -s "$media" "$staged" || fail "the second instance touched the staged copy"

xdotool windowfocus --sync "$main"
exit_program "$main" "$app"
[ "$(grep -c "could not be kept awake" "$work/out1.log")" -eq 1 ] || fail "no one line on the desktop's missing services"
[ -e "$lock" ] && fail "Exit left the lock behind"
[ -e "$XDG_CONFIG_HOME/QtProject.conf" ] && fail "settings were stored"
echo "passed"
