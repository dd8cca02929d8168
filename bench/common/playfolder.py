"""A scratch play folder with the delivered files, as scripts/prepare-play lays out play/,
and the options of the programs that play the game in one."""

import argparse
import os
import random
import shutil
import tempfile

DELIVERED = ("cpos.vlr", "Keno.Mid", "Keno.hlp")

# The game's environment under a bench program's X server: no sound card needed.
GAME_ENV = {"QT_QPA_PLATFORM": "xcb", "SDL_AUDIODRIVER": "dummy"}


def scratch(data, prefix):
    """A new folder holding the delivered files found in `data` (a build folder)."""
    folder = tempfile.mkdtemp(prefix=prefix)
    for name in DELIVERED:
        source = os.path.join(data, name)
        if os.path.exists(source):
            shutil.copy(source, folder)
    return folder


def arguments(description, seconds_help=None):
    """The options every program that plays the game takes: SECONDS [SEED],
    the build to play and where its delivered files are, the screen, --verbose."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("seconds", type=float, help=seconds_help)
    parser.add_argument("seed", type=int, nargs="?", default=None)
    parser.add_argument("--binary", default="build/velloro")
    parser.add_argument("--data", default="build", help="where cpos.vlr, Keno.Mid, Keno.hlp are")
    parser.add_argument("--screen", default="1024x768x24")
    parser.add_argument("--verbose", action="store_true")
    return parser


def parse(parser):
    """The options, with a seed drawn when none is given and the binary's full path."""
    args = parser.parse_args()
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1, 10**6)
    args.binary = os.path.abspath(args.binary)
    return args
