"""Plays a quiz of the running Duridaz window from the keyboard for each picture file given,
with that file in the place of every key picture: Go, then for each question the box that
names the missing picture is closed with Return, and the question is answered with the number
key of its own key name, found over the accessibility bus.

Each key press is timed from the press to what it does: Go to the first box shown, Return to
the box gone, a number key to its answer named the choice over the accessibility bus. Prints
a line per quiz with its slowest answer to a key press, and exits with a message at the first
box missing or wrongly titled, or the first key press answered later than the limit.

Usage: refused-pictures.py WINDOW PICTURE_FOLDER QUESTIONS LIMIT_MS FILE..."""
import re
import select
import shutil
import sys
import time

import pyatspi
from gi.repository import Atspi
from Xlib import X, XK, display
from Xlib.ext import xtest

KEY_NAMES = ["G", "D", "A", "E", "B", "F Sharp", "C Sharp", "F", "B Flat", "E Flat", "A Flat",
             "D Flat", "G Flat", "C Flat"]


def fail(message):
    sys.exit(f"FAIL: {message}")


class Window:
    """The program's windows as the X server shows them, and key presses at them."""

    def __init__(self, window_id):
        self.x = display.Display()
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.main = self.x.create_resource_object("window", window_id)
        self.name_atom = self.x.intern_atom("_NET_WM_NAME")
        self.utf8 = self.x.intern_atom("UTF8_STRING")
        self.events = []

    def press(self, key, target):
        """Presses and releases a key at a window; returns the moment of the press."""
        target.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        code = self.x.keysym_to_keycode(XK.string_to_keysym(key))
        start = time.monotonic()
        xtest.fake_input(self.x, X.KeyPress, code)
        xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.flush()
        return start

    def next_event(self, kind, seconds, window=None):
        """The next MapNotify or UnmapNotify, of any window or of the one given, within the
        given seconds, or None; the ones before it are dropped."""
        deadline = time.monotonic() + seconds
        while True:
            found = next((event for event in self.events if event.type == kind
                          and window in (None, event.window)), None)
            if found is not None:
                self.events = self.events[self.events.index(found) + 1:]
                return found
            while not self.x.pending_events():
                left = deadline - time.monotonic()
                if left <= 0:
                    return None
                select.select([self.x.fileno()], [], [], left)
            event = self.x.next_event()
            if event.type in (X.MapNotify, X.UnmapNotify):
                self.events.append(event)

    def title(self, window):
        name = window.get_full_property(self.name_atom, self.utf8)
        return name.value.decode() if name else ""


class Labels:
    """The window's labels, read afresh over the accessibility bus."""

    def __init__(self):
        self.app = next((app for app in pyatspi.Registry.getDesktop(0)
                         if app is not None and app.name == "duridaz"), None)
        if self.app is None:
            fail("no application duridaz on the accessibility bus")
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.answers = {}
        for node in self.walk(self.app):
            found = re.match(r"Answer ([1-4])", node.name or "")
            if found:
                self.answers[int(found.group(1))] = node
        if len(self.answers) != 4:
            fail(f"found answers {sorted(self.answers)}")

    def walk(self, node):
        yield node
        for child in node:
            if child is not None:
                yield from self.walk(child)

    def position_of(self, key_name):
        for position, node in self.answers.items():
            if node.name.split(", ")[0] == f"Answer {position}: {key_name}":
                return position
        fail(f"no answer is {key_name}: {[node.name for node in self.answers.values()]}")

    def wait_for_choice(self, position):
        """Waits until the answer at a position is the one chosen."""
        deadline = time.monotonic() + 5
        while not self.answers[position].name.endswith(", your choice"):
            if time.monotonic() > deadline:
                fail(f"answer {position} was not chosen")
            time.sleep(0.002)


def play(window, labels, questions, limit):
    """One quiz; returns the slowest answer to a key press, in seconds."""
    slowest = 0

    def answered(start, what):
        nonlocal slowest
        took = time.monotonic() - start
        slowest = max(slowest, took)
        if took > limit:
            fail(f"{what} took {took * 1000:.0f} ms")

    go = window.press("Return", window.main)
    for question in range(1, questions + 1):
        mapped = window.next_event(X.MapNotify, 5)
        if mapped is None:
            fail(f"question {question} brought up no box")
        if question == 1:
            answered(go, "the box after Go")
        box = mapped.window
        title = window.title(box)
        if not re.fullmatch(r"([1-9]|1[0-4])\.gif", title):
            fail(f"question {question} brought up a window titled '{title}'")
        closing = window.press("Return", box)
        if window.next_event(X.UnmapNotify, 5, box) is None:
            fail(f"Return left the box of question {question} open")
        answered(closing, f"closing the box of question {question}")
        position = labels.position_of(KEY_NAMES[int(title.split(".")[0]) - 1])
        choosing = window.press(str(position), window.main)
        labels.wait_for_choice(position)
        answered(choosing, f"choosing answer {position} of question {question}")
    # The last question is graded within half a second, or after a two-second pause.
    late = window.next_event(X.MapNotify, 3)
    if late is not None:
        fail(f"a window titled '{window.title(late.window)}' came after the last question")
    return slowest


def main():
    window_id, folder, questions, limit = sys.argv[1:5]
    window = Window(int(window_id))
    labels = Labels()
    worst = 0
    for picture in sys.argv[5:]:
        for key in range(1, 15):
            shutil.copyfile(picture, f"{folder}/{key}.gif")
        slowest = play(window, labels, int(questions), int(limit) / 1000)
        worst = max(worst, slowest)
        print(f"ok: {picture.rsplit('/', 1)[-1]} as every key picture: a box for each of "
              f"{questions} questions, the slowest key press answered in {slowest * 1000:.0f} ms")
    print(f"ok: the slowest key press of all was answered in {worst * 1000:.0f} ms")


main()
