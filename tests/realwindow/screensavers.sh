#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Behind the real light-locker (it tells its state on the session bus; run
# unpacked from its package, without LightDM) and the real xscreensaver (only
# on the X root window), under Openbox: a visible Counter Mode run's caption
# waits while the screen is blanked and catches up after, its wake-ups stay
# within a wide bound (bench/run measures them), and a Timer Mode target that
# comes behind xscreensaver starts the player on time.
. "$(dirname "$0")/common.sh"

command -v openbox > /dev/null || { echo "no openbox here (tools/install-deps --test installs it): not tried"; exit 77; }
window_manager
private_system_bus
player_in_wine
locker=${DOZEWELL_LIGHT_LOCKER:-/usr/local/lib/dozewell-tests/light-locker}
login1() { gdbus call --system -d org.freedesktop.login1 -o /org/freedesktop/login1 -m "$@" > /dev/null; }
login1 org.freedesktop.DBus.Mock.AddSession c1 seat0 "$(id -u)" "$(id -un)" true
login1 org.freedesktop.DBus.Mock.AddMethod org.freedesktop.login1.Manager GetSessionByPID u o \
    'ret = dbus.ObjectPath("/org/freedesktop/login1/session/c1")'
export XDG_SESSION_ID=c1 XDG_SESSION_PATH=/org/freedesktop/DisplayManager/Session0 GSETTINGS_BACKEND=memory \
    GSETTINGS_SCHEMA_DIR="$work/schemas"
mkdir -p "$work/schemas" && cp "$locker"/usr/share/glib-2.0/schemas/*.xml "$work/schemas/" 2> /dev/null
glib-compile-schemas "$work/schemas" 2> /dev/null
printf 'mode: blank\nlock: False\nsplash: False\nfade: False\nunfade: False\n' > "$HOME/.xscreensaver"

for saver in "$locker/usr/bin/light-locker" xscreensaver; do
    command -v "$saver" > /dev/null || { echo "no ${saver##*/} here (tools/install-deps --test has it): not tried"; continue; }
    step "behind ${saver##*/}"
    "$saver" $([ $saver = xscreensaver ] || echo --late-locking --lock-after-screensaver=3600) > "$work/saver.log" 2>&1 &
    saver_pid=$!
    pids+=($saver_pid)
    active="gdbus call --session -d org.freedesktop.ScreenSaver -o /org/freedesktop/ScreenSaver \
        -m org.freedesktop.ScreenSaver.GetActive | grep -q true" on=-a off=-d
    [ $saver = xscreensaver ] && active="xscreensaver-command -time | grep -q ' blanked'" on=-activate off=-deactivate
    sleep 2
    start_program "${saver##*/}"
    idle=$(wakeups 3)
    counter_run 5
    within 10 bash -c "$saver-command $on > /dev/null; sleep 1; $active" || fail "${saver##*/} did not blank the screen: $(tail -3 "$work/saver.log")"
    sleep 2
    blanked=$(xdotool getwindowname "$main") resting=$(wakeups 3)
    echo "wake-ups a second: the idle window $idle, a run behind ${saver##*/} $resting"
    [ "$(xdotool getwindowname "$main")" = "$blanked" ] || fail "the caption changed behind the screen saver"
    [ "$resting" -le $((3 * idle + 3)) ] || fail "$resting wake-ups a second behind the screen saver, $idle idle"
    "$saver-command" $off > /dev/null
    within 3 bash -c "[ \"\$(xdotool getwindowname $main)\" != '$blanked' ]" || fail "the caption did not catch up"
    within 5 bash -c "! { $active; }" || fail "the screen saver stayed"
    # Exit, pressed again while the screen saver still holds the pointer a moment after it went.
    for _ in 1 2 3; do click_at "$main" 292 408; within 3 gone "$app" && break; done
    ends_with "$app" 0
    [ $saver = xscreensaver ] || { kill $saver_pid; wait $saver_pid; }   # xscreensaver stays for the target
done
command -v xscreensaver > /dev/null || exit 0
start_program target
timer_run "$main" 0 "" 12
xscreensaver-command -activate > /dev/null || fail "xscreensaver did not blank the screen"
within 20 test -s "$default_dir/starts" || fail "no player start"
late=$(($(stat -c %Y "$default_dir/starts") - $(date -d "$target" +%s)))
echo "the player started $late s after the target"
[ $late -le 2 ] || fail "the player started late"
echo "screensavers passed"
