#!/bin/sh
# Runs a command on the current X display under a window manager, which
# resizes and places windows itself, as on a desktop.
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$@"
status=$?
kill "$wm" 2>/dev/null
exit $status
