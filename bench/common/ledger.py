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


def session_problems(data, start, end):
    """A session's header moves from `start` to `end` by its runs: each run pays
    its games at PLAY (number of games x price per game) and adds each win.
    Balance, Reset (which random input may reach) puts the balance to $0 at
    some moment: then the header holds what the games after it added, less the
    runs they started."""
    (first, balance), (last, final) = start, end
    count = (last - first) % SLOTS
    games = [read_slot(data, (first + 1 + i) % SLOTS) for i in range(count)]
    for slot in games:
        if not slot["played"]:
            return ["game %03d is named by the header but not played" % slot["game"]], count
    # What each game adds: its win, less its run's price when it starts a run.
    adds, left = [], 0
    for slot in games:
        paid = 0
        if left == 0:  # a new run starts here
            left = max(slot["run"], 1)
            paid = left * slot["price"]
        adds.append(slot["win"] - paid)
        left -= 1
    # Without a reset; then with the last one before game j, or after game j's
    # run was paid at PLAY and before game j was drawn.
    if final == balance + sum(adds):
        return [], count
    for j in range(count):
        if final in (sum(adds[j:]), games[j]["win"] + sum(adds[j + 1:])):
            return [], count
    return ["games %03d..%03d: the header's balance is %s, the games add up to %s" %
            ((first + 1) % SLOTS, last, money(final), money(balance + sum(adds)))], count


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
    and the recorded games; a line that says there is none, or that the file
    cannot tell, does not."""
    words = line.lower()
    if re.search(r"\bno differences?\b|\bagrees?\b|\bmatch(es)?\b|\bcan ?not\b|\bcan't\b",
                 words):
        return False
    return bool(re.search(r"\bdiffer|\bmismatch|\bwrong\b|\boff by\b|\bnot\b", words))


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
