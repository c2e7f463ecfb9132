"""Listens to the running Duridaz window over the accessibility bus for a number of seconds
and prints each change it announces: "event<TAB>role<TAB>new value"."""
import sys

import pyatspi
from gi.repository import GLib

EVENTS = [
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
]


def announce(event):
    try:
        app = event.source.getApplication().name
    except Exception:  # the source may be gone already
        return
    if app != "duridaz":
        return
    kind = event.type.split(":")[-1]
    print(f"{kind}\t{event.source.getRoleName()}\t{event.source.name}", flush=True)


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 5
    pyatspi.Registry.registerEventListener(announce, *EVENTS)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


main()
