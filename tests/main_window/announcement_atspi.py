#!/usr/bin/python3
# What a screen reader hears after "Calcola": starts the program on the accessibility bus of this
# session (tests/run_atspi.sh provides one), fills the single-LED panel with its worked example
# through AT-SPI, presses "Calcola" as a reader would (its first action), and waits up to two
# seconds for the announcement.
#   announcement_atspi.py program expected-text
# Exits 0 when the announcement came with the expected text, 1 when it did not, 77 (skipped) when
# AT-SPI cannot be reached from Python.
import os
import subprocess
import sys
import time

SKIP = 77
WAIT_S = 2.0
WORKED_EXAMPLE = ["12", "2", "20"]  # supply V, LED V, current mA


def skip(reason):
    print(f"SKIP: {reason}", file=sys.stderr)
    sys.exit(SKIP)


try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    skip(f"no AT-SPI bindings for Python ({error}): install python3-gi and gir1.2-atspi-2.0")


def spin(seconds, until=lambda: False):
    """Runs the GLib main loop, which delivers AT-SPI events, for up to seconds or until until()."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)
    return until()


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.1)
    return None


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def main():
    program, expected = sys.argv[1], sys.argv[2]
    if Atspi.init() not in (0, 1):
        skip("AT-SPI did not initialise")
    app_process = None
    try:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        app_process = subprocess.Popen([program], env=env)
        app = find_application("Varelux", 10.0)
        if app is None:
            print("FAIL: the program did not appear on the accessibility bus", file=sys.stderr)
            return 1

        # The single-LED panel comes first: its three fields and its "Calcola".
        fields, calculate = [], None
        deadline = time.monotonic() + 5.0
        while time.monotonic() < deadline and (len(fields) < 3 or calculate is None):
            nodes = list(descendants(app))
            fields = [n for n in nodes if n.get_role() == Atspi.Role.TEXT]
            buttons = [n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON
                       and n.get_name().endswith("Calcola")]
            calculate = buttons[0] if buttons else None
            time.sleep(0.1)
        if len(fields) < 3 or calculate is None:
            print("FAIL: no fields or no Calcola button on the accessibility bus", file=sys.stderr)
            return 1
        for field, text in zip(fields, WORKED_EXAMPLE):
            field.set_text_contents(text)

        heard = []

        def on_event(event):
            if event.type.startswith("object:announcement"):
                heard.append(str(event.any_data))
            elif (event.type.startswith("object:state-changed:showing") and event.detail1 == 1
                  and event.source.get_role() == Atspi.Role.NOTIFICATION):
                heard.append(event.source.get_name())

        listener = Atspi.EventListener.new(on_event)
        listener.register("object:announcement")
        listener.register("object:state-changed:showing")
        spin(0.3)  # the program learns of the new listener

        calculate.do_action(0)
        started = time.monotonic()
        spin(WAIT_S, lambda: expected in heard)
        took = time.monotonic() - started
        if expected in heard:
            print(f"heard after {took:.2f} s: {expected}")
            return 0
        print(f"FAIL: expected {expected!r} within {WAIT_S} s, heard {heard!r}", file=sys.stderr)
        return 1
    finally:
        if app_process is not None:
            app_process.terminate()
            app_process.wait(5)


if __name__ == "__main__":
    sys.exit(main())
