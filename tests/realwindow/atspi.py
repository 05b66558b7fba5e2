#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader learns of the program, read from the accessibility bus
# (AT-SPI) as Orca reads it:
#   atspi.py focus           the objects that have the focus, a line each: ROLE<TAB>NAME
#   atspi.py shows ROLE NAME whether an object of that role and name is showing
#   atspi.py text NAME       the text of the object named so
#   atspi.py unnamed         the focusable objects and pictures whose name has no word
import re
import signal
import sys

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi  # noqa: E402 pylint: disable=wrong-import-position

signal.signal(signal.SIGPIPE, signal.SIG_DFL)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app and app.get_name() == 'dozewell-timer':
            return app
    sys.exit('dozewell-timer is not on the accessibility bus')


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child:
            yield from walk(child)


def has(node, state):
    return node.get_state_set().contains(state)


command, args = sys.argv[1], sys.argv[2:]
nodes = list(walk(application()))
if command == 'focus':
    focused = [n for n in nodes if has(n, Atspi.StateType.FOCUSED) and n.get_role_name() not in ('filler', 'panel')]
    print('\n'.join(f'{n.get_role_name()}\t{n.get_name()}' for n in focused))
    sys.exit(0 if focused else 1)
elif command == 'shows':
    sys.exit(0 if any(n.get_role_name() == args[0] and n.get_name() == args[1] and has(n, Atspi.StateType.SHOWING)
                      for n in nodes) else 1)
elif command == 'text':
    for n in nodes:
        if n.get_name() == args[0] and 'Text' in n.get_interfaces():
            print(Atspi.Text.get_text(n, 0, -1))
            break
elif command == 'unnamed':
    # The action box's list is named by its box; its entries by what they say.
    unnamed = [n for n in nodes if (has(n, Atspi.StateType.FOCUSABLE) or n.get_role_name() == 'image')
               and n.get_role_name() not in ('list', 'list item') and not re.search(r'\w\w', n.get_name())]
    print('\n'.join(f'{n.get_role_name()} "{n.get_name()}"' for n in unnamed))
    sys.exit(1 if unnamed else 0)
