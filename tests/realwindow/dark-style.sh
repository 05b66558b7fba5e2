#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's dark style from its own settings portal, read at start and
# followed when it changes: GNOME's setting (org.gnome.desktop.interface
# color-scheme, kept in a file, GSETTINGS_BACKEND=keyfile) says the dark
# style, Debian's xdg-desktop-portal and its GTK back end, started by the bus
# when the program asks, hand it on, and the window is dark; then the setting
# says the light style, the portal signals the change, and the window is light
# within three seconds of the setting.
# Usage: dark-style.sh path/to/dozewell-timer [screenshot-folder]
. "$(dirname "$0")/common.sh"

player_in_wine
# GNOME's setting in a file in the test's settings folder, which the portal's
# GTK back end reads; the test's own bus starts both when the program asks.
export GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=GNOME
activation_environment GSETTINGS_BACKEND XDG_CONFIG_HOME XDG_CURRENT_DESKTOP DISPLAY
gsettings set org.gnome.desktop.interface color-scheme prefer-dark
start_program ""
background() { "$grab" "$main" 3 220; } && export -f background && export grab main   # left of the window's frame
within 5 bash -c '[ "$(background)" -lt 80 ]' || fail "the window is not dark in the dark style: $(background)"
shot dark-style
gsettings set org.gnome.desktop.interface color-scheme prefer-light   # the portal notices within a second or two
within 3 bash -c '[ "$(background)" -gt 200 ]' || fail "the window did not turn light: $(background)"
shot light-style
exit_program "$main" "$app"
echo "passed"
