#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeping awake on GNOME's own session: Debian's gnome-session (a session of
# nothing but the session manager, found through XDG_DATA_DIRS, with logind's
# stand-in on a private system bus, the real portal activatable on the bus as
# on a desktop). During a Counter Mode run it lists one inhibitor, whose
# desktop id is the program's, whose flags are suspend and whose window is the
# program's, and suspend is inhibited; after Pause, and after Exit in
# mid-run, none.
# Usage: gnome-session.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

player_in_wine
private_system_bus
mkdir -p "$work/session-data/gnome-session/sessions" "$work/session-config"
printf '[GNOME Session]\nName=dozewell\nRequiredComponents=\n' > "$work/session-data/gnome-session/sessions/dozewell.session"
XDG_DATA_DIRS="$work/session-data:/usr/share" XDG_CONFIG_DIRS="$work/session-config" /usr/libexec/gnome-session-binary \
    --builtin --session=dozewell --disable-acceleration-check > "$work/out-session.log" 2>&1 &
pids+=($!)
inhibitors() { "$standins/session_inhibitors.py"; }   # each inhibitor's desktop id, flags and window; suspend inhibited
export -f inhibitors && export standins   # for "within"
within 15 inhibitors || fail "gnome-session did not start"
start_program ""
held="io.github.dozewell.DozewellTimer 4 $main
1"
for end in pause exit; do
    [ $end = pause ] && counter_run 1 || start_or_pause 'Dozewell Timer 0:[0-9]+'
    within 5 bash -c "[ \"\$(inhibitors)\" = '$held' ]" || fail "gnome-session holds: $(inhibitors)"
    if [ $end = pause ]; then start_or_pause 'Dozewell Timer'; else exit_program "$main" "$app"; fi
    within 5 bash -c "[ \"\$(inhibitors)\" = 0 ]" || fail "after $end gnome-session still holds: $(inhibitors)"
done
grep "could not be kept awake" "$work/out.log" && fail "a held inhibition was reported as failed"
echo "passed"
