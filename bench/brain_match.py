#!/usr/bin/env python3
"""A match between two command-line engines through the manager protocol.

Plays `ENGINE brain` (the engine's own time control) against
`OPPONENT brain --setting 10` (the game's "Expert"), each told the same turn
time, and reports both sides' thinking times and the score. Every opening (a
few random stones near the centre, from --seed) is played twice with the
sides swapped, so neither engine gains from moving first.

    bench/brain_match.py --engine build/tools/divuz-engine --games 20

Times are taken from outside, from the line sent to the move read back, so
they include the pipes; "late" counts answers after the turn time. Moves
whose last MESSAGE line shows no forced win for either side are also
reported on their own: a decided position rightly ends the deepening early.
"""

import argparse
import random
import statistics
import subprocess
import sys
import time

SIZE = 19
WIN = 100000000  # the value of a forced win in the engine's MESSAGE lines


class Engine:
    def __init__(self, command, turn_ms):
        self.command = command
        self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True, bufsize=1)
        self.send("START %d" % SIZE)
        self.expect_ok()
        self.send("INFO timeout_turn %d" % turn_ms)
        self.send("INFO timeout_match 0")
        self.times = []
        self.undecided = []  # times of moves whose last pass saw no forced win either way

    def send(self, line):
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()

    def read(self):
        line = self.proc.stdout.readline()
        if not line:
            sys.exit("%s ended unexpectedly" % " ".join(self.command))
        return line.strip()

    def expect_ok(self):
        line = self.read()
        if line != "OK":
            sys.exit("%s answered %r" % (" ".join(self.command), line))

    def move(self, request_lines):
        """Sends the request, returns the move; MESSAGE lines are skipped."""
        started = time.monotonic()
        for line in request_lines:
            self.send(line)
        value = None
        while True:
            line = self.read()
            if line.startswith("MESSAGE") or line.startswith("DEBUG"):
                words = line.split()
                if "value" in words:
                    value = int(words[words.index("value") + 1])
                continue
            break
        self.times.append(1000.0 * (time.monotonic() - started))
        if value is not None and abs(value) != WIN:
            self.undecided.append(self.times[-1])
        try:
            x, y = (int(v) for v in line.split(","))
        except ValueError:
            sys.exit("%s answered %r" % (" ".join(self.command), line))
        return x, y

    def close(self):
        self.send("END")
        self.proc.wait(timeout=10)


def five(board, x, y):
    sign = board[y][x]
    for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
        run = 1
        for step in (1, -1):
            cx, cy = x + step * dx, y + step * dy
            while 0 <= cx < SIZE and 0 <= cy < SIZE and board[cy][cx] == sign:
                run += 1
                cx, cy = cx + step * dx, cy + step * dy
        if run >= 5:
            return True
    return False


def opening(rng, stones):
    cells = set()
    while len(cells) < stones:
        cells.add((rng.randint(6, 12), rng.randint(6, 12)))
    return list(cells)


def play(engines, first, stones):
    """One game; engines[first] moves after the opening. Returns the winner or None."""
    board = [[None] * SIZE for _ in range(SIZE)]
    # The opening alternates signs and ends with the side that does not move next.
    order = [1 - first if (len(stones) - i) % 2 == 1 else first for i in range(len(stones))]
    for (x, y), side in zip(stones, order):
        board[y][x] = side
    played = list(zip(stones, order))
    to_move = first
    told = set()  # the engines that know the position and hear only TURN
    moves = len(stones)
    while moves < SIZE * SIZE:
        engine = engines[to_move]
        if to_move in told:
            lines = ["TURN %d,%d" % played[-1][0]]
        else:
            lines = ["BOARD"]
            lines += ["%d,%d,%d" % (x, y, 1 if owner == to_move else 2) for (x, y), owner in played]
            lines.append("DONE")
            told.add(to_move)
        x, y = engine.move(lines)
        if board[y][x] is not None:
            sys.exit("%s played on the occupied cell %d,%d" % (" ".join(engine.command), x, y))
        board[y][x] = to_move
        played.append(((x, y), to_move))
        moves += 1
        if five(board, x, y):
            return to_move
        to_move = 1 - to_move
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--engine", required=True, help="divuz-engine playing with its own clock")
    parser.add_argument("--opponent", help="divuz-engine playing --setting 10 (default: --engine)")
    parser.add_argument("--games", type=int, default=20, help="games, two per opening")
    parser.add_argument("--turn-ms", type=int, default=1000)
    parser.add_argument("--opening-stones", type=int, default=3)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    names = ["brain", "brain --setting 10"]
    engines = [Engine([args.engine, "brain"], args.turn_ms),
               Engine([args.opponent or args.engine, "brain", "--setting", "10"], args.turn_ms)]
    score = [0.0, 0.0]
    stones = []
    for game in range(args.games):
        if game % 2 == 0:
            stones = opening(rng, args.opening_stones)
        first = game % 2
        for e in engines:
            e.send("RESTART")
            e.expect_ok()
        winner = play(engines, first, stones)
        if winner is None:
            score[0] += 0.5
            score[1] += 0.5
        else:
            score[winner] += 1
        print("game %d: %s moves first: %s" % (game + 1, names[first],
                                              "draw" if winner is None else names[winner] + " wins"),
              flush=True)
    for e in engines:
        e.close()

    print("turn time %d ms, %d games" % (args.turn_ms, args.games))
    for name, e, points in zip(names, engines, score):
        t = e.times
        late = sum(1 for v in t if v > args.turn_ms)
        print("%-20s score %4.1f  moves %4d  mean %6.1f ms (%3.0f %% of the turn)  median %6.1f ms"
              "  max %6.1f ms  late %d" % (name, points, len(t), statistics.mean(t),
                                           100.0 * statistics.mean(t) / args.turn_ms,
                                           statistics.median(t), max(t), late))
        if e.undecided:
            # A won or lost position ends the deepening early; the rest show
            # how much of the turn the clock spends where a deeper pass helps.
            u = e.undecided
            print("%-20s undecided moves %4d  mean %6.1f ms (%3.0f %% of the turn)"
                  % (name, len(u), statistics.mean(u), 100.0 * statistics.mean(u) / args.turn_ms))


if __name__ == "__main__":
    main()
