#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# project, then the core and its tests again under the address and
# undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
"$root/scripts/setup.sh"

echo "== Build and test (all targets)"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== Build and test the core with -fsanitize=address,undefined"
"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
  -DQUORVALE_SANITIZE=ON -DQUORVALE_BUILD_GUI=OFF -DQUORVALE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
