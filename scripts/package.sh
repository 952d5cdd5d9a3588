#!/usr/bin/env bash
# Builds the Debian package of Quorvale with CPack and checks it:
#   scripts/package.sh            a Release build in build-release, then the package
#   scripts/package.sh BUILD_DIR  the package of an existing build tree (the test
#                                 script passes its RelWithDebInfo tree; CPack strips
#                                 the programs either way)
# Checks the desktop entry, the AppStream metainfo and the unit-file type as they
# are installed, and runs lintian. The last line printed is the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if (($# == 0)); then
  "$root/scripts/setup.sh"
  build=$root/build-release
  "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVALE_BUILD_BENCH=OFF
else
  build=$(cd "$1" && pwd)
  ninja -C "$build" quorvale quorvale-cli quorvale_package_files >/dev/null
fi

out=$build/package
rm -rf "$out"
log=$build/cpack.log
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$log" 2>&1; then
  cat "$log" >&2
  echo "Packaging failed (log: $log)" >&2
  exit 1
fi
deb=$(ls "$out"/quorvale_*.deb)

# What the package installs, checked as installed.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
share=$tree/usr/share
desktop-file-validate "$share/applications/org.quorvale.Quorvale.desktop" >&2
# The metainfo, and that its launchable, icon and desktop entry are all there.
if ! report=$(appstreamcli validate-tree --no-net --no-color "$tree" 2>&1); then
  echo "$report" >&2
  exit 1
fi
mime=$tree/mime
mkdir -p "$mime/packages"
cp "$share/mime/packages/quorvale.xml" "$mime/packages/"
update-mime-database "$mime" 2>"$tree/mime.log" || true
if ! grep -q ':application/x-quorvale-unit:\*\.qvunit$' "$mime/globs2"; then
  cat "$tree/mime.log" >&2
  echo "The unit-file type does not map *.qvunit to application/x-quorvale-unit" >&2
  exit 1
fi
if ! grep -q '^MimeType=.*application/x-quorvale-unit;' "$share/applications/org.quorvale.Quorvale.desktop"; then
  echo "The desktop entry does not open unit files" >&2
  exit 1
fi

# lintian's errors fail the package; its warnings are shown.
lintian --fail-on error --tag-display-limit 0 --allow-root "$deb" >&2
echo "$deb"
