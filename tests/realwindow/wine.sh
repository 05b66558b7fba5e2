#!/bin/bash
# The player as it runs on Linux: a Windows winamp.exe under real Wine. Makes
# a fresh Wine prefix, builds a Windows stand-in player with MinGW and puts it
# at the default place in the prefix's drive C:, then works the program in a
# real X window: it must start without asking for the player, hand the player
# the staged file as a Windows path at a play time-out, then the stop words.
# Usage: wine.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

export WINEPREFIX="$work/wine" WINEDEBUG=-all
# No installer dialogs for .NET or the HTML engine in the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
on_exit=(wineserver -k)

step "a fresh Wine prefix (Wine's first start takes a while)"
start=$SECONDS
wineboot -i > "$work/out-wineboot.log" 2>&1 || fail "wineboot failed"
wineserver -w
echo "prefix ready in $((SECONDS - start)) s"

winamp_dir="$WINEPREFIX/drive_c/Program Files/Winamp"
mkdir -p "$winamp_dir"
x86_64-w64-mingw32-g++ -O2 -s -static -o "$winamp_dir/winamp.exe" "$(dirname "$0")/winamp-standin.cpp" \
    || fail "the stand-in did not build"
truncate -s 600000 "$winamp_dir/winamp.exe"   # inside the player file check's window
mkdir -p "$work/music"
media="$work/music/night song.mp3"
head -c 50000 /dev/urandom > "$media"
log="$winamp_dir/args.log"

step "start-up finds the player in the prefix"
"$program" > "$work/out1.log" 2>&1 &
app=$!
pids+=($app)
within 15 has_window "^Dozewell Timer$" || fail "no main window"
has_window "^Winamp Path$" && fail "the start-up dialog opened"
main=$(window_named "^Dozewell Timer$")

step "play: Winamp gets the staged copy as a Windows path"
timer_run "$main" 1 "$media" 8
within 40 grep -q -- '^--$' "$log" || fail "the player was never started: $(cat "$work"/out1.log)"
staged="$XDG_CACHE_HOME/dozewell-timer/QDX.mp3"
expected="Z:${staged//\//\\}"
printf '%s\n--\n' "$expected" | cmp -s - "$log" || fail "Winamp received: $(cat "$log")"
cmp -s "$media" "$winamp_dir/received.bin" || fail "the bytes Winamp read differ from the chosen file"
echo "Winamp received: $expected"
close_box "Orvo's Dozewell Timer" "$main"

step "stop: Winamp gets the six words"
rm -f "$log"
timer_run "$main" 0 "" 8
within 40 grep -q -- '^--$' "$log" || fail "the player was never started for the stop form"
printf 'Winamp\nwas\nterminated\nby\nOrvo'"'"'s\nTimer...\n--\n' | cmp -s - "$log" || fail "Winamp received: $(cat "$log")"
close_box "Orvo's Timer" "$main"
exit_program "$main" "$app"
echo "1 passed, 0 failed"
