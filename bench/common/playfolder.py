"""A scratch play folder with the delivered files, as scripts/prepare-play lays out play/."""

import os
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
