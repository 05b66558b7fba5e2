#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a process: without a usable display it ends with its own
# message and status 1, never the toolkit's abort; it takes the toolkit's own
# options and refuses others with status 2; kill ends it in order; and its
# instance lock never locks a user out. Usage: process.sh program
program=$(readlink -f "$1")
work=$(mktemp -d)
chmod 755 "$work"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
passed=0 failed=0
pass() { echo "PASS: $1"; passed=$((passed + 1)); }
fail() { echo "FAIL: $1"; [ -n "${2:-}" ] && echo "$2"; failed=$((failed + 1)); }

no_display() {
    local name=$1 out status; shift
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
    status=$?
    if [ "$status" -eq 1 ] && grep -q 'no display could be opened' <<< "$out" && grep -q 'xvfb-run' <<< "$out" \
        && ! grep -q 'Reinstalling' <<< "$out"; then
        pass "no display: $name"
    else
        fail "no display: $name (status $status)" "$out"
    fi
}
no_display "nothing set"
no_display "DISPLAY names no server" DISPLAY=:987
no_display "stale WAYLAND_DISPLAY" WAYLAND_DISPLAY=wayland-987
no_display "QT_QPA_PLATFORM set but empty" QT_QPA_PLATFORM=
no_display "a platform that does not exist" QT_QPA_PLATFORM=nosuchplatform
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE= LC_ALL=de_DE.UTF-8 "$program" 2>&1)
grep -q '(siehe DISPLAY, WAYLAND_DISPLAY und QT_QPA_PLATFORM)' <<< "$out" && pass "no display, in German" \
    || fail "no display, in German" "$out"

# Runs the program offscreen, as user $1 ("" for this one), with its runtime
# folder $2 and the arguments after them, until it has taken its lock or
# said why it cannot; then ends it. Prints what it said.
run_offscreen() {
    local user=$1 runtime=$2; shift 2
    local as=() out="$work/out.$RANDOM" pid
    [ -n "$user" ] && as=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups)
    "${as[@]}" env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
        HOME="$work/home" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$runtime" \
        "$program" "$@" > "$out" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        grep -qx "$pid" "$runtime/dozewell-timer.lock" 2>/dev/null || grep -q 'Dozewell Timer\|Unknown' "$out" && break
        sleep 0.1
    done
    head -1 "$runtime/dozewell-timer.lock" 2>/dev/null | grep -qx "$pid" && echo "lock taken"
    # SIGTERM at the start-up dialog ends it as Cancel does, letting the lock go.
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    local status=$?
    [ "$status" -eq 0 ] && [ ! -e "$runtime/dozewell-timer.lock" ] && echo "ended in order" || echo "kill: status $status"
    cat "$out"
}
fresh_runtime() { rm -rf "$work/run" && mkdir -m 700 "$work/run" && echo "$work/run"; }

for arguments in "-platform offscreen" "-style Fusion" "-reverse -session 1234_5 -qwindowgeometry 345x441+10+10"; do
    # shellcheck disable=SC2086
    said=$(run_offscreen "" "$(fresh_runtime)" $arguments)
    grep -qx "lock taken" <<< "$said" && grep -qx "ended in order" <<< "$said" && ! grep -q Unknown <<< "$said" \
        && pass "starts with $arguments, ends at kill" \
        || fail "starts with $arguments" "$said"
done
said=$("$program" --bogus 2>&1); status=$?
[ "$status" -eq 2 ] && grep -q "Unknown option 'bogus'" <<< "$said" && pass "--bogus: status 2" \
    || fail "--bogus: status $status" "$said"

sleep 600 & alive=$!
for lock in "22721 dozewell-timer otherhost" "999999 dozewell-timer $(hostname)" "$alive dozewell-timer $(hostname)"; do
    runtime=$(fresh_runtime)
    tr ' ' '\n' <<< "$lock" > "$runtime/dozewell-timer.lock"
    said=$(run_offscreen "" "$runtime")
    grep -qx "lock taken" <<< "$said" && pass "a lock left by '$lock' does not block" \
        || fail "a lock left by '$lock' blocks" "$said"
done
kill "$alive"

# A lock folder nobody may write to: root may write anywhere, so it runs as
# nobody, from a copy of the program that nobody can reach wherever the build lies.
user=""; [ "$(id -u)" -eq 0 ] && user=nobody && cp "$program" "$work/dozewell-timer" && program=$work/dozewell-timer
mkdir -p "$work/cache/dozewell-timer" && chmod 500 "$work/cache/dozewell-timer"
[ -n "$user" ] && chown -R "$user" "$work/cache" && chmod 777 "$work"
said=$(run_offscreen "$user" "")
grep -q "cannot be written (Permission denied)" <<< "$said" && ! grep -q "already running" <<< "$said" \
    && pass "an unwritable lock folder is named with the reason" || fail "an unwritable lock folder" "$said"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
