#!/bin/sh
# Runs a command on the current X display under a window manager, which
# resizes and places windows itself, as on a desktop.
openbox >/dev/null 2>&1 &
wm=$!
# The window manager is up once it names its check window on the root
# window; give it three seconds at most.
for _ in $(seq 60); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
"$@"
status=$?
kill "$wm" 2>/dev/null
exit $status
