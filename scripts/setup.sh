#!/usr/bin/env bash
# Installs the Debian packages Divuz needs when they are missing, builds it
# (Release) and then either starts the game ("run") or runs every test
# headless ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools fonts-liberation
  xvfb xauth openbox qt6-translations-l10n libsdl2-mixer-dev timgm6mb-soundfont)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# DIVUZ_CMAKE_ARGS adds options, e.g. -DDIVUZ_WARNINGS_AS_ERRORS=ON in CI.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release ${DIVUZ_CMAKE_ARGS:-}
cmake --build build

case "$mode" in
  test)
    ctest --test-dir build --output-on-failure -j 2
    ;;
  run)
    exec ./build/app/divuz
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
