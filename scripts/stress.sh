#!/usr/bin/env bash
# A long random walk through the document under ThreadSanitizer:
#   scripts/stress.sh [STEPS] [SEED]
# Builds the sanitizer variant in build-tsan/ when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-10000}
seed=${2:-7}
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDIVUZ_SANITIZE=thread \
  -DDIVUZ_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan --target game_tests
QT_QPA_PLATFORM=offscreen \
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan-qt.supp" \
DIVUZ_STRESS_STEPS=$steps DIVUZ_STRESS_SEED=$seed \
  ./build-tsan/tests/game_tests --gtest_filter='DocumentStress.*'
