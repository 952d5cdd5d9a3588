#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the layout
# check, the whole project (warnings are errors), its Debian package installed
# into a scratch root, then the core and its tests again under the address and
# undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
"$root/scripts/setup.sh"

echo "== Layout check"
"$root/tools/check_layout.sh"

echo "== Build and test (all targets)"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVALE_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== Debian package: build, check, install into a scratch root and run"
# The package of the tree just built (CPack strips it), not a separate Release build.
deb=$("$root/scripts/package.sh" "$root/build" | tail -n 1)
"$root/scripts/package-test.sh" "$deb" "$root/build/bin/quorvale-cli"

echo "== Build and test the core with -fsanitize=address,undefined"
"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DQUORVALE_WERROR=ON \
  -DQUORVALE_SANITIZE=ON -DQUORVALE_BUILD_GUI=OFF -DQUORVALE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
