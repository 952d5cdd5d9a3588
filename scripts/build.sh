#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [cmake options...]
# Quiet when all goes well; the full log when something fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p "$dir"
# A compiler cache makes the second and later build trees cheap, also in a
# fresh clone elsewhere: paths are taken relative to the checkout.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  set -- -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
fi
log="$dir/build.log"
if ! { cmake -S "$root" -B "$dir" -G Ninja "$@" && ninja -C "$dir" -j "$jobs"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "Build failed in $dir (log: $log)" >&2
  exit 1
fi
grep -E 'warning:' "$log" >&2 || true
