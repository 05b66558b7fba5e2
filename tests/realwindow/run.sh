#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Works the built program in a real X window as a person would: answers the
# start-up dialog with a stand-in player, sets up a Timer Mode run that plays
# a media file, and checks what the player received. A second start brings
# the first window forward over the session bus, or, without one, is refused
# by the lock; neither touches the first one's copy. Then the ways the
# program ends: Exit, Cancel at start-up, and closing the window through the
# window manager; each with status 0 and its lock released. Last, with
# stand-ins of the desktop's services on the session bus, the computer is kept
# awake while a run waits, and a target that passed while the program could
# not run is acted on as soon as it runs again. Last, in a headless GNOME
# Shell, under Xwayland, natively on Wayland and as started from the dash:
# the shell ties the window to its menu entry, the window has its fixed size,
# and a second start brings it forward over another program's window. Then the
# window follows GNOME's dark style, and the light one, through the real portal.
# Usage: run.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

# The stand-in player: records its arguments, NUL-separated, beside itself,
# and a line for each start; padded to a size inside the player file check.
player_dir="$work/My Player; \$(x)"
mkdir -p "$player_dir"
player="$player_dir/winamp.exe"
{
    printf '#!/bin/sh\necho >> "$(dirname "$0")/starts"\nprintf "%%s\\0" "$@" > "$(dirname "$0")/args.part" && mv "$(dirname "$0")/args.part" "$(dirname "$0")/args"\n[ -e "$(dirname "$0")/linger" ] && sleep 3\nexit 0\n'
    head -c 1000000 /dev/zero | tr '\0' '#'
} > "$player"
chmod +x "$player"
mkdir -p "$work/music"
media="$work/music/night song.mp3"
head -c 50000 /dev/urandom > "$media"
lock="$XDG_RUNTIME_DIR/dozewell-timer.lock"
xvfb_display=$DISPLAY test_bus=${DBUS_SESSION_BUS_ADDRESS:-}
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
dialog_buttons=(520 347 92 54)   # the Open dialog's Open and Cancel, Qt's own texts
english_buttons=$(looks "$(window_named "^Winamp Path$")" "${dialog_buttons[@]}")
rests "the Open dialog"
xdotool type --delay 5 "$player"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
buttons=(8 392 329 33)   # Start!, Hide, About and Exit
english_captions=$(looks "$main" "${buttons[@]}")
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

if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
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
[ "$(grep -c "could not be kept awake" "$work/out1.log")" -eq 1 ] || fail "no one line on the desktop's missing services"
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

step "in German: the program's texts and Qt's, and still the English stop words for the player"
LANG=de_DE.UTF-8 LANGUAGE= "$program" > "$work/out-de.log" 2>&1 &
app=$!
pids+=($app)
focus_window "^Winamp-Pfad$"
looks_other_than "$english_buttons" "$(window_named "^Winamp-Pfad$")" "${dialog_buttons[@]}" \
    || fail "the Open dialog's buttons are not Qt's German ones"
xdotool type --delay 5 "$player"
xdotool key Return
within 10 has_window "^Dozewell Timer$" || fail "no main window after the dialog"
main=$(window_named "^Dozewell Timer$")
looks_other_than "$english_captions" "$main" "${buttons[@]}" || fail "the captions are not German"
action_now=-1
click_at "$main" 52 408                  # cmdStart, nothing chosen
close_box FEHLER "$main"
rm -f "$player_dir/args" "$player_dir/linger"
timer_run "$main" 0 "" 4
within 15 test -f "$player_dir/args" || fail "the player was never started"
printf '%s\0' Winamp was terminated by "Orvo's" Timer... | cmp -s - "$player_dir/args" \
    || fail "player received: $(tr '\0' '|' < "$player_dir/args")"
close_box "Orvo's Timer" "$main"
exit_program "$main" "$app"
echo "German passed"

step "case 4: the computer is kept awake while a run waits"
# The portal's stand-in, answering at-once, late or refusing ($1), in the
# place of the one before; the path of its last request in $work/request.
portal() {
    [ -n "${portal:-}" ] && kill "$portal" && wait "$portal" 2>/dev/null
    stand_in portal "{\"answer\": \"$1\", \"request\": \"$work/request\"}"
    portal=$stand_in
}
logged() { within 5 bash -c "[ \$(grep -c -e '$2' '$work/$1.log') -eq $3 ]"; }   # stand-in $1 logged line $2 $3 times
reason='"Dozewell Timer stops the player at [0-9:]*"'
start_or_pause() {   # cmdStart, or cmdStop in its place; waits for caption $1
    click_at "$main" 52 408
    within 10 bash -c "xdotool getwindowname $main | grep -Eqx '$1'" || fail "no caption $1"
}

export WINEPREFIX="$work/prefix"   # the player at its default place: no dialog asks
default_dir="$WINEPREFIX/dosdevices/c:/Program Files/Winamp"
mkdir -p "$default_dir" && cp "$player" "$default_dir/"
portal late
start_program 4
rests "the idle window"
idle=$(wakeups 3)
click_at "$main" 52 408                  # cmdStart with nothing chosen
focus_window "^ERROR$"
rests "an ERROR box"
close_box ERROR "$main"
click_changing "$main" 170 72 56 40 25 25                                # chkUseCounter
click_changing "$main" 68 73 56 40 25 25                                 # cmdMoreMMCounter
click_at "$main" 80 314                                                  # cmbWhatToDo: Shutdown Winamp
key_changing "$main" Down "${cmbWhatToDo_area[@]}"
action_now=0
start_or_pause 'Dozewell Timer 0:[0-9]+'   # the portal last: no session manager, no power manager here
logged portal "Inhibit \"x11:[0-9a-f]*\" 4 {\"handle_token\": \"dozewell[0-9]*\", \"reason\": $reason}\$" 1 \
    || fail "no Inhibit"
start_or_pause 'Dozewell Timer'   # before the portal's answer: the request it brings is closed
logged portal 'Close$' 1 || fail "Pause did not close the portal's request"
cannot() { within 5 bash -c "[ \$(grep -c 'could not be kept awake' '$work/out4.log') -eq $1 ]"; }
cannot 0 || fail "a pending answer was reported as failed"

step "a portal that refuses, before its reply, leaves one line; the power manager comes before the portal"
portal refusing
start_or_pause 'Dozewell Timer 0:[0-9]+'
logged portal 'Close$' 1 && cannot 1 || fail "the refusal did not close the request and leave one line"
grep -q "refused it with response 2" "$work/out4.log" || fail "the line does not say why"
start_or_pause 'Dozewell Timer'
stand_in power_manager
power=$stand_in
stand_in screen_saver
screen_saver=$stand_in
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

step "on GNOME's own session: Debian's gnome-session holds the run under the desktop id, until Pause or Exit"
kill "$portal" "$screen_saver"   # the desktop's own portal may start, as on a desktop
# The session manager needs a system bus: logind's stand-in on a private one.
bus() { dbus-daemon --session --address="unix:path=$1" --fork --print-pid; }
pids+=("$(bus "$work/system")")
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system"
stand_in logind
# A session of nothing but the session manager, found where it looks for sessions.
mkdir -p "$work/data/gnome-session/sessions" "$work/config"
printf '[GNOME Session]\nName=dozewell\nRequiredComponents=\n' > "$work/data/gnome-session/sessions/dozewell.session"
XDG_DATA_DIRS="$work/data:/usr/share" XDG_CONFIG_DIRS="$work/config" /usr/libexec/gnome-session-binary --builtin \
    --session=dozewell --disable-acceleration-check > "$work/out-session.log" 2>&1 &
session=$!
pids+=($session)
# Each inhibitor's desktop id, flags and window, and whether suspend is inhibited.
inhibitors() { "$standins/session_inhibitors.py"; }   # each inhibitor's desktop id, flags and window; suspend inhibited
export -f inhibitors && export standins   # for "within"
within 15 inhibitors || fail "gnome-session did not start"
start_program 6
click_changing "$main" 170 72 56 40 25 25                                # chkUseCounter
click_changing "$main" 68 73 56 40 25 25                                 # cmdMoreMMCounter
click_at "$main" 80 314                                                  # cmbWhatToDo: Shutdown Winamp
key_changing "$main" Down "${cmbWhatToDo_area[@]}"
held="io.github.dozewell.DozewellTimer 4 $main
1"
for end in pause exit; do
    start_or_pause 'Dozewell Timer 0:[0-9]+'
    within 5 bash -c "[ \"\$(inhibitors)\" = '$held' ]" || fail "gnome-session holds: $(inhibitors)"
    if [ $end = pause ]; then start_or_pause 'Dozewell Timer'; else exit_program "$main" "$app"; fi
    within 5 bash -c "[ \"\$(inhibitors)\" = 0 ]" || fail "after $end gnome-session still holds: $(inhibitors)"
done
grep "could not be kept awake" "$work/out6.log" && fail "a held inhibition was reported as failed"
kill "$session"
echo "case 4 passed"

step "case 5: in GNOME Shell, under Xwayland, natively on Wayland and as started from the dash"
# The shell, headless, on logind's stand-in on the private system bus above,
# and on a session bus of its own. Its programs find the menu entry in a
# private XDG_DATA_HOME and the program in PATH, as an installed one is.
gnome="$work/gnome"
mkdir -p "$gnome/bin" "$gnome/data/applications" && ln -s "$program" "$gnome/bin/"
cp "$(dirname "$0")/../../packaging/io.github.dozewell.DozewellTimer.desktop" "$gnome/data/applications/"
pids+=("$(bus "$gnome/session")")
export DBUS_SESSION_BUS_ADDRESS="unix:path=$gnome/session"
env -u DISPLAY PATH="$gnome/bin:$PATH" XDG_DATA_HOME="$gnome/data" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME \
    gnome-shell --headless --wayland --unsafe-mode --virtual-monitor 1024x768 > "$work/out-shell.log" 2>&1 &
export shell_pid=$! script_pid=$$
pids+=($shell_pid)
# The program's processes started by this script or the shell, not by other tests on this machine.
our_programs() { pgrep "$@" -x -P "$script_pid,$shell_pid" dozewell-timer; }
shell() {   # what the shell's JavaScript $1 gives
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "$1" \
        | sed -E "s/^\(true, '(.*)'\)$/\1/; s/^\"(.*)\"$/\1/"
}
export -f shell   # for "within"
within 30 bash -c "shell 'imports.gi.GLib.getenv(\"DISPLAY\")' | grep -q '^:' && ls '$XDG_RUNTIME_DIR'/.mutter-Xwaylandauth.*" \
    || fail "GNOME Shell did not start"
export DISPLAY WAYLAND_DISPLAY XAUTHORITY
DISPLAY=$(shell "imports.gi.GLib.getenv('DISPLAY')") WAYLAND_DISPLAY=$(shell "imports.gi.GLib.getenv('WAYLAND_DISPLAY')")
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
# The program's windows, as the shell sees them: "pid app size resizable X11 focused", and
# the pid of the window on top.
ours="global.get_window_actors().map(a => a.meta_window).filter(w => w.get_title().startsWith('Dozewell Timer'))"
seen() { shell "$ours.map(w => [w.get_pid(), imports.gi.Shell.WindowTracker.get_default().get_window_app(w).get_id(), \
w.get_frame_rect().width + 'x' + w.get_frame_rect().height, w.can_maximize() || w.allows_resize(), w.get_client_type() == 1, w.has_focus()].join(' ')).join()"; }
on_top() { shell "global.display.sort_windows_by_stacking(global.get_window_actors().map(a => a.meta_window).filter(w => \
w.get_window_type() == 0)).pop().get_pid()"; }
starting() { shell "imports.gi.Shell.WindowTracker.get_default().get_startup_sequences().length"; }   # the shell's spinners
export -f seen on_top starting our_programs && export ours
from_the_dash() { shell "imports.gi.Shell.AppSystem.get_default().lookup_app('io.github.dozewell.DozewellTimer.desktop').launch(global.display.get_current_time_roundtrip(), -1, 0); 1"; }
for platform in xcb wayland dash; do
    if [ $platform = dash ]; then
        from_the_dash >/dev/null
        within 15 bash -c "[ -n \"\$(our_programs)\" ]" && app=$(our_programs)
    else
        XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=$platform "$program" > "$work/out5-$platform.log" 2>&1 &
        app=$!
    fi
    pids+=($app)
    within 15 bash -c "[ -n \"\$(seen)\" ]" || fail "no window in the shell on $platform"
    shell 'Main.overview.hide(); 1' > /dev/null
    within 5 bash -c "seen | grep -q ' true\$' && [ \$(starting) = 0 ]" || fail "the window did not take the focus, or still starts"
    read -r pid id size resizable x11 _ <<< "$(seen)"
    [ "$pid $id $resizable" = "$app io.github.dozewell.DozewellTimer.desktop false" ] || fail "on $platform the shell saw: $(seen)"
    [ $platform = wayland ] || [ "$x11 $size" = "true 345x478" ] || fail "on $platform the shell saw: $(seen)"
    [ -z "$shots" ] || gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$shots/gnome-$platform.png" > /dev/null
    "$standins/another_window.py" 2>/dev/null &
    other=$!
    pids+=($other)
    within 10 bash -c "[ \"\$(on_top)\" = $other ]" || fail "the other window did not come over the program's"
    from_the_dash >/dev/null
    within 10 bash -c "[ \"\$(on_top)\" = $app ] && seen | grep -q ' true\$' && [ \$(starting) = 0 ]" \
        || fail "a second start on $platform did not bring the window forward, or still starts"
    within 5 bash -c "[ \$(our_programs -c) = 1 ]" || fail "the second start went on running"
    kill "$other" "$app"
    wait "$app" 2>/dev/null
done
echo "case 5 passed"

step "case 6: the desktop's dark style from its own settings portal, read at start and followed when it changes"
export DISPLAY=$xvfb_display DBUS_SESSION_BUS_ADDRESS=$test_bus && unset WAYLAND_DISPLAY XAUTHORITY
# GNOME's setting in a file that the portal's GTK back end reads; the bus starts both anew when the program asks.
export GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$work/config" XDG_CURRENT_DESKTOP=GNOME
for name in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk; do
    owner=$(gdbus call --session --dest org.freedesktop.DBus --object-path / --method \
        org.freedesktop.DBus.GetConnectionUnixProcessID "$name" 2>/dev/null | sed -E 's/.* ([0-9]+),\)/\1/')
    [ -n "$owner" ] && kill "$owner" && within 5 bash -c "! kill -0 $owner"
done
dbus-update-activation-environment GSETTINGS_BACKEND XDG_CONFIG_HOME XDG_CURRENT_DESKTOP DISPLAY
gsettings set org.gnome.desktop.interface color-scheme prefer-dark
start_program 6
background() { "$grab" "$main" 3 220; } && export -f background && export grab main   # left of the window's frame
within 5 bash -c '[ "$(background)" -lt 80 ]' || fail "the window is not dark in the dark style: $(background)"
shot dark-style
gsettings set org.gnome.desktop.interface color-scheme prefer-light   # the portal notices within a second or two
within 3 bash -c '[ "$(background)" -gt 200 ]' || fail "the window did not turn light: $(background)"
shot light-style
exit_program "$main" "$app"
echo "case 6 passed"
echo "6 passed, 0 failed"
