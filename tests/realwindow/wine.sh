#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The player as it runs on Linux: Winamp, a Windows program, under real Wine.
# Makes a fresh Wine prefix, builds a single-instance stand-in player with
# MinGW where Winamp installs (32-bit where Wine's 32-bit part runs here, else
# 64-bit, saying why), and starts it as the user's player, playing a file. The
# program, worked in a real X window, must find it without asking; a stop
# time-out must stop that running player and a play time-out make it play the
# staged bytes, each within 2 s of the time-out, with no second player left
# running; a file that is no program, taken with Enter, must get the ERROR box
# instead of the success report; and a Wine whose 32-bit loader this computer
# refuses must be refused at Start.
# Usage: wine.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

command -v wine > /dev/null || fail "no Wine here (tools/install-deps --test installs it)"
export WINEPREFIX="$work/wine"
# Wine's 32-bit part where it runs here; else a 64-bit stand-in through Wine's
# 64-bit loader, which is also what wine runs unless the 32-bit part is there.
wine=(wine) winamp_dir="$WINEPREFIX/drive_c/Program Files (x86)/Winamp" cc=i686-w64-mingw32-gcc
if [ ! -x /usr/lib/wine/wine ]; then
    not32="Wine's 32-bit part is not installed"
elif ! why=$(/usr/lib/wine/wine --version 2>&1 > /dev/null); then
    not32="this computer does not run Wine's 32-bit loader ($why)"
fi
if [ -n "${not32:-}" ]; then
    echo "the 32-bit case was not tried here: $not32; a 64-bit stand-in runs through Wine's 64-bit loader"
    winamp_dir="$WINEPREFIX/drive_c/Program Files/Winamp" cc=x86_64-w64-mingw32-gcc
    wine --version > /dev/null 2>&1 || { wine=(/usr/lib/wine/wine64); export DOZEWELL_WINE=${wine[0]}; }
fi
command -v "$cc" > /dev/null || fail "no $cc here (tools/install-deps --test installs it)"
# No installer dialogs for .NET or the HTML engine in the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
on_exit=(wineserver -k)

step "a fresh Wine prefix (Wine's first start takes a while)"
start=$SECONDS
WINEDEBUG=-all "${wine[@]}" wineboot -i > "$work/out-wineboot.log" 2>&1 || fail "wineboot failed"
wineserver -w
echo "prefix ready in $((SECONDS - start)) s"

mkdir -p "$winamp_dir"
"$cc" -O2 -s -mwindows -o "$winamp_dir/winamp.exe" "$(dirname "$0")/winamp-standin.c" -lshell32 \
    || fail "the stand-in did not build"
truncate -s 600000 "$winamp_dir/winamp.exe"   # inside the player file check's window
log="$winamp_dir/player.log"
mkdir -p "$work/music"
head -c 30000 /dev/urandom > "$work/music/evening.mp3"
media="$work/music/night song.mp3"
head -c 50000 /dev/urandom > "$media"

# The player's own record: the line after the first $1 lines, once it is there.
record_after() { sed -n "$(($1 + 1))p" "$log"; }
records() { [ -f "$log" ] && wc -l < "$log" || echo 0; }
records_after() { [ "$(records)" -gt "$1" ]; }
players_running() { pgrep -fc "^$WINEPREFIX/.*/winamp\.exe"; }
# Milliseconds from the target second to the player's reaction recorded in line $1.
delay() { echo $(( $(cut -d' ' -f1 <<< "$1") - $(date -d "$target" +%s) * 1000 )); }

step "the user's player plays a file"
WINEDEBUG=-all "${wine[@]}" "$winamp_dir/winamp.exe" 'Z:'"${work//\//\\}"'\music\evening.mp3' > "$work/out-player.log" 2>&1 &
pids+=($!)
within 30 grep -q ' play ' "$log" || fail "the stand-in player did not start"
player_pid=$(cut -d' ' -f2 "$log")
echo "player: $(cat "$log")"

unset WINEDEBUG

# Starts the program (its output in out$1.log), lets it time out with action
# $2 (and media file $3) $4 seconds ahead, and sets $line to what the running
# player recorded of it.
player_hears() {
    start_program "$1"
    local seen
    seen=$(records)
    timer_run "$main" "$2" "$3" "$4"
    within 40 records_after "$seen" || fail "the player never heard of the time-out"
    line=$(record_after "$seen")
}

step "stop: the running player stops (start-up finds it in the prefix)"
player_hears 1 0 "" 10
[ "$(cut -d' ' -f2- <<< "$line")" = "$player_pid stop Winamp was terminated by Orvo's Timer..." ] \
    || fail "the running player recorded: $line"
stop_delay=$(delay "$line")
close_box "Orvo's Timer" "$main"
exit_program "$main" "$app"

step "play: the running player plays the staged copy"
player_hears 2 1 "$media" 14
staged="$XDG_CACHE_HOME/dozewell-timer/QDX.mp3"
expected="$player_pid play $(cksum < "$media") Z:${staged//\//\\}"
[ "$(cut -d' ' -f2- <<< "$line")" = "$expected" ] || fail "the running player recorded: $line, not $expected"
play_delay=$(delay "$line")
close_box "Orvo's Dozewell Timer" "$main"
exit_program "$main" "$app"
echo "the running player reacted ${stop_delay} ms (stop) and ${play_delay} ms (play) into the target second"
[ "$stop_delay" -ge 0 ] && [ "$stop_delay" -lt 2000 ] && [ "$play_delay" -ge 0 ] && [ "$play_delay" -lt 2000 ] \
    || fail "a reaction came later than 2 s after its time-out"
[ "$(players_running)" -eq 1 ] || fail "$(players_running) players run, not one"
grep -Eq ':(err|fixme|warn):' "$work"/out[12].log && fail "Wine's debug output reached the program's: $(cat "$work"/out[12].log)"

step "a file that is no program is reported, not as stopped"
start_program 3
junk="$work/junk/winamp.exe"
mkdir -p "$work/junk"
{ printf 'MZ'; head -c 599998 /dev/zero; } > "$junk"
click_at "$main" 148 265                                               # txtPath
xdotool key ctrl+a
xdotool type --delay 5 "$junk"
xdotool key Return
seen=$(records)
timer_run "$main" 0 "" 10
within 40 has_window "^ERROR$" || fail "no ERROR box for a file Wine cannot run"
has_window "^Orvo's Timer$" && fail "the failed start was reported as a success"
shot wine-not-a-program
close_box "ERROR" "$main"
records_after "$seen" && fail "the player heard of a start that failed: $(record_after "$seen")"
exit_program "$main" "$app"

step "a Wine whose 32-bit loader this computer refuses is refused at Start"
# Laid out as Debian's, with a 32-bit part whose loader, built for another
# processor, the kernel refuses as one without 32-bit support refuses Wine's.
refusing="$work/refusing-wine"
mkdir -p "$refusing/bin" "$refusing/lib/wine/i386-windows" "$refusing/lib/wine/x86_64-windows"
touch "$refusing/lib/wine/i386-windows/ntdll.dll" "$refusing/lib/wine/x86_64-windows/ntdll.dll"
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\50\0' > "$refusing/lib/wine/wine"
printf '#!/bin/sh\nexec "$(dirname "$0")/../lib/wine/wine" "$@"\n' > "$refusing/bin/wine"
chmod +x "$refusing/bin/wine" "$refusing/lib/wine/wine"
DOZEWELL_WINE="$refusing/bin/wine" start_program 4
seen=$(records)
timer_run "$main" 0 "" 6 refused
shot wine-refused-at-start
close_box "ERROR" "$main"
[ "$(xdotool getwindowname "$main")" = "Dozewell Timer" ] || fail "a refused run is running"
sleep 7
has_window "^Orvo's Timer$" && fail "the refused run timed out as a success"
records_after "$seen" && fail "the player heard of a refused run: $(record_after "$seen")"
exit_program "$main" "$app"
echo "1 passed, 0 failed"
