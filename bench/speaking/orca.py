"""Plays one game from the keyboard with Orca running and prints what it spoke.

Run by bench/orca inside a D-Bus session of its own. Orca's debug log holds a
SPEECH OUTPUT line for everything it says, whether a voice is heard or not;
the lines that came during each step are printed under that step's name.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import accessible
import playfolder
import processes
import xinput

# The text, then the voice's name and settings: "SPEECH OUTPUT: 'Bust'{...}". A
# text may run over several lines (a "What's this?" note: its title, then the note).
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:\{[^\n]*\})?$", re.S | re.M)


class OrcaLog:
    """Orca's debug log, read on from where the last step left it."""

    def __init__(self, path):
        self.path = path
        self.offset = 0

    def spoken(self):
        try:
            with open(self.path, errors="replace") as log:
                log.seek(self.offset)
                text = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return []
        # A log line may still be half written: leave it for the next read.
        complete = text.rfind("\n") + 1
        self.offset -= len(text[complete:].encode())
        return [" / ".join(part.strip() for part in match.group(1).split("\n"))
                for match in SPOKEN.finditer(text[:complete]) if match.group(1).strip()]


def speech_settings(home):
    """speech-dispatcher's dummy module for Orca's speech, into ALSA's null
    device: nothing is heard, and Orca logs every line it sends. (With no
    speech server at all Orca logs nothing.)"""
    folder = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("seconds", type=float, help="the longest wait for the draw")
    parser.add_argument("output", nargs="?", default="-")
    parser.add_argument("--binary", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()

    display = xinput.Display("1024x768x24")
    os.environ["DISPLAY"] = display.name
    home = tempfile.mkdtemp(prefix="velloro-orca-home-")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                      XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                      GSETTINGS_BACKEND="memory")
    speech_settings(home)
    started = []
    bus = None
    folder = playfolder.scratch(args.data, "velloro-orca-")
    log_path = os.path.join(home, "orca-debug.out")
    lines = []
    try:
        started.append(subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        bus = accessible.Bus()
        started.append(subprocess.Popen(["orca", "--replace", "--debug-file=" + log_path],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        log = OrcaLog(log_path)
        time.sleep(6)  # Orca says it is on once it has its speech
        env = dict(os.environ, **playfolder.GAME_ENV, **accessible.GAME_ENV)
        game = subprocess.Popen([os.path.abspath(args.binary)], cwd=folder, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        started.append(game)

        def step(name, keys=(), wait=1.5, until=None):
            for key in keys:
                display.key(key)
                time.sleep(0.35)
            deadline = time.monotonic() + wait
            said = []
            while time.monotonic() < deadline:
                time.sleep(0.5)
                said.extend(log.spoken())
                if until and any(until(s) for s in said):
                    time.sleep(1.5)
                    said.extend(log.spoken())
                    break
            lines.append("== %s%s" % (name, " (%s)" % " ".join(keys) if keys else ""))
            lines.extend("   " + s for s in said)
            return said

        step("Orca starts", wait=0.1)
        deadline = time.monotonic() + 30
        window = None
        while window is None and time.monotonic() < deadline:
            window = display.main_window(game.pid)
            time.sleep(0.3)
        if window is None:
            print("the game did not show its table", file=sys.stderr)
            return 1
        time.sleep(2)  # the splash goes once the table is up
        display.focus(window)
        step("The table opens", wait=3)
        step("Five numbers by the arrow keys and Space",
             ["space", "Right", "Right", "space", "Down", "space", "End", "space",
              "4", "5", "space"], wait=3)
        step("Tab to One More Game, Space", ["Tab", "Tab", "Tab", "space"], wait=3)
        step("Tab to One Game Fewer, Space", ["Tab", "space"], wait=3)
        step("Tab to PLAY", ["Tab", "Tab", "Tab", "Tab", "Tab"], wait=3)
        said = step("Space on PLAY: the draw", ["space"], wait=args.seconds,
                    until=lambda s: s.startswith("notification You're"))
        step("What's this? on the focused control", ["shift+F1"], wait=3)
        step("Escape closes the note", ["Escape"], wait=3)
        step("Games History from the Help menu", ["alt+h", "g"], wait=3)
        step("Up a row, then down", ["Up", "Down"], wait=3)
        step("Enter: the replay", ["Return"], wait=3)
        step("Escape, Escape", ["Escape", "Escape"], wait=3)
        step("F1: the help", ["F1"], wait=4)
        step("Down a topic, Enter", ["Down", "Return"], wait=3)
        step("Escape", ["Escape"], wait=2)
        drawn = [s for s in said if re.fullmatch(r"notification (Last ball, )?\d+(, caught)?\.", s)]
        balls = len(drawn)
        lines.append("")
        lines.append("balls heard: %d of 20 (the last: %s); result heard: %s; balance heard: %s" % (
            balls, drawn[-1] if drawn else "none", any(re.search(r"notification (Bust|You won)", s) for s in said),
            any(s.startswith("notification You're") for s in said)))
    finally:
        for process in reversed(started):
            processes.end(process)
        if bus is not None:
            bus.close()
        display.close()
        shutil.rmtree(folder, ignore_errors=True)
        if os.environ.get("VELLORO_KEEP_ORCA_LOG"):
            print("Orca's log: " + log_path, file=sys.stderr)
        else:
            shutil.rmtree(home, ignore_errors=True)
    accessible.write_report(lines, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
