# SPDX-License-Identifier: GPL-3.0-or-later
'''The desktop's screen saver (org.freedesktop.ScreenSaver), a
python3-dbusmock template: off at first; the mock's SetActive turns it on or
off and signals ActiveChanged, as a screen saver does when it comes or goes.'''
import dbus

from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False


def load(mock, _parameters):
    mock.active = False
    mock.AddMethods(MAIN_IFACE, [('GetActive', '', 'b', 'ret = self.active')])


@dbus.service.method(MOCK_IFACE, in_signature='b', out_signature='')
def SetActive(self, active):
    self.active = active
    self.EmitSignal(MAIN_IFACE, 'ActiveChanged', 'b', [active])
