#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program's window, titled "Another", open until the program is ended.
import gi

gi.require_version('Gtk', '3.0')
from gi.repository import Gtk  # noqa: E402 pylint: disable=wrong-import-position

window = Gtk.Window(title='Another')
window.show_all()
Gtk.main()
