#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop portal's Inhibit, started by the bus, taking its name only after
# $2 seconds, as on a busy desktop; logs each call to the file $1.
import sys
import time

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

log = open(sys.argv[1], 'a', buffering=1)
time.sleep(float(sys.argv[2]))
dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()


class Request(dbus.service.Object):
    @dbus.service.method('org.freedesktop.portal.Request')
    def Close(self):
        log.write('Close %s\n' % self.__dbus_object_path__)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    @dbus.service.method('org.freedesktop.portal.Inhibit', 'sua{sv}', 'o', sender_keyword='sender')
    def Inhibit(self, window, flags, options, sender):
        path = '/org/freedesktop/portal/desktop/request/%s/%s' % (sender[1:].replace('.', '_'), options['handle_token'])
        log.write('Inhibit %d %s\n' % (flags, Request(bus, path).__dbus_object_path__))
        return dbus.ObjectPath(path)


Portal(bus, '/org/freedesktop/portal/desktop')
name = dbus.service.BusName('org.freedesktop.portal.Desktop', bus)
GLib.MainLoop().run()
