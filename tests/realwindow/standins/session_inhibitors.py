#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What GNOME's session manager holds: a line "desktop-id flags window" for
# each inhibitor, then whether suspend (flag 4) is inhibited, 1 or 0.
import dbus

bus = dbus.SessionBus()


def manager(path, interface=''):
    return dbus.Interface(bus.get_object('org.gnome.SessionManager', path), 'org.gnome.SessionManager' + interface)


session = manager('/org/gnome/SessionManager')
for path in session.GetInhibitors():
    inhibitor = manager(path, '.Inhibitor')
    print(inhibitor.GetAppId(), inhibitor.GetFlags(), inhibitor.GetToplevelXid())
print(int(session.IsInhibited(4)))
