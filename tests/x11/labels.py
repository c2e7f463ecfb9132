"""Prints every text of the running Duridaz window, read over the accessibility bus, as
lines "x y text" with positions relative to the window."""
import sys
import time

import pyatspi


def find_app(name, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no application {name} on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def main():
    app = find_app(sys.argv[1] if len(sys.argv) > 1 else "duridaz")
    for node in walk(app):
        if node.getRole() != pyatspi.ROLE_LABEL:
            continue
        box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        print(box.x, box.y, node.name)


main()
