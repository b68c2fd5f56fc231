#!/usr/bin/python3
# A client of the accessibility bus that listens to every object event, as a screen reader does,
# and asks each event's source for its name and role. Run it in the same D-Bus session as the
# program measured, after the bus launcher:
#   dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
#     /usr/bin/python3 bench/atspi_listener.py & sleep 2; <program>'
import signal
import sys

import pyatspi

import collections

events = collections.Counter()


def on_event(event):
    events[event.type] += 1
    try:
        source = event.source
        source.name
        source.getRole()
        source.getState()
        # A list that has the focus is read out: its size and the item that has the focus.
        if source.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            count = source.childCount
            if count > 0:
                source.getChildAtIndex(count - 1).name
    except Exception:
        pass


def stop(*_):
    print(f"atspi_listener: {dict(events)}", file=sys.stderr)
    pyatspi.Registry.stop()


signal.signal(signal.SIGTERM, stop)
pyatspi.Registry.registerEventListener(on_event, "object:")
pyatspi.Registry.start()
