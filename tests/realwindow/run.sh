#!/bin/bash
# Works the built program in a real X window as a person would: answers the
# start-up dialog with a stand-in player, sets up a Timer Mode run that plays
# a media file, and checks what the player received. A second start brings
# the first window forward over the session bus, or, without one, is refused
# by the lock; neither touches the first one's copy. Then the ways the
# program ends: Exit, Cancel at start-up, and closing the window through the
# window manager; each with status 0 and its lock released.
# Usage: run.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

# The stand-in player: records its arguments, NUL-separated, beside itself;
# padded to a size inside the player file check.
player_dir="$work/My Player; \$(x)"
mkdir -p "$player_dir"
player="$player_dir/winamp.exe"
{
    printf '#!/bin/sh\nprintf "%%s\\0" "$@" > "$(dirname "$0")/args.part" && mv "$(dirname "$0")/args.part" "$(dirname "$0")/args"\nexit 0\n'
    head -c 1000000 /dev/zero | tr '\0' '#'
} > "$player"
chmod +x "$player"
mkdir -p "$work/music"
media="$work/music/night song.mp3"
head -c 50000 /dev/urandom > "$media"
lock="$XDG_RUNTIME_DIR/dozewell-timer.lock"
# The windows on the screen, top to bottom; whether window $1 lies above $2.
stacking() { xwininfo -root -children | awk '/^ +0x/ {print $1}'; }
on_top_of() {
    [ "$(stacking | grep -x -e "$(printf '0x%x' "$1")" -e "$(printf '0x%x' "$2")" | head -1)" = "$(printf '0x%x' "$1")" ]
}
# Waits for process $1 to end and checks its status is $2.
ends_with() {
    within 10 bash -c "! kill -0 $1" || fail "process $1 did not end"
    wait "$1"; local status=$?
    [ "$status" -eq "$2" ] || fail "process $1 ended with status $status, not $2"
}

step "case 1: a Timer Mode run that plays a file"
"$program" > "$work/out1.log" 2>&1 &
app=$!
pids+=($app)
focus_window "^Winamp Path$"
shot startup-dialog
xdotool type --delay 5 "$player"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
timer_run "$main" 1 "$media"
shot running-timer-mode

within 25 test -f "$player_dir/args" || fail "the player was never started"
staged="$XDG_CACHE_HOME/dozewell-timer/QDX.mp3"
printf '%s\0' "$staged" | cmp -s - "$player_dir/args" || fail "player received: $(tr '\0' '|' < "$player_dir/args")"
cmp -s "$media" "$staged" || fail "the staged copy differs from the chosen file"
within 10 has_window "^Orvo's Dozewell Timer$" || fail "no play report"
shot play-report
close_box "Orvo's Dozewell Timer" "$main"

if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    step "a second start brings the first window forward"
    click_at "$main" 212 408                 # cmdAbout: a window over the main one
    about=$(window_named "^About Dozewell Timer$")
    focus_window "^About Dozewell Timer$"
    on_top_of "$about" "$main" || fail "the About window did not open over the main window"
    "$program" > "$work/out-forward.log" 2>&1 &
    second=$!
    ends_with "$second" 0
    within 10 on_top_of "$main" "$about" || fail "the main window did not come forward"
    cmp -s "$media" "$staged" || fail "the second start touched the staged copy"
fi

step "without a session bus, the lock refuses a second start and touches nothing"
env -u DBUS_SESSION_BUS_ADDRESS "$program" > "$work/out-second.log" 2>&1 &
second=$!
pids+=($second)
within 15 bash -c "xdotool search --onlyvisible --pid $second | grep -q ." || fail "the second instance showed nothing"
shot second-instance
xdotool windowfocus --sync "$(xdotool search --onlyvisible --pid $second | head -1)"
xdotool key Return
ends_with "$second" 1
grep -q "already running" "$work/out-second.log" || fail "the second instance did not say why"
cmp -s "$media" "$staged" || fail "the second instance touched the staged copy"

xdotool windowfocus --sync "$main"
exit_program "$main" "$app"
[ -e "$lock" ] && fail "Exit left the lock behind"
[ -e "$HOME/.config/QtProject.conf" ] && fail "settings were stored"
echo "case 1 passed"

step "case 2: Cancel in the start-up dialog (after a crash left its lock behind)"
printf '999999\ndozewell-timer\n%s\n' "$(hostname)" > "$lock"
"$program" > "$work/out2.log" 2>&1 &
app=$!
pids+=($app)
focus_window "^Winamp Path$"
xdotool key Escape
ends_with "$app" 0
has_window "^Dozewell Timer" && fail "a main window appeared"
[ -e "$lock" ] && fail "Cancel left the lock behind"
echo "case 2 passed"

step "case 3: the window closed through the window manager"
openbox > /dev/null 2>&1 &
wm=$!
pids+=($wm)
within 15 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "the window manager did not start"
"$program" > "$work/out3.log" 2>&1 &
app=$!
pids+=($app)
focus_window "^Winamp Path$"
xdotool type --delay 5 "$player"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
xdotool windowactivate --sync "$(window_named "^Dozewell Timer$")"
xdotool key alt+F4
ends_with "$app" 0
[ -e "$lock" ] && fail "closing the window left the lock behind"
echo "case 3 passed"
echo "3 passed, 0 failed"
