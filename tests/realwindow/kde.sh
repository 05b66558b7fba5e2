#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# KDE's real PowerDevil (headless; its warnings on polkit, DPMS and systemd are
# harmless): its policy agent lists the run with its reason once it takes it
# (5 s by design), and no longer after Pause and after Exit.
. "$(dirname "$0")/common.sh"

powerdevil=/usr/lib/x86_64-linux-gnu/libexec/org_kde_powerdevil
[ -x $powerdevil ] || { echo "no PowerDevil here (tools/install-deps --test installs powerdevil): not tried"; exit 77; }
export XDG_CONFIG_HOME="$work/config"
private_system_bus
stand_in upower
player_in_wine
$powerdevil > "$work/powerdevil.log" 2>&1 &
pids+=($!)
inhibitions() { gdbus call --session -d org.kde.Solid.PowerManagement -o /org/kde/Solid/PowerManagement/PolicyAgent \
    -m org.kde.Solid.PowerManagement.PolicyAgent.ListInhibitions; }
export -f inhibitions
within 15 inhibitions || fail "PowerDevil did not start"
start_program 1
for end in pause exit; do
    [ $end = pause ] && counter_run 3 || start_or_pause 'Dozewell Timer [0-9]+:[0-9]+'
    within 10 bash -c "inhibitions | grep -q \"('dozewell-timer', 'Dozewell Timer stops the player at [0-9:]*')\"" \
        || fail "PowerDevil lists $(inhibitions)"
    echo "during the run: $(inhibitions)"
    [ $end = pause ] && start_or_pause 'Dozewell Timer' || exit_program "$main" "$app"
    within 5 bash -c "inhibitions | grep -qx '(@a(ss) \[\],)'" || fail "after $end PowerDevil lists $(inhibitions)"
done
echo "kde passed"
