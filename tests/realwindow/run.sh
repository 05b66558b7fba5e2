#!/bin/bash
# Works the built program in a real X window as a person would: answers the
# start-up dialog with a stand-in player, sets up a Timer Mode run that plays
# a media file, and checks what the player received. A second case cancels
# the start-up dialog. Usage: run.sh path/to/dozewell-timer [screenshot-folder]
set -u
program=$(readlink -f "$1")
shots=${2:-}
work=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work"/out*.log 2>/dev/null; exit 1; }
step() { echo "--- $*"; }

# Waits up to $1 seconds for the command that follows to succeed.
within() {
    local limit=$1; shift
    local until=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $until ] && return 1
        sleep 0.1
    done
}
window_named() { xdotool search --onlyvisible --name "$1" | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
shot() { [ -n "$shots" ] && command -v import >/dev/null && import -window root "$shots/$1.png"; }

# A virtual display of our own.
exec 5< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r -t 10 display <&5 || fail "Xvfb did not start"
export DISPLAY=":$display"
# For pictures with title bars, a window manager may be named (say twm).
if [ -n "${DOZEWELL_WM:-}" ]; then
    HOME="$work" $DOZEWELL_WM >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
export HOME="$work/home" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

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
xdotool windowfocus --sync "$main"
sleep 0.5

# Tick "Use Timer" early in a minute, so a few seconds ahead do not wrap.
within 30 bash -c '[ $(date +%-S) -lt 40 ]' || fail "clock"
click_at "$main" 170 208             # chkUseTimer
for _ in 1 2 3 4 5 6 7 8 9 10 11 12; do click_at "$main" 100 209; done   # cmdMoreSS
click_at "$main" 80 314              # cmbWhatToDo
xdotool key Down Down
sleep 0.3
click_at "$main" 292 360             # cmdMp3File
within 10 has_window "^Winamp Path$" || fail "no media dialog"
dialog=$(window_named "^Winamp Path$")
xdotool windowfocus --sync "$dialog"
xdotool type --delay 5 "$media"
xdotool key Return
within 10 bash -c "! xdotool search --onlyvisible --name '^Winamp Path$'" || fail "media dialog stayed open"
xdotool windowfocus --sync "$main"
click_at "$main" 52 408              # cmdStart
caption=$(xdotool getwindowname "$main")
[[ "$caption" =~ ^Dozewell\ Timer\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || fail "running caption was '$caption'"
echo "caption: $caption"
shot running-timer-mode

within 25 test -f "$player_dir/args" || fail "the player was never started"
staged="$XDG_CACHE_HOME/dozewell-timer/QDX.mp3"
printf '%s\0' "$staged" | cmp -s - "$player_dir/args" || fail "player received: $(tr '\0' '|' < "$player_dir/args")"
cmp -s "$media" "$staged" || fail "the staged copy differs from the chosen file"
within 10 has_window "^Orvo's Dozewell Timer$" || fail "no play report"
shot play-report
report=$(window_named "^Orvo's Dozewell Timer$")
xdotool windowfocus --sync "$report"
xdotool key Return
within 10 bash -c "! xdotool search --onlyvisible --name \"^Orvo's Dozewell Timer$\"" || fail "report stayed open"

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
click_at "$main" 292 408             # cmdClose
within 10 bash -c "! kill -0 $app" || fail "Exit did not end the program"
wait "$app"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
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
