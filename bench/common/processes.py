"""Ending the servers a bench program started."""

import subprocess


def end(process, seconds=10):
    """Asks the process to end, and kills it when it has not within `seconds`."""
    process.terminate()
    try:
        process.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
