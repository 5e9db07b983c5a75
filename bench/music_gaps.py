#!/usr/bin/env python3
"""Records the game's audio and reports the longest silence after the start.

Starts the built game offscreen under a home of its own, with the music on in
"Jedna pro všechny hry" (one piece for all games) and the chosen piece, lets
SDL's disk audio driver write everything it plays to a file for the given
time, ends the game with SIGTERM, and scans the recording (signed 16-bit
stereo at 44.1 kHz) in 10 ms windows. A window whose loudest sample stays
below the threshold is silent. Exits 1 when a silence after the first sound
lasts longer than --max-gap.

    bench/music_gaps.py [--build build] [--seconds 95] [--piece FrereJacques.mid]
"""

import argparse
import array
import os
import signal
import subprocess
import sys
import tempfile
import time

RATE = 44100
CHANNELS = 2
WINDOW = RATE // 100  # frames in 10 ms
THRESHOLD = 33  # about -60 dB of full scale


def silences(samples):
    """(start, length) in seconds of every silent run after the first sound."""
    runs, start, heard = [], None, False
    frames = len(samples) // CHANNELS
    for w in range(frames // WINDOW):
        chunk = samples[w * WINDOW * CHANNELS:(w + 1) * WINDOW * CHANNELS]
        loud = max(abs(min(chunk)), abs(max(chunk))) >= THRESHOLD
        if loud:
            if heard and start is not None:
                runs.append((start / 100, (w - start) / 100))
            heard, start = True, None
        elif heard and start is None:
            start = w
    if heard and start is not None:
        runs.append((start / 100, (frames // WINDOW - start) / 100))
    return runs


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--seconds", type=float, default=95)
    parser.add_argument("--piece", default="FrereJacques.mid")
    parser.add_argument("--max-gap", type=float, default=2.0)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, ".config", "Zidude")
        os.makedirs(config)
        with open(os.path.join(config, "Divuz.conf"), "w") as f:
            f.write(f"[Options]\nIsMusicOn=1\nIsSoundOn=0\nMusicMode=2\nMusicName={args.piece}\n")
        recording = os.path.join(home, "audio.raw")
        env = dict(os.environ, HOME=home, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="disk",
                   SDL_DISKAUDIOFILE=recording)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
            env.pop(name, None)
        game = subprocess.Popen([os.path.join(args.build, "app", "divuz")], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(args.seconds)
        game.send_signal(signal.SIGTERM)
        game.wait(timeout=30)

        samples = array.array("h")
        with open(recording, "rb") as f:
            samples.frombytes(f.read())
    if sys.byteorder != "little":
        samples.byteswap()

    seconds = len(samples) / CHANNELS / RATE
    runs = silences(samples)
    longest = max(runs, key=lambda r: r[1], default=(0.0, 0.0))
    print(f"recorded {seconds:.1f} s of {args.piece}; silences after the first sound:")
    for start, length in runs:
        if length >= 0.1:
            print(f"  {start:7.2f} s  {length:5.2f} s")
    print(f"longest silence: {longest[1]:.2f} s at {longest[0]:.2f} s (limit {args.max_gap} s)")
    return 1 if longest[1] > args.max_gap else 0


if __name__ == "__main__":
    sys.exit(main())
