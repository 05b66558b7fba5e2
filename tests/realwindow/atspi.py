#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader learns of the program from the accessibility bus
# (AT-SPI): each of its objects on a line, ROLE<TAB>NAME<TAB>STATES, where
# STATES holds "focused", "focusable" and "showing" as they apply.
import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi  # noqa: E402 pylint: disable=wrong-import-position

STATES = {'focused': Atspi.StateType.FOCUSED, 'focusable': Atspi.StateType.FOCUSABLE,
          'showing': Atspi.StateType.SHOWING}


def show(node):
    states = node.get_state_set()
    print(f'{node.get_role_name()}\t{node.get_name()}\t' + ' '.join(s for s, t in STATES.items() if states.contains(t)))
    for child in filter(None, map(node.get_child_at_index, range(node.get_child_count()))):
        show(child)


desktop = Atspi.get_desktop(0)
for app in filter(None, map(desktop.get_child_at_index, range(desktop.get_child_count()))):
    if app.get_name() == 'dozewell-timer':
        show(app)
