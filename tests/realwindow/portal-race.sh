#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Pause while the portal that the run's request started is still starting:
# the bus refuses the Close (the portal has no name yet), and the request its
# late reply brings must be closed all the same. The portal is a slow
# stand-in, on a session bus of the test's own that starts nothing else.
. "$(dirname "$0")/common.sh"

mkdir -p "$work/services"
printf '<busconfig><type>session</type><listen>unix:path=%s</listen><servicedir>%s</servicedir>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
</policy></busconfig>\n' "$work/session" "$work/services" > "$work/bus.conf"
pids+=("$(dbus-daemon --config-file="$work/bus.conf" --fork --print-pid 2> /dev/null)")
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session"
player_in_wine
start_program 1
# Startable only now: the program's look at the desktop's colours does not start it.
# It takes its name 3 s after the bus starts it, as on a busy desktop.
portal="/usr/bin/python3 -m dbusmock --session --template $(readlink -f "$standins")/portal.py -l $work/portal.log"
printf '[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=/bin/sh -c "sleep 3; exec %s"\n' "$portal" \
    > "$work/services/portal.service"
dbus-send --session --dest=org.freedesktop.DBus / org.freedesktop.DBus.ReloadConfig
counter_run 3
start_or_pause 'Dozewell Timer'
within 10 grep -q 'Inhibit "x11:[0-9a-f]*" 4 ' "$work/portal.log" || fail "the portal was not asked"
within 5 grep -q 'Close$' "$work/portal.log" || fail "the request the late reply brought stays open"
echo "portal-race passed"
