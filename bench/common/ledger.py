"""The games history after a bench run: does it add up?

Read here with its own few byte offsets, not the game's code: record 0 is the
header (last game number, then the balance), record g + 1 holds game g.
Money is in 1/10000 dollar.
"""

import re
import struct
import subprocess

RECORD = 1800
SLOTS = 1000
DRAWN = 1692
BET = 1712  # price per way (8 bytes), ..., ways at +16, number of games at +20


def read_header(path):
    """(last game number, balance); a history not made yet starts at game 999 with $0."""
    try:
        with open(path, "rb") as f:
            game, balance = struct.unpack("<iq", f.read(12))
        return game, balance
    except (OSError, struct.error):
        return SLOTS - 1, 0


def read_slot(data, game):
    at = (game + 1) * RECORD
    record = data[at:at + RECORD]
    number, win = struct.unpack_from("<iq", record, 0)
    price_per_way, = struct.unpack_from("<q", record, BET)
    ways, games = struct.unpack_from("<ii", record, BET + 16)
    return {"game": number, "win": win, "price": ways * price_per_way, "run": games,
            "played": record[DRAWN] != 0}


def settled_header(balance, games, reset_at=None, after_play=False):
    """The header after `games` as the game writes it: each run is paid at PLAY
    (number of games x price per game), each game adds its win, and the header
    holds the settled balance, the price of the run's games not yet recorded
    given back. With `reset_at`, Balance, Reset puts the balance to $0 just
    before game `reset_at` is drawn (`after_play`: after its run was paid)."""
    header, left = balance, 0
    for i, slot in enumerate(games):
        if left == 0:  # a new run starts here
            if reset_at == i and not after_play:
                balance = 0
            left = max(slot["run"], 1)
            balance -= left * slot["price"]
            if reset_at == i and after_play:
                balance = 0
        elif reset_at == i:
            balance = 0
        left -= 1
        balance += slot["win"]
        header = balance + left * slot["price"]
    return header


def session_problems(data, start, end):
    """A session's header moves from `start` to `end` by its games, as
    settled_header tells. Balance, Reset (which random input may reach) puts the
    balance to $0 at some moment, which any game of the session may follow."""
    (first, balance), (last, final) = start, end
    count = (last - first) % SLOTS
    games = [read_slot(data, (first + 1 + i) % SLOTS) for i in range(count)]
    for slot in games:
        if not slot["played"]:
            return ["game %03d is named by the header but not played" % slot["game"]], count
    expected = settled_header(balance, games)
    if final == expected:
        return [], count
    for j in range(count):
        if final in (settled_header(balance, games, j), settled_header(balance, games, j, True)):
            return [], count
    return ["games %03d..%03d: the header's balance is %s, the games add up to %s" %
            ((first + 1) % SLOTS, last, money(final), money(expected))], count


def money(units):
    return "%s$%.4f" % ("-" if units < 0 else "", abs(units) / 10000)


def audit(tool, path, schedules):
    """Runs velloro-tool audit: the problems it shows (empty when every game is
    re-paid) and its lines about the header's balance, those starting with
    "Balance" (none on a tool that does not check the balance)."""
    done = subprocess.run([tool, "audit", "--file", path, "--schedules", schedules],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    problems = []
    if done.returncode != 0:
        problems.append("velloro-tool audit failed: " + done.stdout.strip())
    problems += [line for line in done.stdout.splitlines() if "NOT RE-PAID" in line]
    summary = re.search(r"Re-paid\t(\d+) of (\d+)", done.stdout)
    if not summary or summary.group(1) != summary.group(2):
        problems.append("audit: " + (summary.group(0) if summary else "no summary"))
    balance = [line for line in done.stdout.splitlines() if line.startswith("Balance")]
    problems += [line for line in balance if balance_line_differs(line)]
    return problems, balance


def balance_line_differs(line):
    """Whether an audit's "Balance" line names a difference between the header
    and the recorded games (a line that says the file cannot tell does not)."""
    return "DIFFERS" in line


def check(path, sessions, tool, schedules):
    """Problems found (empty when the ledger holds) and the number of games played."""
    with open(path, "rb") as f:
        data = f.read()
    problems, played = [], 0
    for start, end in sessions:
        found, count = session_problems(data, start, end)
        problems += found
        played += count
    if played >= SLOTS:
        problems = ["%d games: more than the history keeps; the balance is not checked" % played]
    problems += audit(tool, path, schedules)[0]
    return problems, played
