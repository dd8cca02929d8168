"""Stops the game at random moments of its runs and checks that nothing was lost.

Started by bench/stops inside a D-Bus session of its own. The game runs under
its own Xvfb with the accessibility bus, in one scratch play folder for the
whole bench run. Each stop: a ticket of some kind is set up with real X input
(xdotool) and played; while it plays the table is read over AT-SPI (the
status box's game number, the centre message, the balance menu's caption);
at a random moment the game is stopped by one of four ways in turn (Ctrl+Q,
the window's close box, SIGTERM, SIGKILL); then it is started again in the
same folder and checked:

- it starts without a message box (no window beside the table),
- it holds the lock (Velloro.lock names its process),
- velloro-tool audit re-pays every game, and no "Balance" line of the audit
  names a difference,
- every game whose result was on the screen before the stop is in the history,
  with the win shown,
- the balance (the header of Games.vlr and the balance menu's caption) is the
  balance before the run plus what the games recorded since earned: each
  game's win less its price per game.

The stopped game must also have gone within --hang seconds (SIGTERM within a
second), and the three ways that let it end (all but SIGKILL) must not leave
Velloro.lock behind.

A game shows its result some 20 s after it starts, longer on a busy machine,
and records it when the result's sound has played. So half the stops come at
a moment 1 to --latest seconds after PLAY (the draw of the first game), the
other half 0 to --after-result seconds after the first result is shown (the
result on the screen, its recording, the opening of the next game). The same
seed makes the same choices of ticket, bet and moment; what a moment meets
depends on the machine's speed.
"""

import os
import random
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import time
from math import comb

import accessible
import ledger
import playfolder
import table
import xinput

WAYS = ["Ctrl+Q", "close box", "SIGTERM", "SIGKILL"]
# Every outcome but "clean" is a failure of the stop.
OUTCOMES = ["clean", "money lost", "shown game missing", "audit failed", "box at start",
            "lock not taken", "lock left", "did not end", "slow to end"]
LOCK = "Velloro.lock"
SIGTERM_LIMIT = 1.0  # seconds a logout gives before it kills

# The kinds of ticket: how many spots are marked first, then the keys from the
# Tickets menu (none for a regular ticket) and the code the special box shows.
# A region's entries sit in submenus without a letter of their own: the first
# entry offered on an empty board is Forty, the next Forty Forty.
KINDS = {
    "regular": ((1, 10), None, ""),
    "All Catches": ((7, 10), ["a"], "AC"),
    "All Or Nothing": ((4, 8), ["n"], "AN"),
    "Bet Against": ((8, 15), ["b"], "BA"),
    "Catch All": ((2, 7), ["c"], "CA"),
    "Last Ball Drawn": ((1, 6), ["l"], "LB"),
    "Super Special": ((3, 10), ["s"], "SS"),
    "Quick Pick": ((0, 0), ["q"], "QP"),
    "Top": ((0, 0), ["Right", "t"], "T"),
    "Bottom": ((0, 0), ["Right", "b"], "B"),
    "Left": ((0, 0), ["Right", "l"], "L"),
    "Right": ((0, 0), ["Right", "r"], "R"),
    "Top And Bottom": ((0, 0), ["Down", "Right", "t"], "TB"),
    "Left And Right": ((0, 0), ["Down", "Right", "l"], "LR"),
    "The Edge": ((0, 0), ["t", "e"], "E"),
    "The Inside": ((0, 0), ["t", "i"], "I"),
    "way": (None, ["w"], None),
}
# The price per way and the arrows that make it from the $1.00 a ticket starts with.
PRICES = [(10000, []), (10500, ["price up"]), (20000, ["price up 1"])]


class Failure(Exception):
    """The bench itself cannot go on (the game no longer starts)."""


def dollars(text):
    """'$1,234.50' as 1/10000 dollar."""
    whole, _, cents = text.lstrip("$").replace(",", "").partition(".")
    return int(whole) * 10000 + int((cents + "00")[:2]) * 100


def money(units):
    return ledger.money(units)[:-2]  # to the cent


class Table:
    """The main window's controls over AT-SPI, looked up once per start."""

    def __init__(self, app):
        frame = next((c for c in accessible.children(app)
                      if accessible.name_of(c) == table.TITLE), None)
        if frame is None:
            raise Failure("the table is not on the accessibility bus")
        parts = accessible.children(frame)
        controls = accessible.children(parts[0]) if parts else []
        self.status = self.centre = self.special = self.balance = None
        self.values = {}
        for node in controls:
            name = accessible.name_of(node) or ""
            if re.match(r"Game \d{3}, ", name):
                self.status = node
            elif node.getRoleName() == "status bar":
                self.centre = node
            elif name.startswith(("Ticket Kind", "Ways")):
                self.special = node
            else:
                for value in ("Total Price", "Number Of Games", "Price Per Way",
                              "Price Per Game", "Number Of Spots"):
                    if name.startswith(value + ", "):
                        self.values[value] = node
        menus = accessible.children(parts[1]) if len(parts) > 1 else []
        for node in menus:
            if (accessible.name_of(node) or "").startswith("You're"):
                self.balance = node
        if None in (self.status, self.centre, self.special, self.balance):
            raise Failure("the table's status, centre message, ticket kind or balance "
                          "is not on the accessibility bus")

    def value(self, name):
        text = accessible.name_of(self.values.get(name)) if name in self.values else None
        return text.partition(", ")[2] if text else None

    def kind(self):
        text = accessible.name_of(self.special) or ""
        return text.partition(", ")[2]

    def shown(self):
        """(game number, status word, centre message, balance caption) as read now."""
        status = accessible.name_of(self.status) or ""
        centre = accessible.name_of(self.centre) or ""
        again = accessible.name_of(self.status) or ""
        balance = accessible.name_of(self.balance) or ""
        if status != again:  # the next game opened while we read: read next time
            return None
        found = re.match(r"Game (\d{3}), (\w+)", status)
        if not found:
            return None
        return int(found.group(1)), found.group(2), centre, balance


def balance_of_caption(caption):
    found = re.match(r"You're (Ahead|Down) (\$[\d,]+\.\d\d)$", caption)
    if not found:
        return None
    amount = dollars(found.group(2))
    return amount if found.group(1) == "Ahead" else -amount


def shown_win(centre):
    """The win of a result on the centre message, to the cent, or None for any
    other message."""
    if centre == "Bust":
        return 0
    found = re.match(r"You won (\$[\d,]+\.\d\d)$", centre)
    return dollars(found.group(1)) if found else None


class Stop:
    """One stop: what was played, what was shown, how it ended, what was found."""

    def __init__(self, number, way, kind, games, anchor, moment):
        self.number, self.way, self.kind, self.games = number, way, kind, games
        self.anchor, self.moment = anchor, moment  # "PLAY" or "result", seconds after it
        self.after_play = None  # when it came, in seconds after PLAY
        self.ticket = ""
        self.shown = {}  # game number: win shown
        self.last_caption = ""
        self.gone_after = None
        self.found = {}  # outcome: detail
        self.notes = []
        self.lost = 0

    def fail(self, outcome, detail):
        self.found.setdefault(outcome, detail)

    def outcomes(self):
        return list(self.found) or ["clean"]

    def line(self):
        when = "%.1f s after PLAY" % self.moment
        if self.anchor == "result":
            when = "%.1f s after the first result, %.1f s after PLAY" % (self.moment,
                                                                         self.after_play or 0)
        where = "%s, %s, %d game%s, stopped %s" % (
            self.kind, self.ticket, self.games, "" if self.games == 1 else "s", when)
        told = "; ".join("%s: %s" % kv for kv in self.found.items()) or "clean"
        gone = "gone in %.3f s" % self.gone_after if self.gone_after is not None else ""
        notes = ("; notes: " + "; ".join(self.notes)) if self.notes else ""
        return "stop %3d  %-9s %s; %s; %s%s" % (self.number, self.way, where, gone, told, notes)


class Stops:
    def __init__(self, args, folder):
        self.args = args
        self.folder = folder
        self.rng = random.Random(args.seed)
        self.bus = accessible.Bus()
        self.x = xinput.Display(args.screen)
        self.env = dict(os.environ, DISPLAY=self.x.name)
        self.game = None
        self.main = None
        self.app = None
        self.shown_at = 0.0
        self.table = None
        self.stderr_path = os.path.join(folder, "velloro.stderr")
        self.tool = os.path.join(os.path.dirname(args.binary), "velloro-tool")
        self.games_file = os.path.join(folder, "Games.vlr")
        self.schedules = os.path.join(folder, "cpos.vlr")
        # The header as the game found it at its last start, and what the
        # recorded games have earned since the folder's first start.
        self.header = ledger.read_header(self.games_file)
        self.earned = self.header[1]
        self.expected = self.header[1]  # what the balance should be after this start
        self.recorded = 0
        self.stops = []
        self.started = time.monotonic()

    def close(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.bus.close()
        self.x.close()

    def log(self, text):
        if self.args.verbose:
            print("%8.2f %s" % (time.monotonic() - self.started, text), flush=True)

    # -- starting --------------------------------------------------------------
    def start_game(self):
        """Starts the game and waits for its table."""
        env = dict(self.env, **playfolder.GAME_ENV, **accessible.GAME_ENV)
        with open(self.stderr_path, "ab") as err:
            self.game = subprocess.Popen([self.args.binary], cwd=self.folder, env=env,
                                         stdout=subprocess.DEVNULL, stderr=err)
        deadline = time.monotonic() + self.args.hang
        self.main = None
        while time.monotonic() < deadline and self.game.poll() is None:
            for w in self.x.windows(self.game.pid):
                if self.x.name_of(w) == table.TITLE:
                    self.main = w
            if self.main:
                break
            time.sleep(0.05)
        self.shown_at = time.monotonic()
        self.app = accessible.find_app(self.game.pid, self.args.hang) if self.main else None

    def check_start(self, stop=None):
        """No window beside the table once the start is over (a box it shows comes up
        as soon as the table is on screen) and the lock held; the first start must be
        clean. A box is answered as a person would: OK, and play on."""
        time.sleep(max(0.0, self.shown_at + self.args.settle - time.monotonic()))
        if self.game.poll() is not None or not self.main:
            raise Failure("the game no longer starts in the folder (status %s)" %
                          self.game.poll())
        others = [w for w in self.x.windows(self.game.pid) if w != self.main]
        if others:
            said = self.boxes_said(self.app)
            detail = ", ".join(self.x.name_of(w) or hex(w) for w in others) + (
                (": " + " / ".join(said)) if said else "")
            if stop is None:
                raise Failure("the first start shows a box: " + detail)
            stop.fail("box at start", detail)
            for w in others:
                self.x.focus(w)
                self.x.key("Return")
        self.table = Table(self.app)
        if stop is not None:
            self.check_lock(stop)

    def boxes_said(self, app):
        said = []
        for node in accessible.children(app) if app else []:
            if node.getRoleName() in ("alert", "dialog"):
                for part in accessible.children(node):
                    if part.getRoleName() == "label":
                        said.append(accessible.name_of(part) or "")
        return said

    def check_lock(self, stop):
        try:
            with open(os.path.join(self.folder, LOCK)) as f:
                owner = f.readline().strip()
        except OSError as e:
            stop.fail("lock not taken", "%s: %s" % (LOCK, e.strerror))
            return
        if owner != str(self.game.pid):
            stop.fail("lock not taken", "%s names process %s, the game is %d" %
                      (LOCK, owner or "(none)", self.game.pid))

    # -- the ticket ------------------------------------------------------------
    def geometry(self):
        return self.x.geometry(self.main)

    def click_cell(self, n):
        self.x.click(table.cell_point(self.geometry(), n), 1)

    def click_arrow(self, name, times=1):
        for _ in range(times):
            self.x.click(table.arrow_point(self.geometry(), name), 1)

    def set_up(self, stop):
        """Marks, chooses and bets the stop's ticket; returns its total price."""
        spots, keys, code = KINDS[stop.kind]
        self.x.focus(self.main)
        if stop.kind == "way":
            ways, words = self.set_up_way()
        else:
            numbers = self.rng.sample(range(1, 81), self.rng.randint(*spots))
            for n in numbers:
                self.click_cell(n)
            if keys:
                self.x.key("alt+t")
                for key in keys:
                    self.x.key(key)
            ways = 1
            words = "%d spot%s" % (len(numbers), "" if len(numbers) == 1 else "s")
            if stop.kind == "Quick Pick":
                more = self.rng.randint(0, 9)
                self.click_arrow("quick pick up", more)
                words = "%d spot%s" % (more + 1, "" if more == 0 else "s")
            elif not numbers:
                words = ""
        price, arrows = self.rng.choice(PRICES)
        for arrow in arrows:
            self.click_arrow(arrow)
        if stop.games == 10:
            self.click_arrow("games up 1")  # 11
            self.click_arrow("games down")
        stop.ticket = ", ".join(w for w in (words, "%s a way" % money(price)) if w)
        total = stop.games * ways * price
        time.sleep(0.2)
        shown_total, shown_kind = self.table.value("Total Price"), self.table.kind()
        if shown_total != money(total):
            stop.notes.append("the ticket was not set up as meant: total price %s, meant %s" %
                              (shown_total, money(total)))
        elif code is not None and shown_kind != code:
            stop.notes.append("the ticket was not set up as meant: kind %r, meant %r" %
                              (shown_kind, code))
        return total

    def set_up_way(self):
        """Groups of one size marked, Way chosen after the first, rows bet in the
        way window: the number of ways and the ticket in words."""
        size = self.rng.randint(1, 4)
        groups = self.rng.randint(2, 4)
        numbers = self.rng.sample(range(1, 81), size * groups)
        before = set(self.x.windows(self.game.pid))
        for n in numbers[:size]:
            self.click_cell(n)
        self.x.key("alt+t")
        self.x.key("w")
        window = self.x.wait_new_window(self.game.pid, before, 2.0)
        time.sleep(0.2)
        for n in numbers[size:]:
            self.click_cell(n)  # the table has moved to the screen's left edge
        offered = [k for k in range(1, groups + 1) if k * size <= 15]
        rows = sorted(self.rng.sample(offered, self.rng.randint(1, len(offered))))
        geometry = window and self.x.geometry(window)
        if geometry:
            for k in rows:
                self.x.click(table.way_row_point(geometry, k), 1)
        ways = sum(comb(groups, k) for k in rows)
        return ways, "%d groups of %d, rows %s bet (%d way%s)" % (
            groups, size, "+".join(map(str, rows)), ways, "" if ways == 1 else "s")

    # -- playing and stopping -----------------------------------------------------
    def watch(self, stop, played):
        """Reads the table until the stop's moment: every game whose result is shown.
        A stop meant to come after a result that does not come within --hang
        seconds of the longest game comes then."""
        until = played + stop.moment if stop.anchor == "PLAY" else None
        limit = played + self.args.longest_game + self.args.hang
        while True:
            seen = self.table.shown()
            if seen:
                game, word, centre, caption = seen
                win = shown_win(centre)
                if word == "CLOSED" and win is not None and game not in stop.shown:
                    stop.shown[game] = win
                    if until is None:
                        until = time.monotonic() + stop.moment
                    self.log("stop %d: game %03d shows %s, %s" % (stop.number, game, centre,
                                                                 caption))
                stop.last_caption = caption
            now = time.monotonic()
            if now >= min(until or limit, limit):
                if until is None:
                    stop.notes.append("no result was shown within %.0f s" % (now - played))
                stop.after_play = now - played
                return
            time.sleep(min(self.args.poll, max(0.0, min(until or limit, limit) - now)))

    def stop_game(self, stop):
        """Stops the game by the stop's way and waits for it to be gone."""
        gone = os.pidfd_open(self.game.pid)
        try:
            if stop.way == "Ctrl+Q":
                self.x.focus(self.main)
            began = time.monotonic()
            if stop.way == "Ctrl+Q":
                self.x.key("ctrl+q")
            elif stop.way == "close box":
                if not self.x.ask_to_close(self.main):
                    stop.notes.append("the table does not take WM_DELETE_WINDOW")
            elif stop.way == "SIGTERM":
                self.game.send_signal(signal.SIGTERM)
            else:
                self.game.send_signal(signal.SIGKILL)
            ended, _, _ = select.select([gone], [], [], self.args.hang)
            stop.gone_after = time.monotonic() - began
        finally:
            os.close(gone)
        if not ended:
            stop.fail("did not end", "still running %.0f s after %s; killed" %
                      (self.args.hang, stop.way))
            stop.notes.append("the table was window %d, now named %r" %
                              (self.main, self.x.xdotool("getwindowname", self.main).strip()))
            self.keep_stacks(stop)
            stop.gone_after = None
            self.game.kill()
        status = self.game.wait()
        if stop.way == "SIGTERM" and ended and stop.gone_after > SIGTERM_LIMIT:
            stop.fail("slow to end", "gone %.2f s after SIGTERM" % stop.gone_after)
        if stop.way in ("Ctrl+Q", "close box") and ended and status != 0:
            stop.notes.append("ended with status %s" % status)
        if stop.way != "SIGKILL" and os.path.exists(os.path.join(self.folder, LOCK)):
            stop.fail("lock left", "%s is still there after %s (status %s)" %
                      (LOCK, stop.way, status))

    def keep_stacks(self, stop):
        """Writes where a game that did not end was, thread by thread, beside the log."""
        if shutil.which("gdb") is None:
            return
        path = os.path.join(self.args.stacks, "stuck-%d.txt" % stop.number)
        with open(path, "w") as out:
            subprocess.run(["gdb", "-p", str(self.game.pid), "-batch", "-ex",
                            "thread apply all bt 40"], stdout=out, stderr=subprocess.STDOUT,
                           timeout=60, check=False)
        stop.notes.append("stacks in " + path)

    # -- after the restart ----------------------------------------------------------
    def check_history(self, stop):
        problems, balance_lines = ledger.audit(self.tool, self.games_file, self.schedules)
        if problems:
            stop.fail("audit failed", "; ".join(problems))
        if balance_lines:
            stop.notes.append("audit: " + " / ".join(balance_lines))
        with open(self.games_file, "rb") as f:
            data = f.read()
        before, after = self.header, ledger.read_header(self.games_file)
        count = (after[0] - before[0]) % ledger.SLOTS
        new = [ledger.read_slot(data, (before[0] + 1 + i) % ledger.SLOTS) for i in range(count)]
        net = sum(slot["win"] - slot["price"] for slot in new if slot["played"])
        self.recorded += count
        self.earned += net
        recorded = {slot["game"]: slot["win"] for slot in new if slot["played"]}
        for game, win in sorted(stop.shown.items()):
            if game not in recorded:
                stop.fail("shown game missing", "game %03d (%s shown) is not in the history"
                          % (game, money(win)))
            elif abs(recorded[game] - win) >= 100:  # the table shows whole cents
                stop.fail("shown game missing", "game %03d is recorded with %s, %s was shown"
                          % (game, money(recorded[game]), money(win)))
        expected = before[1] + net
        stop.lost = expected - after[1]
        if stop.lost:
            stop.fail("money lost", "%s: the header holds %s, the %d game%s recorded since "
                      "%s earned %s" % (money(stop.lost), money(after[1]), count,
                                        "" if count == 1 else "s",
                                        money(before[1]), money(net)))
        stop.notes.append("%d game%s recorded, %s shown before the stop" % (
            count, "" if count == 1 else "s", stop.last_caption or "nothing"))
        self.expected = expected
        self.header = after

    def check_balance_caption(self, stop):
        """The balance menu says what the recorded games earned, to the cent."""
        caption = accessible.name_of(self.table.balance) or ""
        on_caption = balance_of_caption(caption)
        if on_caption is None or abs(on_caption - self.expected) >= 100:
            stop.fail("money lost", "the balance reads %r, the recorded games earned %s" %
                      (caption, money(self.expected)))

    # -- the whole run -------------------------------------------------------------
    def one_stop(self, number, kind):
        way = self.args.ways[number % len(self.args.ways)]
        games = self.rng.choice([1, 10])
        if self.rng.random() < 0.5:
            anchor, moment = "PLAY", self.rng.uniform(1.0, self.args.latest)
        else:
            anchor, moment = "result", self.rng.uniform(0.0, self.args.after_result)
        stop = Stop(number + 1, way, kind, games, anchor, moment)
        self.stops.append(stop)
        self.set_up(stop)
        self.x.focus(self.main)
        self.x.key("ctrl+p")
        played = time.monotonic()
        self.watch(stop, played)
        self.stop_game(stop)
        self.start_game()
        self.check_history(stop)
        self.check_start(stop)
        self.check_balance_caption(stop)
        self.log(stop.line())

    def run(self):
        self.start_game()
        self.check_start()
        end = self.started + self.args.seconds
        kinds = []
        while time.monotonic() < end and (not self.args.count or
                                          len(self.stops) < self.args.count):
            if not kinds:  # every kind once a round, in a seeded order
                kinds = [k for k in KINDS if k in self.args.kinds]
                self.rng.shuffle(kinds)
            self.one_stop(len(self.stops), kinds.pop())
        self.game.terminate()
        self.game.wait()

    # -- the report --------------------------------------------------------------
    def report(self):
        width = max(len(o) for o in OUTCOMES)
        print("%-*s %s" % (width, "outcome", "".join("%11s" % w for w in WAYS + ["all"])))
        for outcome in ["stops"] + OUTCOMES:
            row = []
            for way in WAYS + [None]:
                mine = [s for s in self.stops if way is None or s.way == way]
                if outcome == "stops":
                    row.append(len(mine))
                else:
                    row.append(sum(outcome in s.outcomes() for s in mine))
            print("%-*s %s" % (width, outcome, "".join("%11d" % n for n in row)))
        lost = [s for s in self.stops if s.lost > 0]
        if lost:
            print("money lost: %s in %d stops (%s)" % (
                money(sum(s.lost for s in lost)), len(lost), ", ".join(
                    "%s %s" % (w, money(sum(s.lost for s in lost if s.way == w)))
                    for w in WAYS if any(s.way == w for s in lost))))
        by_games = {}
        for s in self.stops:
            by_games.setdefault(s.games, []).append(s)
        print("money lost by run: " + ", ".join(
            "%d of %d %d-game runs" % (sum(x.lost > 0 for x in group), len(group), games)
            for games, group in sorted(by_games.items())))
        for way in WAYS:
            times = [s.gone_after for s in self.stops if s.way == way and s.gone_after is not None]
            if times:
                print("%-9s to gone: median %.3f s, max %.3f s, min %.3f s (%d)" % (
                    way, statistics.median(times), max(times), min(times), len(times)))
        failed = [s for s in self.stops if s.found]
        for s in failed:
            print(s.line())
        kept = ledger.read_header(self.games_file)
        print("stops: seed %d, %.0f s, %d stops, %d failed, %d games recorded; balance %s, "
              "the recorded games earned %s" % (
                  self.args.seed, time.monotonic() - self.started, len(self.stops), len(failed),
                  self.recorded, money(kept[1]), money(self.earned)))
        return failed


def main():
    parser = playfolder.arguments(__doc__.splitlines()[0], "how long to go on starting stops")
    parser.add_argument("--count", type=int, default=0, help="stop after this many stops")
    parser.add_argument("--latest", type=float, default=15.0,
                        help="the latest moment of a stop that comes during the first draw, "
                             "seconds after PLAY")
    parser.add_argument("--after-result", type=float, default=6.0,
                        help="the latest moment of a stop that comes after the first result, "
                             "seconds after it shows (it is recorded about 2 s later)")
    parser.add_argument("--longest-game", type=float, default=40.0,
                        help="seconds the first result may take to show")
    parser.add_argument("--ways", default=",".join(WAYS),
                        help="the ways of stopping, used in turn: " + ", ".join(WAYS))
    parser.add_argument("--kinds", default=",".join(KINDS),
                        help="the kinds of ticket played: " + ", ".join(KINDS))
    parser.add_argument("--hang", type=float, default=10.0,
                        help="seconds the game may take to start or to end")
    parser.add_argument("--settle", type=float, default=0.6,
                        help="seconds after the table shows in which a box at start shows")
    parser.add_argument("--poll", type=float, default=0.05, help="seconds between two readings")
    parser.add_argument("--stacks", default="/tmp",
                        help="folder for the threads' stacks of a game that did not end")
    parser.add_argument("--keep", action="store_true", help="keep the play folder")
    args = playfolder.parse(parser)
    for option, known in (("ways", WAYS), ("kinds", list(KINDS))):
        chosen = [w.strip() for w in getattr(args, option).split(",") if w.strip()]
        unknown = [w for w in chosen if w not in known]
        if unknown or not chosen:
            parser.error("--%s: unknown %s" % (option, ", ".join(unknown) or "(none given)"))
        setattr(args, option, chosen)
    if args.latest < 1 or args.after_result < 0:
        parser.error("--latest must be 1 s or more and --after-result not below 0")

    folder = playfolder.scratch(args.data, "velloro-stops-")
    # Stopped itself, the bench still ends its game, bus and X server.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    stops = Stops(args, folder)
    failure = None
    try:
        stops.run()
    except Failure as e:
        failure = str(e)
    finally:
        stops.close()
    failed = stops.report()
    if failure:
        print("FAILED (seed %d): %s" % (args.seed, failure))
    if failure or failed or args.keep:
        print("play folder and the game's standard error: " + folder)
    else:
        shutil.rmtree(folder, ignore_errors=True)
    if failure or failed:
        print("FAILED: %d of %d stops lost something or did not end as they should" % (
            len(failed), len(stops.stops)))
        return 1
    print("every stop clean: nothing lost, every start clean")
    return 0


if __name__ == "__main__":
    sys.exit(main())
