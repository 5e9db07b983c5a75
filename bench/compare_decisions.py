#!/usr/bin/env python3
"""Shows that two builds of divuz-engine decide alike.

Plays the same seeded random positions through `divuz-engine search --stats`
of both builds at levels -15 to 8 and compares the printed move, value and
chances split byte for byte, and the number of search calls. Any difference
is printed with the command that shows it; the exit status is 1 if there is one.

    bench/compare_decisions.py OLD/divuz-engine NEW/divuz-engine [--count 2000] [--jobs 2]
"""

import argparse
import random
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

LEVELS = list(range(-15, 9))


def random_position(rng):
    """Stones placed near the ones before, as in a game, X first."""
    count = rng.randint(1, 60)
    taken = set()
    moves = []
    x, y = rng.randint(5, 13), rng.randint(5, 13)
    for i in range(count):
        for _ in range(100):
            if moves and rng.random() < 0.8:
                bx, by = moves[rng.randrange(len(moves))][:2]
                x = min(18, max(0, bx + rng.randint(-2, 2)))
                y = min(18, max(0, by + rng.randint(-2, 2)))
            else:
                x, y = rng.randint(0, 18), rng.randint(0, 18)
            if (x, y) not in taken:
                break
        else:
            break
        sign = 1 if i % 2 == 0 else 0
        if makes_five(moves, x, y, sign):
            break  # the engine refuses a finished game
        taken.add((x, y))
        moves.append((x, y, sign))
    return moves


def makes_five(moves, x, y, sign):
    """Whether a stone of sign at (x, y) would complete five or more in a row."""
    own = {(mx, my) for mx, my, s in moves if s == sign}
    for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
        run = 1
        for step in (1, -1):
            k = 1
            while (x + step * k * dx, y + step * k * dy) in own:
                run += 1
                k += 1
        if run >= 5:
            return True
    return False


def case(index):
    rng = random.Random(index)
    moves = random_position(rng)
    level = LEVELS[index % len(LEVELS)]
    return ["--seed", str(index), "--level", str(level), "--stats"] + [
        "%d,%d,%d" % m for m in moves
    ]


def run(engine, args):
    done = subprocess.run([engine, "search"] + args, capture_output=True, text=True, timeout=600)
    calls = [w for w in done.stderr.split("\n") if w.startswith("nodes ")]
    # "nodes N ms T": the time is left out of the comparison.
    calls = calls[0].split()[1] if calls else done.stderr.strip()
    return done.returncode, done.stdout, calls


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--first", type=int, default=0)
    parser.add_argument("--jobs", type=int, default=2)
    options = parser.parse_args()

    def compare(index):
        args = case(index)
        return index, args, run(options.old, args), run(options.new, args)

    differences = 0
    calls = 0
    indices = range(options.first, options.first + options.count)
    with ThreadPoolExecutor(options.jobs) as pool:
        for index, args, old, new in pool.map(compare, indices):
            if old != new:
                differences += 1
                print("DIFFERENT #%d: %s\n  old %r\n  new %r" % (index, " ".join(args), old, new))
            elif old[2].isdigit():
                calls += int(old[2])
    print("%d positions, %d different, %d search calls alike" % (options.count, differences, calls))
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
