#!/usr/bin/env bash
# Installs the Debian packages Quorvale needs to build, test and run.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libcli11-dev nlohmann-json3-dev libfmt-dev libtbb-dev
  fonts-dejavu-core
  # A private X server for the test that starts the program again and
  # again on a display with no other client.
  xvfb
  nlohmann-json3-dev poppler-utils
  # The Debian package and its checks (scripts/package.sh): dpkg-shlibdeps
  # and file for the dependencies, lintian, desktop-file-validate,
  # appstreamcli and update-mime-database.
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
  # Fuzzing: clang with libFuzzer and its sanitizer runtimes.
  clang-14 libclang-rt-14-dev
  # The formatting check (scripts/test.sh) reads the tracked files from git.
  clang-format-14 git
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
# Recommends stay off to keep the install small; the Qt packages the
# toolchain needs (GL headers for Widgets) are named explicitly above.
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
