"""The game as a screen reader sees it, over AT-SPI (Debian's python3-pyatspi).

The bench programs run inside a D-Bus session of their own (dbus-run-session);
Bus() starts the accessibility bus in it, and the game, started with GAME_ENV
added to its environment, shows on it.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

import processes

# Qt's accessibility bridge switched on whatever the desktop says.
GAME_ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}


class Bus:
    """The accessibility bus of one bench program. Its socket lies in the user's
    runtime folder, one path for every bus of the user: each bus gets a runtime
    folder of its own, so two programs side by side do not take each other's.
    The program's environment (os.environ) names that folder from then on, for
    the game started later too."""

    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="velloro-runtime-")
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        self.launcher = subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        time.sleep(1.5)

    def close(self):
        processes.end(self.launcher)
        shutil.rmtree(self.runtime, ignore_errors=True)


def find_app(pid, seconds):
    """The game's application on the bus once it shows a window, or None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application going away
                pass
        time.sleep(0.2)
    return None


def children(node):
    """A node's children that can still be read."""
    out = []
    try:
        count = node.childCount
    except Exception:
        return out
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            out.append(child)
    return out


def name_of(node):
    """The node's name, read afresh (the library's cache follows only the events it
    is sent, and a program that runs no main loop reads none); None when gone."""
    try:
        node.clear_cache()
        return node.name
    except Exception:
        return None


def write_report(lines, output):
    """What a screen-reader bench heard, one line each, to standard output ("-") or a file."""
    text = "\n".join(lines) + "\n"
    if output == "-":
        sys.stdout.write(text)
    else:
        with open(output, "w") as out:
            out.write(text)
