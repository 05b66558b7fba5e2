#!/bin/bash
# Works the built program in a real X window as a person would: answers the
# start-up dialog with a stand-in player, sets up a Timer Mode run that plays
# a media file, and checks what the player received. A second case cancels
# the start-up dialog. Usage: run.sh path/to/dozewell-timer [screenshot-folder]
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

step "case 1: a Timer Mode run that plays a file"
"$program" > "$work/out1.log" 2>&1 &
app=$!
pids+=($app)
within 15 has_window "^Winamp Path$" || fail "no start-up dialog"
dialog=$(window_named "^Winamp Path$")
shot startup-dialog
xdotool windowfocus --sync "$dialog"
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

step "a second instance leaves the first one's staged copy alone"
"$program" > "$work/out-second.log" 2>&1 &
second=$!
pids+=($second)
within 15 bash -c "xdotool search --onlyvisible --pid $second | grep -q ." || fail "the second instance showed nothing"
shot second-instance
xdotool windowfocus --sync "$(xdotool search --onlyvisible --pid $second | head -1)"
xdotool key Return
within 10 bash -c "! kill -0 $second" || fail "the second instance did not end"
wait "$second"; status=$?
[ "$status" -eq 1 ] || fail "the second instance ended with status $status"
grep -q "already running" "$work/out-second.log" || fail "the second instance did not say why"
cmp -s "$media" "$staged" || fail "the second instance touched the staged copy"

xdotool windowfocus --sync "$main"
exit_program "$main" "$app"
[ -e "$HOME/.config/QtProject.conf" ] && fail "settings were stored"
echo "case 1 passed"

step "case 2: Cancel in the start-up dialog (after a crash left its lock behind)"
printf '999999\ndozewell-timer\n%s\n' "$(hostname)" > "$XDG_CACHE_HOME/dozewell-timer/instance.lock"
"$program" > "$work/out2.log" 2>&1 &
app=$!
pids+=($app)
within 15 has_window "^Winamp Path$" || fail "no start-up dialog"
xdotool windowfocus --sync "$(window_named "^Winamp Path$")"
xdotool key Escape
within 10 bash -c "! kill -0 $app" || fail "Cancel did not end the program"
wait "$app"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Cancel"
has_window "^Dozewell Timer" && fail "a main window appeared"
echo "case 2 passed"
echo "2 passed, 0 failed"
