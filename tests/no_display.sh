#!/bin/sh
# Every way of having no usable display ends with the program's own message
# and exit status 1, never the toolkit's abort. Usage: no_display.sh program
program=$1
failed=0
check() {
    name=$1; shift
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
    status=$?
    if [ "$status" -eq 1 ] && echo "$out" | grep -q 'no display could be opened' \
        && echo "$out" | grep -q 'xvfb-run' && ! echo "$out" | grep -q 'Reinstalling'; then
        echo "PASS: $name"
    else
        echo "FAIL: $name (status $status)"; echo "$out"; failed=$((failed + 1))
    fi
}
check "nothing set"
check "DISPLAY names no server" DISPLAY=:987
check "stale WAYLAND_DISPLAY" WAYLAND_DISPLAY=wayland-987
check "QT_QPA_PLATFORM set but empty" QT_QPA_PLATFORM=
check "a platform that does not exist" QT_QPA_PLATFORM=nosuchplatform
echo "$((5 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
