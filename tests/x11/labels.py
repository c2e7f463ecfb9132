"""Reads the running Duridaz window over the accessibility bus and prints one line per
control: "x<TAB>y<TAB>role<TAB>name<TAB>description<TAB>text", positions relative to the
window."""
import sys
import time

import pyatspi


def find_app(name, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no application {name} on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def main():
    app = find_app(sys.argv[1] if len(sys.argv) > 1 else "duridaz")
    for node in walk(app):
        try:
            box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        except NotImplementedError:
            continue
        fields = [box.x, box.y, node.getRoleName(), node.name, node.description, text_of(node)]
        print("\t".join(str(f).replace("\t", " ") for f in fields))


main()
