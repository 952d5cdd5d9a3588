#!/usr/bin/env bash
# Installs what is missing, builds Quorvale and starts the desktop program.
# Without a display it runs the command-line sweep with the default inputs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [[ -x "$root/build/bin/quorvale" ]]; then
  status=0
  "$root/build/bin/quorvale" "$@" || status=$?
  # 2: no display; the program has said so, and the sweep runs here instead.
  if [[ $status -ne 2 ]]; then
    exit "$status"
  fi
fi
exec "$root/build/bin/quorvale-cli" sweep "$@"
