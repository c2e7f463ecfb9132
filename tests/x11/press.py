"""Presses the push button of the given name in the running Duridaz, over the accessibility
bus, as a screen reader's user would; waits up to five seconds for it to appear."""
import sys
import time

import pyatspi


def buttons(node):
    if node is None:
        return
    if node.getRoleName() == "push button":
        yield node
    for child in node:
        yield from buttons(child)


def main():
    name = sys.argv[1]
    deadline = time.time() + 5
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "duridaz":
                for button in buttons(app):
                    if button.name == name:
                        button.queryAction().doAction(0)
                        return
        time.sleep(0.2)
    sys.exit(f"no button {name!r}")


main()
