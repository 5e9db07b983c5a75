#!/usr/bin/env bash
# Checks that Divuz installs like a desktop program.
#
#   scripts/check-install.sh [--deb] [BUILD-DIR]     (default: build)
#
# 1. Installs the build into a temporary root (DESTDIR, prefix /usr) and
#    checks that every installed file is there, the licence included, and
#    that both programs are hardened (hardening-check).
# 2. Validates the desktop entry (desktop-file-validate) and the AppStream
#    metainfo (appstreamcli validate, without the network); both programs
#    answer --help and --version without a display.
# 3. Starts the installed divuz offscreen from that root: --check-data must
#    find the sounds, the music and the help, and the game must come up
#    and paint its board.
# 4. As root, starts it once more: the game must write nothing under its
#    prefix, its best-games table going to the user's data folder.
# With --deb (needs root): also builds the Debian package with CPack, checks
# it with lintian (no errors) and its dependency on a sound font, installs it
# with apt-get, starts the installed divuz the same way and removes the
# package again.
#
# Needs desktop-file-utils, appstream, devscripts and (for --deb) lintian;
# the build must be complete.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=false
if [ "${1:-}" = "--deb" ]; then
  deb=true
  shift
fi
build=$(realpath "${1:-build}")
app_id=org.example.divuz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
mkdir -p "$work/home"
chmod 777 "$work" "$work/home"

fail() {
  echo "check-install: $*" >&2
  exit 1
}

# Runs the installed game offscreen with a home of its own, so no settings or
# best-games file of the machine's user is touched. As root it runs as
# nobody: a desktop user cannot write into /usr/bin, and the game must cope.
run_game() {
  local runner=()
  if [ "$(id -u)" -eq 0 ]; then
    runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  env -i PATH=/usr/bin:/bin HOME="$work/home" QT_QPA_PLATFORM=offscreen \
    "${runner[@]}" "$@"
}

# Step 1. Install into a temporary root.
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
for f in \
  usr/games/divuz \
  usr/games/divuz-engine \
  usr/lib/divuz/libadvert.so \
  usr/share/applications/$app_id.desktop \
  usr/share/metainfo/$app_id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$app_id.svg \
  usr/share/man/man6/divuz.6.gz \
  usr/share/man/man6/divuz-engine.6.gz \
  usr/share/doc/divuz/copyright \
  usr/share/doc/divuz/COPYING \
  usr/share/doc/divuz/changelog.gz \
  usr/share/divuz/Sound \
  usr/share/divuz/Music; do
  [ -e "$stage/$f" ] || fail "missing after install: /$f"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -s "$png" ] || fail "missing icon: ${size}x${size}"
done
grep -q "GNU GENERAL PUBLIC LICENSE" "$stage/usr/share/doc/divuz/COPYING" ||
  fail "COPYING is not the GPL"
grep -q "<project_license>GPL-3.0-or-later</project_license>" \
  "$stage/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo names no licence"
echo "install: every file in place under $stage, the licence included"

# Debian's hardening. Control-flow protection cannot show in the binary while
# the C library's start files carry no mark of it (Debian 12's do not), and
# stack clash protection leaves no trace where no frame is large: both flags
# are passed all the same.
for program in divuz-engine divuz; do
  hardening-check --nocfprotection "$stage/usr/games/$program" >/dev/null ||
    fail "$program is not hardened: $(hardening-check "$stage/usr/games/$program")"
done
echo "install: both programs are hardened (PIE, stack protector, fortify, full RELRO)"

# Step 2. The desktop entry and the metainfo.
desktop-file-validate "$stage/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/$app_id.metainfo.xml"
if command -v man >/dev/null; then
  for page in divuz divuz-engine; do
    # In a locale of its own: a missing locale would count as a warning.
    LC_ALL=C.UTF-8 man --warnings -l "$stage/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null |
      { ! grep .; } || fail "the manual page $page.6 has warnings"
  done
fi
for program in divuz divuz-engine; do
  for option in --help --version; do
    env -i PATH=/usr/bin:/bin "$stage/usr/games/$program" $option >/dev/null ||
      fail "$program $option failed without a display"
  done
done
echo "install: desktop entry, metainfo and manual pages are valid; --help and --version answer"

# Step 3. The installed game finds its data and starts.
run_game "$stage/usr/games/divuz" --check-data
run_game env DIVUZ_QUIT_AFTER_FIRST_PAINT=1 timeout 60 "$stage/usr/games/divuz"
run_game "$stage/usr/games/divuz-engine" search --level 6 >/dev/null
echo "install: the installed divuz found its data and started"

# Step 4. Even root's game keeps what it writes in root's own folders.
if [ "$(id -u)" -eq 0 ]; then
  files_before=$(cd "$stage" && find . | sort)
  mkdir -p "$work/root-home"
  env -i PATH=/usr/bin:/bin HOME="$work/root-home" QT_QPA_PLATFORM=offscreen \
    DIVUZ_QUIT_AFTER_FIRST_PAINT=1 timeout 60 "$stage/usr/games/divuz"
  files_after=$(cd "$stage" && find . | sort)
  [ "$files_before" = "$files_after" ] ||
    fail "run as root, the game wrote into its installation: $(diff <(echo "$files_before") <(echo "$files_after") | grep '^>')"
  [ -s "$work/root-home/.local/share/Zidude/Divuz/Best.tab" ] ||
    fail "run as root, the game kept no best-games table in the user's data folder"
  echo "install: run as root, the installed divuz wrote nothing under its prefix"
fi

if $deb; then
  [ "$(id -u)" -eq 0 ] || fail "--deb installs a package and needs root"
  rm -f "$build"/divuz_*.deb
  (cd "$build" && cpack -G DEB >/dev/null)
  package=$(ls "$build"/divuz_*.deb)
  # Errors fail the check; the warnings are listed for the reader.
  lintian --fail-on error "$package" || fail "lintian found errors in $(basename "$package")"
  dpkg-deb -f "$package" Depends | grep -q "soundfont" ||
    fail "the package depends on no sound font: $(dpkg-deb -f "$package" Depends)"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null
  dpkg -s divuz | grep -E '^(Version|Section|Depends):'
  run_game /usr/games/divuz --check-data
  run_game env DIVUZ_QUIT_AFTER_FIRST_PAINT=1 timeout 60 /usr/games/divuz
  env -i PATH=/usr/bin:/bin HOME="$work/root-home" QT_QPA_PLATFORM=offscreen \
    DIVUZ_QUIT_AFTER_FIRST_PAINT=1 timeout 60 /usr/games/divuz
  [ ! -e /usr/games/Best.tab ] || fail "the packaged game, run as root, wrote /usr/games/Best.tab"
  echo "install: $(basename "$package") installed and divuz started"
  # The machine is left as it was, but for the dependencies pulled in.
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq divuz >/dev/null
fi
