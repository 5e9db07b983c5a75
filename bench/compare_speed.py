#!/usr/bin/env python3
"""Times two builds side by side: whole searches and the make/take-back pair.

Runs OLD and NEW search_bench alternately on one positions file (each run one
search per position and level, without the timed searches) and reports, per
level, the median over the positions of each position's median time, the
total, and the ratio old/new; then the MakeAndBackMove micro-benchmark of
both engine_bench builds, alternately as well.

    bench/compare_speed.py OLD_BUILD NEW_BUILD [--positions bench/middle_games.txt] [--runs 5]
"""

import argparse
import os
import re
import statistics
import subprocess

LINE = re.compile(r"^(\S+)\s+(-?\d+)\s+([\d.]+)\s+(\d+)\s+\d+$")


def search_run(build, positions):
    out = subprocess.run([os.path.join(build, "bench", "search_bench"), positions, "--no-timed",
                          "--repeats", "1"], capture_output=True, text=True, check=True).stdout
    times = {}
    for line in out.splitlines():
        m = LINE.match(line)
        if m:
            times[(m.group(1), int(m.group(2)))] = (float(m.group(3)), int(m.group(4)))
    return times


def pair_run(build):
    out = subprocess.run([os.path.join(build, "bench", "engine_bench"),
                          "--benchmark_filter=MakeAndBackMove", "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true"],
                         capture_output=True, text=True, check=True).stdout
    m = re.search(r"MakeAndBackMove_median\s+([\d.]+) ns", out)
    return float(m.group(1))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--positions", default=os.path.join(os.path.dirname(__file__),
                                                            "middle_games.txt"))
    parser.add_argument("--runs", type=int, default=5)
    options = parser.parse_args()

    runs = {"old": [], "new": []}
    pairs = {"old": [], "new": []}
    for _ in range(options.runs):
        for name in ("old", "new"):
            runs[name].append(search_run(getattr(options, name), options.positions))
            pairs[name].append(pair_run(getattr(options, name)))

    keys = sorted(runs["old"][0])
    for level in sorted({level for _, level in keys}):
        row = {}
        for name in ("old", "new"):
            per = [statistics.median(r[k][0] for r in runs[name]) for k in keys if k[1] == level]
            calls = sum(runs[name][0][k][1] for k in keys if k[1] == level)
            row[name] = (statistics.median(per), sum(per), calls)
        if row["old"][2] != row["new"][2]:
            print("level %d: search calls differ: %d old, %d new" % (level, row["old"][2],
                                                                     row["new"][2]))
        print("level %d over %d positions: median %.2f -> %.2f ms/move (x%.2f), total %.1f -> "
              "%.1f ms (x%.2f), %.0f -> %.0f calls/s"
              % (level, len(per), row["old"][0], row["new"][0], row["old"][0] / row["new"][0],
                 row["old"][1], row["new"][1], row["old"][1] / row["new"][1],
                 row["old"][2] / row["old"][1] * 1000, row["new"][2] / row["new"][1] * 1000))
    old, new = statistics.median(pairs["old"]), statistics.median(pairs["new"])
    print("MakeMove + BackMove: %.1f -> %.1f ns (x%.2f)" % (old, new, old / new))


if __name__ == "__main__":
    main()
