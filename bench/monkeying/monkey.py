"""Plays Velloro like an impatient person: random real X input for a while.

Started by bench/monkey, which builds the game and sets the environment. The
game runs under its own Xvfb in a scratch play folder; every event goes
through the X server (xdotool's XTest input), so a pop-up's mouse and keyboard
grab acts on it exactly as on a person's desktop.

A seed fixes the sequence of choices: every step draws the same number of
random values, which pick the kind of event and where in the chosen window it
lands. What a choice hits depends on the windows open at that moment.
"""

import os
import random
import shutil
import signal
import subprocess
import sys
import time
from collections import deque

import ledger
import playfolder
import xinput
from table import ARROWS, BOXES, BUTTONS, arrow_point, button_point, cell_point, design_point

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "ERROR: UndefinedBehaviorSanitizer")

# Menu bar titles by mnemonic and the items reached with a second letter.
# The balance menu (its title is the balance) is left alone: its one item,
# Reset, would break the ledger the run is checked against.
MENU_ITEMS = {
    "g": "plotcrsgk",   # Play, Open, Cast, Next, Restore, Save, Pause Games, Keno Sounds
    "t": "anbclqswt",   # the ticket kinds and Way
    "h": "hbygikpa",    # Help Topics, Ball Frequency, Your Play, Games History, ..., About
}
# The X title of a menu of the game (its pop-ups carry the program's name).
MENU_TITLE = "Velloro"
KEYS = ["Escape", "Return", "space", "Tab", "shift+Tab", "Up", "Down", "Left", "Right",
        "Page_Up", "Page_Down", "Home", "End", "F1", "F3", "ctrl+f", "BackSpace", "Delete",
        "alt+g", "alt+t", "alt+h", "a", "q", "1", "5", "9", "0", "s", "x", "y", "n"]

# Each kind of event and how often it is chosen.
ACTIONS = [("click", 20), ("right click", 7), ("what's this", 6), ("cell", 14), ("button", 10),
           ("held arrow", 7), ("menu", 8), ("open window", 9), ("key", 9), ("type", 2),
           ("escape", 5), ("enter", 3), ("wait", 4), ("run of games", 4)]


class Failure(Exception):
    pass


class Monkey:
    def __init__(self, args, folder):
        self.args = args
        self.folder = folder
        self.rng = random.Random(args.seed)
        self.x = xinput.Display(args.screen)
        self.events = deque(maxlen=50)
        self.count = {"events": 0, "windows opened": 0, "checks": 0, "restarts": 0,
                      "windows opened during a check": 0}
        self.titles_seen = set()
        self.known_windows = set()
        self.game = None
        self.stderr_path = os.path.join(folder, "velloro.stderr")
        self.sessions = []
        self.started = time.monotonic()

    # -- the game process ---------------------------------------------------
    def start_game(self):
        # Each start of the game opens a session: the header as it found it, then as it left it.
        self.sessions.append([ledger.read_header(self.games_file()), None])
        env = dict(os.environ, DISPLAY=self.x.name, **playfolder.GAME_ENV)
        with open(self.stderr_path, "ab") as err:
            self.game = subprocess.Popen([self.args.binary], cwd=self.folder, env=env,
                                         stdout=subprocess.DEVNULL, stderr=err)
        deadline = time.monotonic() + self.args.hang
        while time.monotonic() < deadline:
            self.check_alive()
            main = self.x.main_window(self.game.pid)
            if main:
                # The splash goes once the table is up.
                time.sleep(1.0)
                self.main = self.x.main_window(self.game.pid) or main
                self.known_windows = set(self.x.windows(self.game.pid))
                return
            time.sleep(0.2)
        raise Failure("the main window did not appear within %d s" % self.args.hang)

    def games_file(self):
        return os.path.join(self.folder, "Games.vlr")

    def check_alive(self):
        status = self.game.poll()
        if status is None:
            return
        report = self.sanitizer_report()
        if report:
            raise Failure("sanitizer report:\n" + report)
        if status == 0:
            # Exit was chosen from the Game menu, as a person may: start again.
            self.note("exit", "the game ended (status 0); started again")
            self.count["restarts"] += 1
            self.sessions[-1][1] = ledger.read_header(self.games_file())
            self.start_game()
            return
        raise Failure("the game ended with status %s" % status)

    def sanitizer_report(self):
        try:
            with open(self.stderr_path, errors="replace") as f:
                text = f.read()
        except OSError:
            return ""
        for mark in SANITIZER_MARKS:
            at = text.find(mark)
            if at >= 0:
                return text[max(0, at - 200):at + 3000]
        return ""

    # -- the log --------------------------------------------------------------
    def note(self, kind, text):
        stamp = time.monotonic() - self.started
        self.events.append((stamp, kind, text))
        self.count["events"] += 1
        if self.args.verbose:
            print("%8.2f %-12s %s" % (stamp, kind, text), flush=True)

    def track_windows(self):
        # The windows an event opens or closes show within a moment: wait until
        # the list holds still, so that a seed meets the same windows each run.
        now, deadline = set(self.x.windows(self.game.pid)), time.monotonic() + 1.0
        while time.monotonic() < deadline:
            time.sleep(0.12)
            again = set(self.x.windows(self.game.pid))
            if again == now:
                break
            now = again
        for w in now - self.known_windows:
            self.count["windows opened"] += 1
            title = self.x.name_of(w)
            if title:
                self.titles_seen.add(title)
        self.known_windows = now
        return now

    # -- choosing -------------------------------------------------------------
    def draw(self):
        """The step's random values: always six, so the sequence depends on the seed alone."""
        return [self.rng.random() for _ in range(6)]

    def pick_window(self, value):
        windows = sorted(self.known_windows)
        if not windows:
            return None
        return windows[min(int(value * len(windows)), len(windows) - 1)]

    def point_in(self, window, fx, fy):
        g = self.x.geometry(window)
        if not g:
            return None
        x, y, w, h = g
        return (x + int(fx * max(w - 1, 1)), y + int(fy * max(h - 1, 1)))

    def step(self):
        r = self.draw()
        total = sum(w for _, w in ACTIONS)
        pick = r[0] * total
        for action, weight in ACTIONS:
            pick -= weight
            if pick < 0:
                break
        if action in self.args.without:
            self.note("skipped", action)
            return
        getattr(self, "do_" + action.replace(" ", "_").replace("'", ""))(r)
        self.check_alive()
        self.track_windows()
        if self.args.shots:
            self.x.screenshot(os.path.join(self.args.shots, "%05d.png" % self.count["events"]))

    def main_geometry(self):
        g = self.x.geometry(self.main)
        if not g:
            # What looked largest at the start was the splash: look again.
            self.main = self.x.main_window(self.game.pid) or self.main
            g = self.x.geometry(self.main)
        return g

    def click_in_a_window(self, r, button, kind):
        w = self.pick_window(r[1])
        at = w and self.point_in(w, r[2], r[3])
        if at:
            self.x.click(at, button)
            self.note(kind, "%s at %d,%d" % (self.x.name_of(w) or hex(w), *at))

    def do_click(self, r):
        self.click_in_a_window(r, 1, "click")

    def do_right_click(self, r):
        self.click_in_a_window(r, 3, "right click")

    def do_whats_this(self, r):
        # A right click on a control of the main window, then its one item.
        g = self.main_geometry()
        if not g:
            self.note("skipped", "no main window")
            return
        at = self.control_point(g, r)
        before = set(self.x.windows(self.game.pid))
        self.x.click(at, 3)
        menu = self.x.wait_new_window(self.game.pid, before, 1.0)
        self.note("what's this", "right click at %d,%d" % at)
        if menu:
            mg = self.x.geometry(menu)
            if mg:
                item = (mg[0] + mg[2] // 2, mg[1] + mg[3] // 2)
                self.x.click(item, 1)
                self.note("what's this", "chose \"What's this?\" at %d,%d" % item)

    def control_point(self, g, r):
        """A point on a board cell, a button, an arrow or a value box."""
        if r[1] < 0.4:
            return cell_point(g, 1 + int(r[2] * 80))
        rects = list(BUTTONS.values()) + [(x, y, 16, 16) for x, y in ARROWS.values()] + BOXES
        x, y, w, h = rects[int((r[1] - 0.4) / 0.6 * len(rects))]
        return design_point(g, x + r[2] * w, y + r[3] * h)

    def do_cell(self, r):
        g = self.main_geometry()
        if not g:
            self.note("skipped", "no main window")
            return
        n = 1 + int(r[1] * 80)
        at = cell_point(g, n)
        right = r[2] < 0.1 and "right click" not in self.args.without
        self.x.click(at, 3 if right else 1)
        self.note("cell", "%s number %d at %d,%d" % ("right" if right else "left", n, *at))

    def do_button(self, r):
        g = self.main_geometry()
        if not g:
            self.note("skipped", "no main window")
            return
        name = ["PLAY", "PLAY", "OPEN", "NEXT", "NEXT", "CAST"][int(r[1] * 6)]
        at = button_point(g, name)
        self.x.click(at, 1)
        self.note("button", "%s at %d,%d" % (name, *at))

    def do_run_of_games(self, r):
        # The other windows closed, a few numbers, sometimes more games, PLAY,
        # then time for the run.
        self.close_others()
        g = self.main_geometry()
        if not g:
            self.note("skipped", "no main window")
            return
        numbers = [1 + int(((r[1] * 7919 * (i + 1)) % 1.0) * 80) for i in range(1 + int(r[2] * 8))]
        for n in numbers:
            self.x.click(cell_point(g, n), 1)
        if r[3] < 0.3:
            self.x.hold(arrow_point(g, "games up 1"), 0.2 + r[3] * 4)
        self.x.click(button_point(g, "PLAY"), 1)
        wait = 2 + r[4] * (40 if r[5] < 0.3 else 8)
        self.note("run of games", "numbers %s, %sPLAY, %.0f s" % (
            " ".join(map(str, numbers)), "more games, " if r[3] < 0.3 else "", wait))
        time.sleep(wait)

    def do_held_arrow(self, r):
        hold = 0.1 + r[4] * 3.0
        if r[5] < 0.6:
            g = self.main_geometry()
            if not g:
                self.note("skipped", "no main window")
                return
            name = sorted(ARROWS)[int(r[1] * len(ARROWS))]
            at = arrow_point(g, name)
            what = name
        else:
            # Somewhere in a window: the other windows' arrows sit at their edges.
            w = self.pick_window(r[1])
            at = w and self.point_in(w, r[2], r[3])
            if not at:
                return
            what = self.x.name_of(w) or hex(w)
        self.note("held arrow", "%s at %d,%d for %.1f s" % (what, *at, hold))
        self.x.hold(at, hold)

    def do_menu(self, r):
        title = "gth"[int(r[1] * 3)]
        downs = int(r[2] * 10)
        self.x.key("alt+" + title)
        keys = ["Down"] * downs + [["Return", "Return", "Escape", "Right"][int(r[3] * 4)]]
        for k in keys:
            self.x.key(k)
        self.note("menu", "alt+%s, %s" % (title, " ".join(keys)))

    def do_open_window(self, r):
        title = "gth"[int(r[1] * 3)]
        letters = MENU_ITEMS[title]
        letter = letters[int(r[2] * len(letters))]
        self.x.key("alt+" + title)
        self.x.key(letter)
        self.note("open window", "alt+%s %s" % (title, letter))

    def do_key(self, r):
        key = KEYS[int(r[1] * len(KEYS))]
        self.x.key(key)
        self.note("key", key)

    def do_type(self, r):
        text = "".join(self.rng_letter(v) for v in r[1:5])
        self.x.type(text)
        self.note("type", repr(text))

    @staticmethod
    def rng_letter(v):
        return "abcdefghijklmnopqrstuvwxyz 0123456789"[int(v * 37)]

    def do_escape(self, r):
        self.x.key("Escape")
        self.note("escape", "Escape")

    def do_enter(self, r):
        self.x.key("Return")
        self.note("enter", "Return")

    def do_wait(self, r):
        pause = 0.3 + r[1] * (8.0 if r[2] < 0.2 else 2.0)
        self.note("wait", "%.1f s" % pause)
        time.sleep(pause)

    # -- does it still answer? -------------------------------------------------
    def close_others(self):
        """Escape to each window but the table, newest first, a few times: a
        window Escape leaves open (the help) must not shield a dialog."""
        for _ in range(3):
            others = [w for w in self.track_windows() if w != self.main]
            if not others:
                return
            for w in sorted(others, reverse=True):
                self.x.focus(w)
                self.x.key("Escape")
            self.check_alive()

    def answers(self):
        """Closes what Escape closes, then the Game menu must open and close again.

        A run of games goes on during the check and may open a window of its
        own meanwhile (the print dialog of "Print Ticket"): that window is not
        the menu, and a key sent before it takes the focus is lost. Each try
        is short, so the next one closes it and opens the menu again."""
        self.count["checks"] += 1
        deadline = time.monotonic() + self.args.hang
        while time.monotonic() < deadline:
            self.close_others()
            # Windows that Escape leaves open (the help) are not modal.
            before = set(self.x.windows(self.game.pid))
            self.x.focus(self.main)
            self.x.key("alt+g")
            menu = self.x.wait_new_window(self.game.pid, before, 1.5)
            self.check_alive()
            if not menu:
                continue
            title = self.x.name_of(menu)
            if title != MENU_TITLE:
                self.count["windows opened during a check"] += 1
                self.note("check", "%s opened instead of the Game menu" % (title or hex(menu)))
                continue
            self.x.key("Escape")
            if self.x.wait_gone(self.game.pid, menu, min(2.0, deadline - time.monotonic())):
                self.track_windows()
                return
        self.x.screenshot(os.path.join(self.folder, "failure.png"))
        raise Failure("the game did not answer within %d s: the Game menu does not open "
                      "(windows open: %s)" % (self.args.hang, ", ".join(
                          self.x.name_of(w) or hex(w) for w in self.x.windows(self.game.pid))))

    # -- the whole run ----------------------------------------------------------
    def run(self):
        self.start_game()
        end = self.started + self.args.seconds
        next_check = time.monotonic() + self.args.check_every
        while time.monotonic() < end:
            self.step()
            time.sleep(self.args.pause)
            if time.monotonic() >= next_check:
                self.answers()
                next_check = time.monotonic() + self.args.check_every
        self.answers()
        self.finish()

    def finish(self):
        # Exit from the Game menu; a game that does not go is stopped.
        self.x.focus(self.main)
        self.x.key("alt+g")
        self.x.key("x")
        try:
            status = self.game.wait(timeout=self.args.hang)
        except subprocess.TimeoutExpired:
            self.game.send_signal(signal.SIGTERM)
            status = self.game.wait(timeout=30)
            self.note("exit", "Exit did not end the game; stopped it")
        report = self.sanitizer_report()
        if report:
            raise Failure("sanitizer report:\n" + report)
        if status != 0 and status != -signal.SIGTERM:
            raise Failure("the game ended with status %s" % status)
        self.sessions[-1][1] = ledger.read_header(self.games_file())
        tool = os.path.join(os.path.dirname(self.args.binary), "velloro-tool")
        problems, played = ledger.check(self.games_file(), self.sessions, tool,
                                        os.path.join(self.folder, "cpos.vlr"))
        self.count["games played"] = played
        if problems:
            raise Failure("the history's ledger is not consistent:\n  " + "\n  ".join(problems))


def main():
    parser = playfolder.arguments(__doc__.splitlines()[0])
    parser.add_argument("--hang", type=float, default=10.0,
                        help="seconds the game may take to answer: the longest recording, which "
                             "holds input back, is 3 s")
    parser.add_argument("--check-every", type=float, default=5.0)
    parser.add_argument("--pause", type=float, default=0.05, help="seconds between events")
    parser.add_argument("--without", default="",
                        help="kinds of event left out, comma-separated: " +
                             ", ".join(a for a, _ in ACTIONS))
    parser.add_argument("--shots", help="a folder for a screenshot after every event")
    args = playfolder.parse(parser)
    args.without = {kind.strip() for kind in args.without.split(",") if kind.strip()}
    unknown = args.without - {a for a, _ in ACTIONS}
    if unknown:
        parser.error("unknown kinds of event: " + ", ".join(sorted(unknown)))

    folder = playfolder.scratch(args.data, "velloro-monkey-")
    monkey = Monkey(args, folder)
    failure = None
    try:
        monkey.run()
    except Failure as e:
        failure = str(e)
    finally:
        if monkey.game and monkey.game.poll() is None:
            monkey.game.kill()
            monkey.game.wait()
        monkey.x.close()

    elapsed = time.monotonic() - monkey.started
    print("monkey: seed %d, %.0f s, %s" % (args.seed, elapsed, ", ".join(
        "%d %s" % (v, k) for k, v in monkey.count.items())))
    print("windows seen: " + ", ".join(sorted(monkey.titles_seen)))
    if failure:
        print("FAILED after %.1f s (seed %d): %s" % (elapsed, args.seed, failure))
        print("last %d events:" % len(monkey.events))
        for stamp, kind, text in monkey.events:
            print("  %8.2f %-12s %s" % (stamp, kind, text))
        print("play folder, the game's standard error and a screenshot: " + folder)
        return 1
    shutil.rmtree(folder, ignore_errors=True)
    print("no crash, no hang, no sanitizer report; the ledger is consistent")
    return 0


if __name__ == "__main__":
    sys.exit(main())
