"""An Xvfb of a bench program's own and real input to it through xdotool (XTest)."""

import os
import select
import subprocess
import time

import processes


class Display:
    def __init__(self, screen):
        # Xvfb picks a free display itself and tells its number: programs
        # started side by side never share a server. Without -noreset the
        # server starts afresh when its last client goes, and a game started
        # again at that moment (after a kill) finds no display.
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                        screen, "-nolisten", "tcp", "-noreset"],
                                       pass_fds=(write_end,),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 10
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                self.server.kill()
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.name = ":%d" % int(number)
        self.env = dict(os.environ, DISPLAY=self.name)

    def close(self):
        processes.end(self.server)

    def xdotool(self, *args, timeout=10):
        try:
            done = subprocess.run(["xdotool", *map(str, args)], env=self.env, timeout=timeout,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        except subprocess.TimeoutExpired:
            return ""
        return done.stdout

    # -- windows --------------------------------------------------------------
    def windows(self, pid):
        """The game's mapped windows (menus and pop-ups included)."""
        out = self.xdotool("search", "--onlyvisible", "--pid", pid)
        return sorted(int(w) for w in out.split())

    def geometry(self, window):
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = value
        try:
            return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                    int(values["HEIGHT"]))
        except (KeyError, ValueError):
            return None

    def name_of(self, window):
        # Asked each time: the server gives a finished client's window numbers
        # to the next one, so a game started again may have another window
        # under the number its table had.
        return self.xdotool("getwindowname", window).strip()

    def main_window(self, pid):
        """The largest window of the game once it shows one."""
        best, area = None, 0
        for w in self.windows(pid):
            g = self.geometry(w)
            if g and g[2] * g[3] > area:
                best, area = w, g[2] * g[3]
        return best if area > 200 * 200 else None

    def wait_new_window(self, pid, before, seconds):
        deadline = time.monotonic() + seconds
        while True:
            new = set(self.windows(pid)) - before
            if new:
                return max(new)
            if time.monotonic() > deadline:
                return None
            time.sleep(0.05)

    def wait_gone(self, pid, window, seconds):
        deadline = time.monotonic() + max(seconds, 0.5)
        while window in self.windows(pid):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.05)
        return True

    def focus(self, window):
        self.xdotool("windowfocus", window)

    def ask_to_close(self, window):
        """What a window manager's close button does: a WM_DELETE_WINDOW message
        (python3-xlib). False when the window does not take that message."""
        from Xlib import X, display, protocol  # only the programs that close need it
        connection = display.Display(self.name)
        try:
            target = connection.create_resource_object("window", window)
            protocols = connection.intern_atom("WM_PROTOCOLS")
            delete = connection.intern_atom("WM_DELETE_WINDOW")
            if delete not in (target.get_wm_protocols() or []):
                return False
            message = protocol.event.ClientMessage(window=target, client_type=protocols,
                                                   data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            target.send_event(message, event_mask=X.NoEventMask)
            connection.sync()
            return True
        finally:
            connection.close()

    # -- input ------------------------------------------------------------------
    def click(self, at, button):
        self.xdotool("mousemove", at[0], at[1], "click", button)

    def hold(self, at, seconds):
        self.xdotool("mousemove", at[0], at[1], "mousedown", 1)
        time.sleep(seconds)
        self.xdotool("mouseup", 1)

    def key(self, name):
        self.xdotool("key", "--delay", "30", name)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
