# SPDX-License-Identifier: GPL-3.0-or-later
'''The power manager's Inhibit (org.freedesktop.PowerManagement), a
python3-dbusmock template: Inhibit gives the cookie 7, UnInhibit takes it.'''

BUS_NAME = 'org.freedesktop.PowerManagement'
MAIN_OBJ = '/org/freedesktop/PowerManagement/Inhibit'
MAIN_IFACE = 'org.freedesktop.PowerManagement.Inhibit'
SYSTEM_BUS = False


def load(mock, _parameters):
    mock.AddMethods(MAIN_IFACE, [('Inhibit', 'ss', 'u', 'ret = dbus.UInt32(7)'), ('UnInhibit', 'u', '', '')])
