"""Hears the caller the way a listener checking a ticket does.

Run by bench/hear. pocketsphinx is told that every call-out is one of the 80
number phrases and picks the one it hears; each call-out is given to it as
the build stores it, brought only to the 16 kHz the recogniser's model
expects. Then the call-outs' loudness and the seconds of calling in a game.
With --same-as, the recordings of a second build are compared byte for byte.
"""
import argparse
import pathlib
import re
import subprocess
import sys
import tempfile
import wave

MODEL = pathlib.Path("/usr/share/pocketsphinx/model/en-us")
CALLS = range(1, 81)
BALLS_PER_GAME = 20
MOST_SPREAD_DB = 6.0

ONES = "one two three four five six seven eight nine".split()
TEENS = "ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen".split()
TENS = "twenty thirty forty fifty sixty seventy eighty".split()


def phrase(number):
    """The words of a call-out, as the recogniser spells them: 21 is "twenty one"."""
    if number < 10:
        return ONES[number - 1]
    if number < 20:
        return TEENS[number - 10]
    tens = TENS[number // 10 - 2]
    return tens if number % 10 == 0 else tens + " " + ONES[number % 10 - 1]


def call_out(folder, number):
    return folder / ("WAVE_%d.wav" % number)


def recognise(folder):
    """What the recogniser heard in each call-out, by number ("" for nothing)."""
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        grammar = scratch / "numbers.gram"
        grammar.write_text("#JSGF V1.0;\ngrammar numbers;\npublic <number> = %s;\n"
                           % " | ".join(phrase(n) for n in CALLS))
        for n in CALLS:
            subprocess.run(["sox", call_out(folder, n), "-r", "16000", "-b", "16",
                            "-e", "signed-integer", "-t", "raw", scratch / ("%d.raw" % n)],
                           check=True)
        control = scratch / "calls.ctl"
        control.write_text("".join("%d\n" % n for n in CALLS))
        heard = scratch / "heard.txt"
        # The batch recogniser normalises each recording as a whole; the
        # continuous one learns the levels from the recording's first moments,
        # which a call-out, trimmed to its voice, does not have.
        subprocess.run(["pocketsphinx_batch", "-adcin", "yes", "-cepdir", scratch,
                        "-cepext", ".raw", "-ctl", control, "-jsgf", grammar,
                        "-hmm", MODEL / "en-us", "-dict", MODEL / "cmudict-en-us.dict",
                        "-hyp", heard, "-logfn", "/dev/null"], check=True)
        result = {}
        for line in heard.read_text().splitlines():
            found = re.fullmatch(r"(.*?) *\((\d+) [-\d]+\)", line)
            if found:
                result[int(found.group(2))] = found.group(1)
        return result


def loudness(path):
    """The RMS level in dB, as sox stats gives it."""
    report = subprocess.run(["sox", path, "-n", "stats"], capture_output=True, text=True,
                            check=True).stderr
    return float(re.search(r"^RMS lev dB\s+(\S+)", report, re.MULTILINE).group(1))


def seconds(path):
    with wave.open(str(path)) as recording:
        return recording.getnframes() / recording.getframerate()


def compare(first, second):
    """The names of the recordings that differ between two builds' folders,
    and whether the resource code that builds them into the program does."""
    names = sorted({p.name for p in first.glob("*.wav")} | {p.name for p in second.glob("*.wav")})
    differ = [name for name in names
              if not ((first / name).is_file() and (second / name).is_file()
                      and (first / name).read_bytes() == (second / name).read_bytes())]
    # rcc names each file's path in a comment; the folders' names differ.
    code = [(folder / "qrc_recordings.cpp").read_bytes().replace(bytes(folder.resolve()), b"")
            for folder in (first, second)]
    return names, differ, code[0] == code[1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("recordings", type=pathlib.Path)
    parser.add_argument("--same-as", type=pathlib.Path,
                        help="a second build's recordings, compared byte for byte")
    args = parser.parse_args()
    good = True

    if args.same_as:
        names, differ, same_code = compare(args.recordings, args.same_as)
        print("Two clean builds: %d of %d recordings byte-identical%s; the resource code %s"
              % (len(names) - len(differ), len(names),
                 " (differ: %s)" % ", ".join(differ) if differ else "",
                 "identical" if same_code else "differs"))
        good = good and not differ and same_code and len(names) == 103

    heard = recognise(args.recordings)
    missed = [n for n in CALLS if heard.get(n) != phrase(n)]
    print("Recordings: %s" % args.recordings)
    print("Heard: %d of %d call-outs" % (len(CALLS) - len(missed), len(CALLS)))
    print("Missed: %s" % (", ".join('%d (heard "%s")' % (n, heard.get(n, "")) for n in missed)
                          or "none"))

    levels = {n: loudness(call_out(args.recordings, n)) for n in CALLS}
    quietest = min(levels, key=levels.get)
    loudest = max(levels, key=levels.get)
    spread = levels[loudest] - levels[quietest]
    print("Loudness (RMS level): %.2f dB (%d) to %.2f dB (%d), spread %.2f dB"
          % (levels[quietest], quietest, levels[loudest], loudest, spread))

    lengths = [seconds(call_out(args.recordings, n)) for n in CALLS]
    average = sum(lengths) / len(lengths)
    print("Calling per game: %.2f s (%d call-outs of %.3f s on average, the longest %.2f s)"
          % (BALLS_PER_GAME * average, BALLS_PER_GAME, average, max(lengths)))

    good = good and not missed and spread <= MOST_SPREAD_DB
    return 0 if good else 1


if __name__ == "__main__":
    sys.exit(main())
