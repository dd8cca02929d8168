"""The game as a screen reader sees it, over AT-SPI (Debian's python3-pyatspi).

The bench programs run inside a D-Bus session of their own (dbus-run-session);
start_bus() starts the accessibility bus in it, and the game, started with
GAME_ENV added to its environment, shows on it.
"""

import subprocess
import time

import pyatspi

# Qt's accessibility bridge switched on whatever the desktop says.
GAME_ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}


def start_bus(env=None):
    """The accessibility bus launcher; terminate it at the end."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=env)
    time.sleep(1.5)
    return launcher


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
