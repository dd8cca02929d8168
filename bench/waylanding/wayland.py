"""The game on a Wayland compositor: weston (its X11 backend, inside an Xvfb
of its own) at a scale, the game on Qt's wayland platform; a way ticket is
chosen (three numbers marked), so the way window opens, then the "What's this?" pop-up of the
focused control is asked for (Shift+F1), then the one of the first way row
from its right-click menu. Screenshots of the whole output at
each step go to the folder given; the game's standard error is printed (it
must be empty: no warning from the platform)."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "common"))
import processes  # noqa: E402
import xinput  # noqa: E402


DESIGN_W, DESIGN_H = 500, 400
WAY_DESIGN_W, WAY_DESIGN_H = 112, 390


def cell_point(client, n):
    """The middle of a board cell of the table's client area (x, y, w, h)."""
    cx, cy, cw, ch = client
    column, row = (n - 1) % 10, (n - 1) // 10
    panel_y = 7 if row < 4 else 221
    x, y = 7 + 1 + 35 * column + 16, panel_y + 1 + 35 * (row % 4) + 16
    return (cx + round(x * cw / DESIGN_W), cy + round(y * ch / DESIGN_H))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--binary", default="build/velloro")
    parser.add_argument("--data", default="build")
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("out")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    width, height = (int(v) for v in args.size.split("x"))
    folder = tempfile.mkdtemp(prefix="velloro-wayland-")
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    for name in ("cpos.vlr", "Keno.hlp", "Keno.Mid"):
        if os.path.exists(os.path.join(args.data, name)):
            shutil.copy(os.path.join(args.data, name), folder)
    x = xinput.Display("%dx%dx24" % (width, height))
    env = dict(os.environ, DISPLAY=x.name, XDG_RUNTIME_DIR=runtime)
    weston = subprocess.Popen(["weston", "--backend=x11-backend.so", "--width=%d" % (width // args.scale),
                               "--height=%d" % (height // args.scale), "--scale=%d" % args.scale,
                               "--socket=velloro-wayland", "--idle-time=0"],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    game = None
    shots = []

    def shoot(name):
        path = os.path.join(args.out, "weston-scale%d-%s.png" % (args.scale, name))
        subprocess.run(["import", "-window", "root", path], env=x.env, check=True)
        shots.append(path)

    try:
        for _ in range(50):
            if os.path.exists(os.path.join(runtime, "velloro-wayland")):
                break
            time.sleep(0.2)
        time.sleep(1)
        game_env = dict(env, WAYLAND_DISPLAY="velloro-wayland", QT_QPA_PLATFORM="wayland",
                        SDL_AUDIODRIVER="dummy")
        game_env.pop("DISPLAY")
        game_env.pop("QT_SCALE_FACTOR", None)
        err_path = os.path.join(folder, "velloro.stderr")
        with open(err_path, "wb") as err:
            game = subprocess.Popen([os.path.abspath(args.binary)], cwd=folder, env=game_env,
                                    stdout=subprocess.DEVNULL, stderr=err)
        time.sleep(6)
        shoot("table")
        # Where the compositor put the table: the box of its green.
        box = subprocess.run(["convert", shots[-1], "-fill", "black", "+opaque", "rgb(0,128,0)",
                              "-format", "%@", "info:"], capture_output=True, text=True,
                             check=True).stdout
        size, gx, gy = box.split("+")
        gw, gh = (int(v) for v in size.split("x"))
        gx, gy = int(gx), int(gy)
        # The window's icon may hold the same green above the client area:
        # its top is where the green starts in the window's rightmost column
        # of pixels, which is green from the top of the client to its bottom.
        column = subprocess.run(["convert", shots[-1], "-crop", "1x%d+%d+0" % (height, gx + gw - 2),
                                 "+repage", "-fill", "black", "+opaque", "rgb(0,128,0)",
                                 "-format", "%@", "info:"], capture_output=True, text=True,
                                check=True).stdout
        top = int(column.split("+")[2])
        gh, gy = gy + gh - top, top
        # On Wayland the way rows' green column stands inside the window, at
        # the table's right, from the start.
        client = (gx, gy, round(gw * DESIGN_W / (DESIGN_W + WAY_DESIGN_W)), gh)
        # Three numbers marked, then Tickets, Way.
        for n in (5, 15, 25):
            x.click(cell_point(client, n), 1)
            time.sleep(0.3)
        for keys in (["alt+t"], ["w"]):
            x.xdotool("key", "--delay", "100", *keys)
            time.sleep(0.8)
        time.sleep(1.5)
        shoot("way")
        x.xdotool("key", "--delay", "100", "shift+F1")
        time.sleep(1.5)
        shoot("way-and-popup")
        # The note of way row 1, from its own "What's this?" menu.
        x.xdotool("key", "Escape")
        time.sleep(0.5)
        cx, cy, cw, ch = client
        column_w = gw - cw
        way_h = round(ch * WAY_DESIGN_H / DESIGN_H)
        row = (cx + cw + round(56 * column_w / WAY_DESIGN_W),
               cy + ch - way_h + round(13 * way_h / WAY_DESIGN_H))
        x.click(row, 3)
        time.sleep(1)
        x.xdotool("key", "--delay", "200", "Down", "Return")
        time.sleep(1.5)
        shoot("way-row-popup")
        with open(err_path, "rb") as err:
            text = err.read().decode(errors="replace")
        print("standard error of the game:", text.strip() or "(empty)")
        for path in shots:
            print("wrote", path)
    finally:
        if game:
            processes.end(game)
        processes.end(weston)
        x.close()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
