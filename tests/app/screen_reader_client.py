#!/usr/bin/python3
"""Plays the start of a round as a screen reader does, over the accessibility bus.

Run inside a D-Bus session of its own, with DISPLAY set:
    dbus-run-session -- /usr/bin/python3 screen_reader_client.py QUORVEL_PROGRAM
or, to time the game's commands while a screen reader listens, with any program:
    dbus-run-session -- /usr/bin/python3 screen_reader_client.py --listen PROGRAM [ARGUMENTS]

It turns the screen reader setting on, listens for description changes, starts the game, finds
the table by its name and presses Deal (again after a two-card 21, until a round is in play) and
then Stand through the buttons' accessible actions. It prints one "key: value" line for each
thing it read, for the test to judge:
    start, deal, stand                  the table's words at each point
    deal announcements, stand announcements
                                        the description changes heard for that press
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

TABLE_NAME = "Card table"


def screen_reader_setting(bus, method, *value):
    arguments = ("org.a11y.Status", "ScreenReaderEnabled") + value
    reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                          method, GLib.Variant("(ss" + "v" * len(value) + ")", arguments), None,
                          Gio.DBusCallFlags.NONE, 10000, None)
    return reply.unpack()[0] if method == "Get" else None


def keep_inside_this_session(bus, runtime_dir):
    """The accessibility bus keeps the screen reader setting with the user's desktop settings and
    its socket in the user's runtime directory: here both stay inside this session, so the
    user's own desktop does not start a screen reader next time."""
    os.environ["XDG_RUNTIME_DIR"] = runtime_dir
    private = {"GSETTINGS_BACKEND": "memory", "XDG_RUNTIME_DIR": runtime_dir}
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment", GLib.Variant("(a{ss})", (private,)), None,
                  Gio.DBusCallFlags.NONE, 10000, None)


def turn_screen_reader_on(runtime_dir):
    """What a screen reader does when it starts; this also starts the accessibility bus.

    The bus reports the setting back only once the settings store has taken it, a moment later;
    a program started before that would find no screen reader.
    """
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    keep_inside_this_session(bus, runtime_dir)
    screen_reader_setting(bus, "Set", GLib.Variant("b", True))
    wait_for("the screen reader setting", lambda: screen_reader_setting(bus, "Get"))


def handle_pending_events(seconds=0.3):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, read, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = read()
        if value:
            return value
        handle_pending_events(0.1)
    raise RuntimeError("gave up waiting for " + what)


def find_game():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_name() == "quorvel":
            return application
    return None


def find(root, name):
    return pyatspi.findDescendant(root, lambda node: node is not None and node.name == name)


def press(button, table, heard):
    """Presses through the Press action; returns the words once they have changed."""
    before = table.description
    actions = button.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    heard.clear()
    actions.doAction(names.index("Press"))
    words = wait_for("the table to change", lambda: table.description != before and
                     table.description)
    handle_pending_events()
    return words


def play(program, runtime_dir):
    heard = []

    def on_description(event):
        if event.source is not None and event.source.name == TABLE_NAME:
            heard.append(event)

    turn_screen_reader_on(runtime_dir)
    pyatspi.Registry.registerEventListener(on_description,
                                           "object:property-change:accessible-description")
    game = subprocess.Popen([program])
    try:
        application = wait_for("the game on the bus", find_game)
        table = wait_for("the table", lambda: find(application, TABLE_NAME))
        deal = find(application, "Deal")
        stand = find(application, "Stand")
        print("start:", table.description, flush=True)
        words = press(deal, table, heard)
        for _ in range(20):
            if "Natural" not in words:
                break
            words = press(deal, table, heard)
        print("deal:", words)
        print("deal announcements:", len(heard))
        words = press(stand, table, heard)
        print("stand:", words)
        print("stand announcements:", len(heard), flush=True)
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()
            game.wait()


def listen_while(command, runtime_dir):
    """Listens as a screen reader does while `command` runs; returns its exit code."""
    heard = []
    turn_screen_reader_on(runtime_dir)
    pyatspi.Registry.registerEventListener(heard.append,
                                           "object:property-change:accessible-description")
    program = subprocess.Popen(command)
    while program.poll() is None:
        handle_pending_events(0.1)
    handle_pending_events()
    print("description changes heard:", len(heard), flush=True)
    return program.returncode


def give_up(*_):
    raise TimeoutError("no result within a minute")


def main():
    with tempfile.TemporaryDirectory(prefix="quorvel-a11y-") as runtime_dir:
        if sys.argv[1] == "--listen":
            return listen_while(sys.argv[2:], runtime_dir)
        signal.signal(signal.SIGALRM, give_up)
        signal.alarm(60)  # never outlive the test that waits for this
        try:
            play(sys.argv[1], runtime_dir)
        except Exception as failure:  # noqa: BLE001 - any failure is the test's to report
            print("screen_reader_client:", failure, file=sys.stderr)
            return 1
        return 0


if __name__ == "__main__":
    sys.exit(main())
