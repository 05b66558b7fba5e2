# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the real-window tests, one script a case. Each runs on a desktop
# of its own: started in any way, a script starts itself again under a session
# bus of its own (dbus-run-session), in an environment cleared of the caller's
# desktop whose home, runtime, settings, cache and data folders lie in a fresh
# work folder and whose system bus is none until the script starts a private
# one; then it opens a virtual X display of its own. Run by hand from a
# desktop, a test so leaves that desktop's bus, display, services and settings
# alone, and sees the same world as under CTest.
#
# Then the moves a person makes in the main window. Each move waits for what
# it does (a field that changes, a window that opens or closes, the caption)
# instead of trusting a pause; a failure saves a picture of the screen and
# lists the windows. Sourced with the program as $1 and an optional
# screenshot folder as $2; DOZEWELL_GRAB names the screen grabber, by default
# the one built beside the program (build/tests/dozewell-grab).
set -u

# Whether this script runs under the dbus-run-session it started for itself:
# the one that took the place of its first start, and so its process id.
on_own_bus() { [ "${DOZEWELL_BUS_RUNNER:-}" = "$PPID" ]; }
if ! on_own_bus; then
    [ -x "${1:-}" ] || { echo "usage: $0 path/to/dozewell-timer [screenshot-folder]" >&2; exit 2; }
    grab=$(readlink -f "${DOZEWELL_GRAB:-$(dirname "$1")/tests/dozewell-grab}")
    [ -x "$grab" ] || { echo "no screen grabber at $grab: build it, or name it in DOZEWELL_GRAB" >&2; exit 2; }
    [ "${DOZEWELL_DEPTH:-0}" -lt 3 ] || { echo "started again and again, never on a bus of its own" >&2; exit 2; }
    work=$(mktemp -d)
    mkdir -p "$work/home" "$work/config" "$work/cache" "$work/data" "$work/run" && chmod 700 "$work/run"
    exec env -i PATH="$PATH" USER="$(id -un)" LOGNAME="$(id -un)" LANG=C.UTF-8 TMPDIR="${TMPDIR:-/tmp}" \
        HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
        XDG_RUNTIME_DIR="$work/run" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system-bus" \
        DOZEWELL_GRAB="$grab" DOZEWELL_FAILURES="${DOZEWELL_FAILURES:-$PWD/realwindow-failures}" \
        DOZEWELL_WM="${DOZEWELL_WM:-}" DOZEWELL_DESKTOP="$work" DOZEWELL_BUS_RUNNER=$$ \
        DOZEWELL_DEPTH=$((${DOZEWELL_DEPTH:-0} + 1)) dbus-run-session -- bash "$0" "$@" 3>&2 2> "$work/out-bus.log"
fi
exec 2>&3 3>&-   # the bus's messages, and those of the services it starts, in out-bus.log

work=$DOZEWELL_DESKTOP
program=$(readlink -f "$1")
shots=${2:-}
grab=$DOZEWELL_GRAB
failures=$DOZEWELL_FAILURES
standins=$(dirname "$0")/standins
pids=()

# At the end: what the script started, then every other client of its buses
# (the services they started when asked, such as the portal and its document
# store, whose files are mounted in the runtime folder), and the work folder.
on_exit=()
cleanup() {
    [ ${#on_exit[@]} -gt 0 ] && "${on_exit[@]}"
    local clients
    mapfile -t clients < <(bus_clients --session; [ -S "$work/system-bus" ] && bus_clients --system)
    end_all "${pids[@]}"
    wait 2>/dev/null
    end_all "${clients[@]}"
    within 5 bash -c "! findmnt -rn -o TARGET | grep -q '^$work/'"
    rm -rf --one-file-system "$work"
}
# Ends the processes $@, killing those that have not ended within 5 s.
end_all() {
    local pid
    for pid in "$@"; do kill "$pid" 2>/dev/null; done
    for pid in "$@"; do within 5 gone "$pid" || kill -KILL "$pid" 2>/dev/null; done
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "windows on the screen:"
    for window in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  $window '$(xdotool getwindowname "$window")' $(xdotool getwindowgeometry "$window" | tr -s '\n ' ' ')"
    done
    local picture
    picture="$failures/$(basename "$0" .sh)-$(date +%Y%m%d-%H%M%S).png"
    mkdir -p "$failures" && "$grab" "$picture" && echo "screen: $picture"
    tail -n 20 "$work"/out*.log 2>/dev/null
    exit 1
}
step() { echo "--- $(date +%T) $*"; }

# Waits up to $1 seconds for the command that follows to succeed.
within() {
    local limit=$1; shift
    local until=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $until ] && return 1
        sleep 0.1
    done
}
# Whether process $1 has ended (or is only waiting to be told it has).
gone() { [ "$(sed -E 's/.*\) (.).*/\1/' "/proc/$1/stat" 2>/dev/null || echo Z)" = Z ]; }
window_named() { xdotool search --onlyvisible --name "$1" | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { ! has_window "$1"; }
shot() { [ -z "$shots" ] || "$grab" "$shots/$1.png"; }

# What the area X Y W H of window $1 shows, as a hash (or with X Y alone, the
# lightness of that pixel); the hashes it shows over a blink of a text cursor;
# and whether it shows none of the hashes $1.
looks() { "$grab" "$@"; }
looks_over_a_blink() { for _ in 1 2 3 4 5 6 7; do looks "$@"; sleep 0.2; done | sort -u; }
looks_other_than() {
    local before=$1 now; shift
    now=$(looks "$@") && ! grep -qx "$now" <<< "$before"
}

# A click at X Y in window $1 ($2 $3), or a press of key $2 where a text
# cursor blinks, and then a wait until the area of that window given after
# them shows something else: the effect of the move.
click_changing() {
    local window=$1 x=$2 y=$3 before; shift 3
    before=$(looks "$window" "$@")
    click_at "$window" "$x" "$y"
    within 10 looks_other_than "$before" "$window" "$@" || fail "the click at $x,$y changed nothing at $*"
}
key_changing() {
    local window=$1 key=$2 before; shift 2
    before=$(looks_over_a_blink "$window" "$@")
    xdotool key "$key"
    within 10 looks_other_than "$before" "$window" "$@" || fail "the key $key changed nothing at $*"
}
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Fails when the program uses more than 5 % of a core over 3 s in a state
# where it may rest all night, named $1: a loop, not a cost.
rests() {
    local before after
    before=$(awk '{print $14 + $15}' /proc/"$app"/stat); sleep 3; after=$(awk '{print $14 + $15}' /proc/"$app"/stat)
    [ $((after - before)) -le $((3 * $(getconf CLK_TCK) * 5 / 100)) ] || fail "$1: $((after - before)) ticks of CPU in 3 s"
}

# The program's wake-ups a second over $1 s: its threads' voluntary context
# switches, each a thread going back to sleep.
switches() { cat /proc/"$app"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
wakeups() { local before; before=$(switches); sleep "$1"; echo $((($(switches) - before) / $1)); }

# Areas of the main window, in its pixels (twips / 15).
txtSS_area=(88 176 25 25)
cmbWhatToDo_area=(32 304 110 21)
txtMp3FileName_area=(32 352 233 19)
action_now=-1   # the entry the action box shows

# Waits for a window titled $1 and gives it the keyboard focus.
focus_window() {
    within 15 has_window "$1" || fail "no window titled $1"
    xdotool windowfocus --sync "$(window_named "$1")"
}

# Chooses $3 in the Open dialog titled "Winamp Path", typed into its name box
# as a person would, and waits for the dialog to close and area $2.. of the
# main window $1 to change.
choose_in_dialog() {
    local main=$1 file=$2; shift 2
    local before
    before=$(looks "$main" "$@")
    focus_window "^Winamp Path$"
    xdotool type --delay 5 "$file"
    xdotool key Return
    within 15 no_window "^Winamp Path$" || fail "the Open dialog stayed open"
    within 10 looks_other_than "$before" "$main" "$@" || fail "the choice of $file did not show"
}

# Sets up a Timer Mode run $4 seconds ahead (12 if not given) in the main
# window $1 with action $2 (0 stop, 1 play) and, for play, the media file $3
# chosen in the Open dialog; then presses Start and waits for the running
# caption, or with $5 "refused" for an ERROR box instead. Sets $target to the
# target time, HH:MM:SS.
timer_run() {
    local main=$1 action=$2 media=${3:-} ahead=${4:-12} refused=${5:-}
    xdotool windowfocus --sync "$main"
    # Tick "Use Timer" early enough in a minute that the seconds ahead do not wrap.
    within 60 bash -c "[ \$(date +%-S) -lt $((50 - ahead)) ]" || fail "clock"
    click_changing "$main" 170 208 "${txtSS_area[@]}"                  # chkUseTimer
    for _ in $(seq "$ahead"); do click_changing "$main" 100 209 "${txtSS_area[@]}"; done   # cmdMoreSS
    click_at "$main" 80 314                                             # cmbWhatToDo's text
    while [ "$action_now" -lt "$action" ]; do key_changing "$main" Down "${cmbWhatToDo_area[@]}"; action_now=$((action_now + 1)); done
    while [ "$action_now" -gt "$action" ]; do key_changing "$main" Up "${cmbWhatToDo_area[@]}"; action_now=$((action_now - 1)); done
    if [ -n "$media" ]; then
        click_at "$main" 292 360                                        # cmdMp3File
        choose_in_dialog "$main" "$media" "${txtMp3FileName_area[@]}"
        xdotool windowfocus --sync "$main"
    fi
    click_at "$main" 52 408                                             # cmdStart
    [ "$refused" = refused ] && { within 10 has_window "^ERROR$" || fail "Start was not refused"; return; }
    within 10 bash -c "xdotool getwindowname $main | grep -Eq '^Dozewell Timer [0-9]{2}:[0-9]{2}:[0-9]{2}$'" \
        || fail "running caption was '$(xdotool getwindowname "$main")'"
    target=$(xdotool getwindowname "$main" | cut -d' ' -f3)
    [[ "$(date +%H:%M:%S)" < "$target" ]] || fail "the set-up took until after its target $target"
    echo "caption: Dozewell Timer $target"
}

# Presses cmdStart, or cmdStop in its place, and waits for the caption $1.
# It waits out a double click first: a press that comes within a double
# click's time of the one that swapped the two buttons counts with it.
start_or_pause() {
    sleep 0.5
    click_at "$main" 52 408
    within 10 bash -c "xdotool getwindowname $main | grep -Eqx '$1'" || fail "no caption $1"
}

# Closes the message box titled $1 with Enter and gives the focus back to $2.
close_box() {
    focus_window "^$1\$"
    xdotool key Return
    within 10 no_window "^$1\$" || fail "box $1 stayed open"
    xdotool windowfocus --sync "$2"
}

# Starts the program, output to $work/out$1.log, and waits for its main
# window, found without asking for the player; sets $app and $main.
start_program() {
    "$program" > "$work/out$1.log" 2>&1 &
    app=$!
    pids+=("$app")
    within 15 has_window "^Dozewell Timer$" || fail "no main window"
    has_window "^Winamp Path$" && fail "the start-up dialog opened"
    main=$(window_named "^Dozewell Timer$")
    action_now=-1
}

# Sets up a Counter Mode run of $1 minutes that stops the player, in a main
# window just started, and starts it.
counter_run() {
    click_changing "$main" 170 72 56 40 25 25                            # chkUseCounter
    for _ in $(seq "$1"); do click_changing "$main" 68 73 56 40 25 25; done   # cmdMoreMMCounter
    click_at "$main" 80 314                                              # cmbWhatToDo: Shutdown Winamp
    key_changing "$main" Down "${cmbWhatToDo_area[@]}"
    action_now=0
    start_or_pause 'Dozewell Timer [0-9]+:[0-9]+'
}

# Presses Exit in the main window $1 and checks that process $2 ends with 0.
exit_program() {
    click_at "$1" 292 408                # cmdClose
    ends_with "$2" 0
}

# Waits for process $1 to end and checks its status is $2.
ends_with() {
    within 10 gone "$1" || fail "process $1 did not end"
    wait "$1"; local status=$?
    [ "$status" -eq "$2" ] || fail "process $1 ended with status $status, not $2"
}

# The stand-in player at $1/winamp.exe: records its arguments, NUL-separated,
# beside itself (args), and a line for each start (starts); lingers 3 s when
# a file "linger" lies beside it; padded to a size inside the player file check.
make_player() {
    mkdir -p "$1"
    {
        printf '#!/bin/sh\necho >> "$(dirname "$0")/starts"\nprintf "%%s\\0" "$@" > "$(dirname "$0")/args.part" && mv "$(dirname "$0")/args.part" "$(dirname "$0")/args"\n[ -e "$(dirname "$0")/linger" ] && sleep 3\nexit 0\n'
        head -c 1000000 /dev/zero | tr '\0' '#'
    } > "$1/winamp.exe"
    chmod +x "$1/winamp.exe"
}
# The stand-in player where Winamp installs in Wine's drive C:, so that the
# program finds it without asking; sets $default_dir.
player_in_wine() {
    export WINEPREFIX="$work/prefix"
    default_dir="$WINEPREFIX/dosdevices/c:/Program Files/Winamp"
    make_player "$default_dir"
}

# The desktop's services ------------------------------------------------------
# The process id of the owner of name $2 on bus $1 (--session or --system),
# and whether it is $3.
owner() {
    gdbus call "$1" --dest org.freedesktop.DBus --object-path / --method \
        org.freedesktop.DBus.GetConnectionUnixProcessID "$2" 2>/dev/null | sed -nE 's/^\(uint32 ([0-9]+),\)$/\1/p'
}
owned_by() { [ "$(owner "$1" "$2")" = "$3" ]; }
# The process ids of every client of bus $1 (--session or --system).
bus_clients() {
    local name
    for name in $(gdbus call "$1" --dest org.freedesktop.DBus --object-path / --method org.freedesktop.DBus.ListNames \
        2>/dev/null | grep -o "':[0-9.]*'" | tr -d "'"); do
        owner "$1" "$name"
    done | sort -u
}

# Starts the command $3.. and waits until it owns the name $2 on bus $1
# (--session or --system); its output goes to $work/out-<name>.log. Sets
# $served to its process id.
serve() {
    local bus=$1 name=$2; shift 2
    "$@" > "$work/out-$name.log" 2>&1 &
    served=$!
    pids+=("$served")
    within 10 owned_by "$bus" "$name" "$served" || fail "$name did not come on the bus: $(tail -n 5 "$work/out-$name.log")"
}

# A stand-in from a python3-dbusmock template: one of its own (logind,
# upower, ...) or a file $1.py in standins/, with the template's parameters as
# JSON in $2, on the bus and under the name the template gives. Its calls are
# logged to $work/$1.log. Sets $stand_in to its process id.
stand_in() {
    local template=$1 parameters=${2:-'{}'} name bus
    [ -f "$standins/$1.py" ] && template=$standins/$1.py
    read -r name bus < <(/usr/bin/python3 -c "import sys, dbusmock.mockobject as m; t = m.load_module(sys.argv[1]); \
print(t.BUS_NAME, '--system' if t.SYSTEM_BUS else '--session')" "$template") || fail "no template $template"
    serve "$bus" "$name" /usr/bin/python3 -m dbusmock "$bus" --template "$template" -p "$parameters" -l "$work/$1.log"
    # shellcheck disable=SC2034 # for the scripts
    stand_in=$served
}

# A system bus of the script's own, at the address its environment names
# (none is there until this starts it), with logind's stand-in on it.
private_system_bus() {
    pids+=("$(dbus-daemon --session --address="$DBUS_SYSTEM_BUS_ADDRESS" --fork --print-pid)")
    stand_in logind
}

# Changes the environment that the session bus gives the services it starts
# to the values of the variables named; only ever on the script's own bus.
activation_environment() {
    on_own_bus || fail "not on the test's own session bus"
    dbus-update-activation-environment "$@" || fail "the bus's activation environment did not change"
}

# A window manager (Openbox) on the virtual display, once it manages it.
window_manager() {
    openbox > "$work/out-openbox.log" 2>&1 &
    pids+=($!)
    within 15 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "the window manager did not start"
}

# A virtual display of our own, which stays as it is when its last window
# closes (a server that resets then refuses a program that starts meanwhile).
exec 5< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
pids+=($!)
read -r -t 10 display <&5 || fail "Xvfb did not start"
export DISPLAY=":$display"
# For pictures with title bars, a window manager may be named (say twm).
if [ -n "${DOZEWELL_WM:-}" ]; then
    $DOZEWELL_WM >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
