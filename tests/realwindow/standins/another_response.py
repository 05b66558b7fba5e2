#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A Response (2, refused) on the portal's request at path $1, sent by a
# client that is not the portal.
import sys

import dbus

response = dbus.lowlevel.SignalMessage(sys.argv[1], 'org.freedesktop.portal.Request', 'Response')
response.append(dbus.UInt32(2), dbus.Dictionary({}, signature='sv'))
bus = dbus.SessionBus()
bus.send_message(response)
bus.flush()
