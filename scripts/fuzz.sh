#!/bin/sh
# Runs one libFuzzer target for a number of seconds:
#   scripts/fuzz.sh TARGET SECONDS
# TARGET is saved_game_fuzz, best_games_fuzz, archive_string_fuzz or
# protocol_fuzz. The targets are built with clang, coverage, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/ (or $DIVUZ_FUZZ_BUILD). New
# inputs go to build-fuzz/corpus/TARGET, the committed seeds in
# tests/fuzz/corpus/TARGET are read too; a failing input is written to
# build-fuzz/artifacts/TARGET/ and the script exits non-zero. Copy such an
# input into tests/fuzz/regressions/TARGET/ once it is fixed.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 TARGET SECONDS" >&2
    exit 2
fi
target=$1
seconds=$2
case $target in
saved_game_fuzz | best_games_fuzz | archive_string_fuzz | protocol_fuzz) ;;
*)
    echo "$0: unknown target '$target'" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=${DIVUZ_FUZZ_BUILD:-$root/build-fuzz}
if ! command -v clang++ >/dev/null 2>&1; then
    echo "$0: needs clang (apt-get install clang)" >&2
    exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDIVUZ_BUILD_FUZZ=ON -DDIVUZ_BUILD_TESTS=OFF -DDIVUZ_BUILD_BENCH=OFF
fi
cmake --build "$build" --target "$target" -j2

corpus=$build/corpus/$target
artifacts=$build/artifacts/$target
mkdir -p "$corpus" "$artifacts"
"$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" \
    "$root/tests/fuzz/corpus/$target"
