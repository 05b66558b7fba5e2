# Shared by the real-window tests: a virtual X display of their own, a work
# folder, and the moves a person makes in the main window. Sourced with the
# program as $1 and an optional screenshot folder as $2.
set -u
program=$(readlink -f "$1")
shots=${2:-}
work=$(mktemp -d)
pids=()

on_exit=()
cleanup() {
    [ ${#on_exit[@]} -gt 0 ] && "${on_exit[@]}"
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

# Sets up a Timer Mode run $4 seconds ahead (12 if not given) in the main
# window $1 with action $2 (0 stop, 1 play) and, for play, the media file $3
# chosen in the Open dialog; then presses Start and checks the running caption.
timer_run() {
    local main=$1 action=$2 media=${3:-} ahead=${4:-12}
    xdotool windowfocus --sync "$main"
    sleep 0.5
    # Tick "Use Timer" early enough in a minute that the seconds ahead do not wrap.
    within 60 bash -c "[ \$(date +%-S) -lt $((52 - ahead)) ]" || fail "clock"
    click_at "$main" 170 208             # chkUseTimer
    for _ in $(seq "$ahead"); do click_at "$main" 100 209; done   # cmdMoreSS
    click_at "$main" 80 314              # cmbWhatToDo
    # From no entry or either entry: Down Up lands on the first, Down Down on the second.
    if [ "$action" -eq 1 ]; then xdotool key Down Down Return; else xdotool key Down Up Return; fi
    sleep 0.3
    if [ -n "$media" ]; then
        click_at "$main" 292 360         # cmdMp3File
        within 10 has_window "^Winamp Path$" || fail "no media dialog"
        xdotool windowfocus --sync "$(window_named "^Winamp Path$")"
        xdotool type --delay 5 "$media"
        xdotool key Return
        within 10 bash -c "! xdotool search --onlyvisible --name '^Winamp Path$'" || fail "media dialog stayed open"
        xdotool windowfocus --sync "$main"
    fi
    click_at "$main" 52 408              # cmdStart
    local caption
    caption=$(xdotool getwindowname "$main")
    [[ "$caption" =~ ^Dozewell\ Timer\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || fail "running caption was '$caption'"
    echo "caption: $caption"
}

# Closes the message box titled $1 with Enter and gives the focus back to $2.
close_box() {
    within 10 has_window "^$1\$" || fail "no box titled $1"
    xdotool windowfocus --sync "$(window_named "^$1\$")"
    xdotool key Return
    within 10 bash -c "! xdotool search --onlyvisible --name \"^$1\$\"" || fail "box $1 stayed open"
    xdotool windowfocus --sync "$2"
}

# Presses Exit in the main window $1 and checks that process $2 ends with 0.
exit_program() {
    click_at "$1" 292 408                # cmdClose
    within 10 bash -c "! kill -0 $2" || fail "Exit did not end the program"
    wait "$2"; local status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}
