#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks it as a user's system would
# see it: every file at its place, the dependencies, a program that starts
# from the unpacked tree, and data that the desktop's validators accept.
# Usage: package.sh build-folder
set -u
build=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {
    local name=$1; shift
    if "$@" > "$work/check.log" 2>&1; then echo "PASS: $name"; passed=$((passed + 1)); else
        echo "FAIL: $name"; cat "$work/check.log"; failed=$((failed + 1)); fi
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > cpack.log 2>&1) \
    || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/dozewell-timer_*_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no package named dozewell-timer_<version>_<arch>.deb"; exit 1; }
echo "built $(basename "$deb")"

id=io.github.dozewell.DozewellTimer
dpkg-deb -c "$deb" | awk '{print $6}' > "$work/contents"
expected=(./usr/bin/dozewell-timer "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml"
          ./usr/share/man/man1/dozewell-timer.1.gz ./usr/share/icons/hicolor/scalable/apps/dozewell-timer.svg
          ./usr/share/doc/dozewell-timer/copyright ./usr/share/doc/dozewell-timer/changelog.gz
          ./usr/share/lintian/overrides/dozewell-timer)
for size in 16 22 32 48 64 128; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/dozewell-timer.png")
done
for file in "${expected[@]}"; do
    check "lists $file" grep -qx -- "$file" "$work/contents"
done
check "depends on the Qt libraries and the window-system plugin" \
    bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 && dpkg-deb -f '$deb' Depends | grep -q qt6-qpa-plugins"
check "recommends Wine and Qt's translations" bash -c "dpkg-deb -f '$deb' Recommends | grep -qx 'wine, qt6-translations-l10n'"

root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/dozewell-timer"
check "--version" bash -c "'$program' --version | grep -qx 'dozewell-timer [0-9.]*'"
check "--help" bash -c "'$program' --help | grep -q -- '--version'"
check "an unknown argument: a message and status 2" \
    bash -c "'$program' --bogus 2>&1 | grep -q 'Unknown option'; [ \${PIPESTATUS[0]} -eq 2 ]"
check "no display: its own message" \
    bash -c "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '$program' 2>&1 | grep -q 'no display'"
check "AppStream data, with no address that could be dead" appstreamcli validate "$root/usr/share/metainfo/$id.metainfo.xml"
check "desktop file" desktop-file-validate "$root/usr/share/applications/$id.desktop"
check "manual page" bash -c "[ -z \"\$(man --warnings -l '$root/usr/share/man/man1/dozewell-timer.1.gz' 2>&1 >/dev/null)\" ]"
check "manual page names the program" lexgrog "$root/usr/share/man/man1/dozewell-timer.1.gz"
# Debian's own checks: nothing at all but the overridden spellings of the program's texts.
check "lintian" lintian --fail-on error,warning,info,pedantic --pedantic -I "$deb"
# What hardening-check looks for: position independent, immediate binding, read-only
# relocations, the stack protector, fortified calls, control-flow protection; stripped.
check "hardened and stripped" bash -c "readelf -d '$program' | grep -q 'FLAGS_1.*NOW PIE' && readelf -lW '$program' | grep -q GNU_RELRO \
    && readelf -sW --dyn-syms '$program' | grep -q __stack_chk_fail && readelf -sW --dyn-syms '$program' | grep -Eq '__[a-z]+_chk@' \
    && readelf -n '$program' | grep -q 'x86 feature: IBT, SHSTK' && ! readelf -SW '$program' | grep -Eq '\.comment|\.symtab'"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
