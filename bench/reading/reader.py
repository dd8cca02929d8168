"""Reads the game the way a screen reader does, over AT-SPI.

Run by bench/reader inside an Xvfb and a D-Bus session. Starts the
accessibility bus, then the game with Qt's accessibility switched on, dumps
the table's tree, plays one game from the keyboard and prints what the
reader was told.
"""
import argparse
import os
import shutil
import subprocess
import sys
import threading
import time

import pyatspi

import accessible
import playfolder

WATCHED = ["object:property-change:accessible-name",
           "object:property-change:accessible-description",
           "object:state-changed:checked",
           "object:state-changed:focused",
           "focus:"]


def describe(node):
    states = node.getState()
    words = []
    for state, word in ((pyatspi.STATE_FOCUSED, "focused"), (pyatspi.STATE_CHECKED, "checked"),
                        (pyatspi.STATE_CHECKABLE, "checkable"), (pyatspi.STATE_FOCUSABLE, "focusable"),
                        (pyatspi.STATE_SHOWING, "showing")):
        if states.contains(state):
            words.append(word)
    text = "%s [%s] %r" % (node.getRoleName(), " ".join(words), node.name)
    if node.description:
        text += " - %r" % node.description
    return text


def dump(node, depth, out, limit=400):
    if limit <= 0:
        return limit
    out.append("  " * depth + describe(node))
    limit -= 1
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            limit = dump(child, depth + 1, out, limit)
    return limit


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("output", nargs="?", default="-")
    args = parser.parse_args()

    bus = accessible.Bus()
    folder = playfolder.scratch(args.data, "velloro-reader-")
    env = dict(os.environ, **playfolder.GAME_ENV, **accessible.GAME_ENV)
    game = subprocess.Popen([os.path.abspath(args.binary)], cwd=folder, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    lines = []
    told = []
    try:
        app = accessible.find_app(game.pid, 30)
        if app is None:
            print("the game did not show on the accessibility bus", file=sys.stderr)
            return 1
        time.sleep(2)  # the splash goes once the table is up
        lines.append("== The tree of the table as it opens")
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name.startswith("Velloro"):
                dump(window, 0, lines)

        def listen(event):
            source = event.source
            try:
                name = source.name if source else ""
                role = source.getRoleName() if source else ""
            except Exception:
                name, role = "?", "?"
            try:
                said = source.description if source else ""
            except Exception:
                said = "?"
            if event.type.endswith("accessible-description"):
                told.append("description  %s %r: %r" % (role, name, said))
            elif event.type.endswith("accessible-name"):
                told.append("name         %s %r" % (role, name))
            elif "checked" in event.type:
                told.append("checked=%d    %s %r" % (event.detail1, role, name))
            elif event.detail1 or event.type.startswith("focus"):
                told.append("focus        %s %r %s" % (role, name, ("- %r" % said) if said else ""))

        pyatspi.Registry.registerEventListener(listen, *WATCHED)
        loop = threading.Thread(target=pyatspi.Registry.start, daemon=True)
        loop.start()
        time.sleep(1)
        window = subprocess.run(["xdotool", "search", "--name", "Velloro 32 Bit"],
                                capture_output=True, text=True).stdout.split()
        if window:
            subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=False)
        time.sleep(0.5)
        # Five numbers by the arrow keys and Space, then PLAY by its key.
        for keys in (["space"], ["Right", "Right", "space"], ["Down", "space"],
                     ["End", "space"], ["4", "5", "space"], ["ctrl+p"]):
            for key in keys:
                subprocess.run(["xdotool", "key", "--delay", "150", key], check=False)
            time.sleep(0.4)
        time.sleep(45)  # the balls are called at the pace of their recordings
        pyatspi.Registry.stop()
    finally:
        game.terminate()
        try:
            game.wait(timeout=10)
        except subprocess.TimeoutExpired:
            game.kill()
        bus.close()
        shutil.rmtree(folder, ignore_errors=True)
    lines.append("")
    lines.append("== What the reader was told while one game was played from the keyboard")
    lines.extend(told)
    accessible.write_report(lines, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
