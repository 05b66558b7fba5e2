# SPDX-License-Identifier: GPL-3.0-or-later
'''The desktop portal's Inhibit, a python3-dbusmock template.

Inhibit answers with a request that Close ends, at the path the portal
documents (also written to the file the parameter "request" names); with the
parameter "answer" at once ("at-once"), a second late ("late"), or refused by
its back end with Response 2 before its reply ("refusing"), as
xdg-desktop-portal-gtk refuses suspend outside GNOME, or two seconds after it
("refusing-late").
'''
import time

import dbus
from gi.repository import GLib
from dbusmock.mockobject import objects

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Inhibit'
SYSTEM_BUS = False
REQUEST_IFACE = 'org.freedesktop.portal.Request'


def load(mock, parameters):
    mock.answer = parameters.get('answer', 'at-once')
    mock.request_file = parameters.get('request')


@dbus.service.method(MAIN_IFACE, in_signature='sua{sv}', out_signature='o', sender_keyword='caller')
def Inhibit(self, _window, _flags, options, caller):
    path = '/org/freedesktop/portal/desktop/request/%s/%s' % (caller[1:].replace('.', '_'), options['handle_token'])
    if self.request_file:
        with open(self.request_file, 'w', encoding='utf-8') as request:
            request.write(path)
    self.AddObject(path, REQUEST_IFACE, {}, [('Close', '', '', '')])
    if self.answer == 'late':
        time.sleep(1)
    elif self.answer == 'refusing':
        objects[path].EmitSignal(REQUEST_IFACE, 'Response', 'ua{sv}', [dbus.UInt32(2), {}])
    elif self.answer == 'refusing-late':
        GLib.timeout_add(2000, lambda: objects[path].EmitSignal(REQUEST_IFACE, 'Response', 'ua{sv}',
                                                                [dbus.UInt32(2), {}]))
    return dbus.ObjectPath(path)
