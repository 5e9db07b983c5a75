#!/usr/bin/env python3
"""Writes middle-game benchmark positions from games the engine plays itself.

Each game opens with a few seeded random stones near the centre and goes on
with `divuz-engine search` at a level and seed that change from game to game.
Of every game, positions of 14 to 28 stones are tried at level 8, and the
first that is undecided (no sure win either way) and takes 10 000 to
2 000 000 search calls is kept, so each position comes from a game of its own.

    bench/make_middle_games.py build/tools/divuz-engine --games 200 > bench/middle_games.txt
"""

import argparse
import random
import subprocess
import sys

WIN = 100000000


def search(engine, moves, level, seed):
    args = [engine, "search", "--seed", str(seed), "--level", str(level), "--stats"]
    done = subprocess.run(args + ["%d,%d,%d" % m for m in moves], capture_output=True,
                          text=True, check=True)
    x, y, sign, value = (int(w) for w in done.stdout.split()[:4])
    calls = int(done.stderr.split()[1])
    return (x, y, sign), value, calls


def play(engine, game, length):
    rng = random.Random(game)
    moves = []
    taken = set()
    for i in range(rng.randint(2, 5)):
        while True:
            cell = (rng.randint(6, 12), rng.randint(6, 12))
            if cell not in taken:
                break
        taken.add(cell)
        moves.append(cell + (1 if i % 2 == 0 else 0,))
    levels = (rng.randint(3, 7), rng.randint(3, 7))
    while len(moves) < length:
        sign = 1 if len(moves) % 2 == 0 else 0
        move, value, _ = search(engine, moves, levels[sign], game * 1000 + len(moves))
        if (move[0], move[1]) in taken or abs(value) >= WIN:
            break
        taken.add((move[0], move[1]))
        moves.append((move[0], move[1], sign))
    return moves


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("engine")
    parser.add_argument("--games", type=int, default=60)
    parser.add_argument("--first", type=int, default=0)
    options = parser.parse_args()
    print("# Middle games from self-played games (bench/make_middle_games.py): undecided, "
          "level 8 takes 10 000 to 2 000 000 search calls.")
    for game in range(options.first, options.first + options.games):
        moves = play(options.engine, game, 29)
        for stones in range(14, min(len(moves), 28) + 1):
            position = moves[:stones]
            _, value, calls = search(options.engine, position, 8, 1)
            if abs(value) < WIN and 10000 <= calls <= 2000000:
                print("middle-s%dp%d: %s" % (game, stones, " ".join("%d,%d,%d" % m for m in position)))
                sys.stdout.flush()
                break


if __name__ == "__main__":
    main()
