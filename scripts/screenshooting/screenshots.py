"""Screenshots of the real game for the README and the software centres.

Starts the game under an Xvfb of its own in a scratch play folder, plays a
game, casts a way ticket and opens Your Play, and saves each window as a PNG
(optipng'd) in the folder given."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "bench", "common"))
import processes  # noqa: E402
import xinput  # noqa: E402
from table import cell_point, design_point  # noqa: E402

PLAY = (2 + 32, 369 + 14)
OPEN = (100 + 32, 369 + 14)
CAST = (297 + 32, 369 + 14)
# The menu bar's titles, pixels from the window's top left at 1024 x 768.
TICKETS = (87, 9)
HELP = (141, 9)


def menu(x, g, title, letter):
    """Opens a menu of the bar with the mouse and takes an item by its letter."""
    x.click((g[0] + title[0], g[1] + title[1]), 1)
    time.sleep(0.6)
    x.xdotool("key", letter)
    time.sleep(1)


def shoot(x, window, path):
    subprocess.run(["import", "-window", str(window), path], env=x.env, check=True)
    subprocess.run(["optipng", "-quiet", "-o5", "-strip", "all", path], check=True)
    print("wrote", path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--binary", default="build/velloro")
    parser.add_argument("--data", default="build")
    parser.add_argument("--screen", default="1024x768x24")
    parser.add_argument("out")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    folder = tempfile.mkdtemp(prefix="velloro-shots-")
    for name in ("cpos.vlr", "Keno.hlp", "Keno.Mid"):
        if os.path.exists(os.path.join(args.data, name)):
            shutil.copy(os.path.join(args.data, name), folder)
    x = xinput.Display(args.screen)
    game = None
    try:
        env = dict(os.environ, DISPLAY=x.name, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
        env.pop("QT_SCALE_FACTOR", None)
        game = subprocess.Popen([os.path.abspath(args.binary)], cwd=folder, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        main_window = None
        for _ in range(100):
            main_window = x.main_window(game.pid)
            if main_window:
                break
            time.sleep(0.2)
        if not main_window:
            raise SystemExit("the main window did not appear")
        time.sleep(1.5)
        main_window = x.main_window(game.pid)
        g = x.geometry(main_window)

        # The table: seven numbers marked and one game played.
        for n in (3, 17, 22, 38, 45, 61, 79):
            x.click(cell_point(g, n), 1)
            time.sleep(0.1)
        x.click(design_point(g, *PLAY), 1)
        # The twenty balls are called one by one.
        time.sleep(25)
        shoot(x, main_window, os.path.join(args.out, "table.png"))

        # A way ticket: the table cleared (OPEN, CAST), a group of three,
        # Tickets, Way, two more groups, the rows bet.
        for button in (OPEN, CAST):
            x.click(design_point(g, *button), 1)
            time.sleep(0.8)
        for n in (5, 15, 25):
            x.click(cell_point(g, n), 1)
            time.sleep(0.2)
        menu(x, g, TICKETS, "w")
        time.sleep(1)
        for n in (8, 18, 28, 52, 53, 54):
            x.click(cell_point(g, n), 1)
            time.sleep(0.2)
        way = [w for w in x.windows(game.pid) if x.name_of(w) == "Ways Possible"]
        if way:
            wx, wy, ww, wh = x.geometry(way[0])
            for k in (1, 2, 3):
                x.click((wx + round(56 * ww / 112), wy + round((13 + 26 * (k - 1)) * wh / 390)), 1)
                time.sleep(0.3)
        time.sleep(1)
        subprocess.run(["import", "-window", "root", os.path.join(folder, "root.png")],
                       env=x.env, check=True)
        # Table and way window side by side, cropped from the screen.
        boxes = [x.geometry(w) for w in [main_window] + way[:1]]
        left = min(b[0] for b in boxes)
        top = min(b[1] for b in boxes)
        right = max(b[0] + b[2] for b in boxes)
        bottom = max(b[1] + b[3] for b in boxes)
        path = os.path.join(args.out, "way-ticket.png")
        subprocess.run(["convert", os.path.join(folder, "root.png"), "-crop",
                        "%dx%d+%d+%d" % (right - left, bottom - top, left, top), "+repage",
                        path], check=True)
        subprocess.run(["optipng", "-quiet", "-o5", "-strip", "all", path], check=True)
        print("wrote", path)

        # Your Play, from the Help menu.
        before = set(x.windows(game.pid))
        # The way window moved the table to the screen's left.
        g = x.geometry(main_window)
        menu(x, g, HELP, "y")
        shown = x.wait_new_window(game.pid, before, 5)
        time.sleep(1.5)
        your_play = [w for w in x.windows(game.pid) if x.name_of(w) == "Your Play"]
        shoot(x, your_play[0] if your_play else shown, os.path.join(args.out, "your-play.png"))
    finally:
        if game:
            processes.end(game)
        x.close()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
