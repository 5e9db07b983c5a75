#!/bin/sh
# The command lines of both programs, with no display at all: prints the exit
# codes of divuz-engine for usage errors, then for input it cannot use, then
# for --version and --help, then the game's, each group on a line; then the
# first lines the two programs print for --version and --help.
engine=$1
game=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
run() { "$@" >/dev/null 2>&1; printf '%s ' "$?"; }

run "$engine"; run "$engine" bogus; run "$engine" table extra
run "$engine" search --level 99; run "$engine" search --bogus; run "$engine" search 9,9
run "$engine" search --level 1 --seconds 1; run "$engine" selfplay --first 11 --second 0
run "$engine" brain --setting 11; run "$engine" show; run "$engine" show-best a b
echo
run "$engine" show /nonexistent.orb; run "$engine" show-best /nonexistent.tab
run "$engine" search 19,0,1; run "$engine" search 9,9,1 9,9,0
run "$engine" search 0,0,1 1,0,1 2,0,1 3,0,1 4,0,1
echo
run "$engine" --version; run "$engine" --help
echo
run "$game" --version; run "$game" --help; run "$game" --bogus; run "$game" --help more
echo
"$engine" --version
"$game" --version
"$game" --help | head -n 1
"$game" --bogus 2>&1
