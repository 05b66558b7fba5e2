#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Xfce 4.18's real xfce4-power-manager, set to suspend after an idle minute on
# AC, its settings read through the real xfconfd that the bus starts: a run
# that waits past that minute is not suspended and the screen saver's timeout
# stays as it was; the user's values come back at Pause (one the user changed
# meanwhile stays), at Exit, at kill -TERM, and after kill -9 at the next start
# (one the user set after the crash stays, also when xfconfd answers late); a
# value xfconfd refuses keeps the record until it takes it. Without a run,
# the same power manager does suspend after the idle minute.
. "$(dirname "$0")/common.sh"

# Unpacked by tools/install-deps --test, or installed.
power_manager=${DOZEWELL_XFCE_POWER_MANAGER:-/usr/local/lib/dozewell-tests/xfce4-power-manager/usr/bin/xfce4-power-manager}
[ -x "$power_manager" ] || power_manager=xfce4-power-manager
for tool in "$power_manager" xfconf-query xset; do
    command -v "$tool" > /dev/null || { echo "no ${tool##*/} here (tools/install-deps --test unpacks or installs it): not tried"; exit 77; }
done
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" key=/xfce4-power-manager/inactivity-on
private_system_bus
stand_in upower
player_in_wine
settings() { for on in ac battery; do xfconf-query -c xfce4-power-manager -p $key-$on 2> /dev/null || echo -; done | xargs; }
export -f settings
are() { within 10 bash -c "[ \"\$(settings)\" = '$1' ]" || fail "$2: the settings are $(settings), not $1"; }
screen_saver() { xset q | awk '/timeout:/ {print $2}'; }
xfconf-query -c xfce4-power-manager -p $key-ac -n -t uint -s 1   # the user's: suspend after a minute on AC
"$power_manager" --no-daemon > "$work/xfpm.log" 2>&1 &
pids+=($!)
within 10 gdbus call --session -d org.xfce.PowerManager -o / -m org.freedesktop.DBus.Peer.Ping || fail "no power manager"
before=$(screen_saver)

step "a run waits past the idle minute; Pause"
start_program 1
counter_run 3
are "14 14" "during the run"
[ "$(stat -c %a "$XDG_STATE_HOME/dozewell-timer")" = 700 ] || fail "the state folder is open to others"
presentation=$(gdbus call --session -d org.freedesktop.PowerManagement -o /org/freedesktop/PowerManagement/Inhibit \
    -m org.freedesktop.PowerManagement.Inhibit.HasInhibit)
echo "screen saver timeout before the run $before, during it $(screen_saver); power manager inhibited: $presentation"
[ "$(screen_saver)" = "$before" ] && [ "$presentation" = "(false,)" ] || fail "the screen is kept on"
sleep 75
grep -a Suspend "$work/logind.log" && fail "suspended during the run"
xfconf-query -c xfce4-power-manager -p $key-battery -s 45   # the user's own change meanwhile
start_or_pause 'Dozewell Timer'
are "1 45" "after Pause"
echo "screen saver timeout after the run $(screen_saver)"

step "Exit; then a run killed with -9, given back at the next start"
xfconf-query -c xfce4-power-manager -p $key-battery -r
for end in exit kill; do
    [ $end = exit ] && start_or_pause 'Dozewell Timer [0-9]+:[0-9]+' || { start_program 2; counter_run 3; }
    are "14 14" "during the run before $end"
    [ $end = exit ] && exit_program "$main" "$app" || { kill -9 "$app"; sleep 1; are "14 14" "after the kill"; start_program 3; }
    are "1 -" "after $end"
done

step "kill -TERM: given back on the way out"
counter_run 3
are "14 14" "during the run before kill -TERM"
kill -TERM "$app"
ends_with "$app" 143
are "1 -" "after kill -TERM"

record=$XDG_STATE_HOME/dozewell-timer/xfce4-power-manager
xfconfd() { owner --session org.xfce.Xfconf; }
no_xfconfd() { [ -z "$(xfconfd)" ]; }
# xfconfd started anew, reading an administrator's lock on the AC value with $1 "locked".
restart_xfconfd() {
    local pid locks=$work/xdg/xfce4/xfconf/xfce-perchannel-xml
    pid=$(xfconfd)
    mkdir -p "$locks" && rm -f "$locks"/*
    [ "$1" = locked ] && printf '<channel name="xfce4-power-manager" version="1.0"><property name="xfce4-power-manager" type="empty"><property name="inactivity-on-ac" type="uint" value="14" locked="%s"/></property></channel>\n' \
        "$(id -un)" > "$locks/xfce4-power-manager.xml"
    kill "$pid"
    within 10 no_xfconfd || fail "xfconfd did not end"
}
activation_environment XDG_CONFIG_DIRS="$work/xdg:/etc/xdg"

step "after kill -9, a value set before the next start wins over the record, with xfconfd answering late"
start_program 4
counter_run 3
are "14 14" "during the run before kill -9"
kill -9 "$app"
xfconf-query -c xfce4-power-manager -p $key-ac -s 5   # the user's own after the crash
stopped=$(xfconfd)
kill -STOP "$stopped"
start_program 5
counter_run 3
kill -CONT "$stopped"
are "14 14" "during the run after kill -9"
start_or_pause 'Dozewell Timer'
are "5 -" "after Pause"

step "xfconfd refuses a value back: the record stays"
start_or_pause 'Dozewell Timer [0-9]+:[0-9]+'
are "14 14" "during the run"
restart_xfconfd locked
start_or_pause 'Dozewell Timer'
are "14 -" "after Pause with the value on AC locked"
[ -e "$record" ] || fail "the record went with a value not given back"
restart_xfconfd unlocked
xfconf-query -c xfce4-power-manager -p $key-ac -n -t uint -s 5   # a lock drops the user's value: set again

# Without it, a broken power manager or a stand-in that drops its calls would
# let every step above pass.
step "without a run, the power manager does suspend after the idle minute"
xfconf-query -c xfce4-power-manager -p $key-ac -s 1
suspended() { grep -qa Suspend "$work/logind.log"; }
within 90 suspended || fail "no suspend came after the idle minute without a run"
grep "could not be kept awake" "$work"/out*.log && fail "a held run was reported as not kept awake"
echo "xfce passed"
