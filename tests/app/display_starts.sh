#!/bin/sh
# display_starts.sh PROGRAM [STARTS]: starts PROGRAM (which shows a window and
# ends) STARTS times in a row on an X server of its own that has no other
# client. Such a server resets itself whenever its last client leaves, and a
# client that connects during the reset is turned away; every start must
# still succeed. Skipped (status 77) without Xvfb.
set -u
program=$1
starts=${2:-20}
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "SKIPPED: Xvfb is not installed (apt install xvfb), so there is no private X server to start on"
  exit 77
fi
scratch=$(mktemp -d)
# Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$scratch"' EXIT
waited=0
while [ ! -s "$scratch/display" ]; do
  if ! kill -0 "$server" 2>/dev/null || [ "$waited" -ge 300 ]; then
    echo "Xvfb did not start:"
    cat "$scratch/xvfb.log"
    exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done
display=":$(head -n 1 "$scratch/display")"
failures=0
n=0
while [ "$n" -lt "$starts" ]; do
  n=$((n + 1))
  if ! env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb "$program" >"$scratch/out" 2>&1; then
    failures=$((failures + 1))
    echo "start $n of $starts failed:"
    cat "$scratch/out"
  fi
done
echo "$failures of $starts starts on $display failed"
[ "$failures" -eq 0 ]
