#!/usr/bin/python3
# What a screen reader hears after "Calcola", over the accessibility bus that run_atspi.sh gives:
# starts the program, types the single-LED panel's worked example into its fields through AT-SPI,
# presses "Calcola" as a reader does (its first action) and waits two seconds for the announcement.
#   announcement_atspi.py program
# Exits 0 when it came with the expected text, 1 when not, 77 (skipped) without AT-SPI for Python.
import subprocess
import sys
import time
from pathlib import Path

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    print(f"SKIP: no AT-SPI for Python ({error}): install python3-gi, gir1.2-atspi-2.0",
          file=sys.stderr)
    sys.exit(77)

# The single-LED panel's first worked example: supply V, LED V, current mA, and its results.
FACTS = (Path(__file__).parents[1] / "main_window_facts.txt").read_text(encoding="utf-8")
*WORKED_EXAMPLE, _, RESISTANCE, POWER = next(
    line.split()[2:] for line in FACTS.splitlines() if line.startswith("example single "))


def spin(seconds, until=lambda: False):
    """Delivers AT-SPI events for up to seconds, or until until() holds; returns until()."""
    context, deadline = GLib.MainContext.default(), time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)
    return until()


def descendants(node):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is not None:
            yield child
            yield from descendants(child)


def controls():
    """The program's fields and its first "Calcola" (the single-LED panel's), once shown."""
    desktop = Atspi.get_desktop(0)
    for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
        if app is not None and app.get_name() == "Varelux":
            nodes = list(descendants(app))
            fields = [n for n in nodes if n.get_role() == Atspi.Role.TEXT]
            buttons = [n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON
                       and n.get_name().endswith("Calcola")]
            if len(fields) >= 3 and buttons:
                return fields[:3], buttons[0]
    return None


def main(program):
    expected = f"Resistenza calcolata {RESISTANCE} ohm, potenza dissipata {POWER} mW"
    Atspi.init()
    app = subprocess.Popen([program])
    try:
        found = []
        if not spin(10, lambda: found.append(controls()) or found[-1]):
            print("FAIL: no fields and Calcola of the program on the bus", file=sys.stderr)
            return 1
        fields, calculate = found[-1]
        for field, text in zip(fields, WORKED_EXAMPLE):
            field.set_text_contents(text)

        heard = []

        def on_event(event):
            if event.type.startswith("object:announcement"):  # Qt 6.8 on
                heard.append(str(event.any_data))
            elif event.detail1 == 1 and event.source.get_role() == Atspi.Role.NOTIFICATION:
                heard.append(event.source.get_name())  # a notification starts showing

        listener = Atspi.EventListener.new(on_event)
        listener.register("object:announcement")
        listener.register("object:state-changed:showing")
        spin(0.3)  # the program learns of the listener

        calculate.do_action(0)
        started = time.monotonic()
        if spin(2.0, lambda: expected in heard):
            print(f"heard after {time.monotonic() - started:.2f} s: {expected}")
            return 0
        print(f"FAIL: expected {expected!r} within 2 s, heard {heard!r}", file=sys.stderr)
        return 1
    finally:
        app.terminate()
        app.wait(5)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
