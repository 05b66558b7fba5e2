#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in a headless GNOME Shell (on logind's stand-in on a private
# system bus, the menu entry in a private XDG_DATA_HOME and the program in
# PATH, as an installed one is), under Xwayland, natively on Wayland and
# started from the dash: the shell ties the window to
# io.github.dozewell.DozewellTimer.desktop, the window has its fixed size and
# can be neither resized nor maximized, and a second start from the dash
# brings it forward over another program's window, with no startup notice
# left behind.
# Usage: gnome-shell.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

player_in_wine
private_system_bus
mkdir -p "$work/bin" "$XDG_DATA_HOME/applications" && ln -s "$program" "$work/bin/"
cp "$(dirname "$0")/../../packaging/io.github.dozewell.DozewellTimer.desktop" "$XDG_DATA_HOME/applications/"
env -u DISPLAY PATH="$work/bin:$PATH" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME \
    gnome-shell --headless --wayland --unsafe-mode --virtual-monitor 1024x768 > "$work/out-shell.log" 2>&1 &
export shell_pid=$! script_pid=$$
pids+=("$shell_pid")
# The program's processes started by this script or the shell, not by other tests on this machine.
our_programs() { pgrep -x -P "$script_pid,$shell_pid" dozewell-timer; }
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
    step "on $platform"
    if [ $platform = dash ]; then
        from_the_dash >/dev/null
        within 15 bash -c "[ -n \"\$(our_programs)\" ]" && app=$(our_programs)
    else
        XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=$platform "$program" > "$work/out-$platform.log" 2>&1 &
        app=$!
    fi
    pids+=("$app")
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
    pids+=("$other")
    within 10 bash -c "[ \"\$(on_top)\" = $other ]" || fail "the other window did not come over the program's"
    from_the_dash >/dev/null
    within 10 bash -c "[ \"\$(on_top)\" = $app ] && seen | grep -q ' true\$' && [ \$(starting) = 0 ]" \
        || fail "a second start on $platform did not bring the window forward, or still starts"
    within 5 bash -c "[ \$(our_programs | wc -l) = 1 ]" || fail "the second start went on running"
    kill "$other" "$app"
    wait "$app" 2>/dev/null
done
echo "passed"
