#!/usr/bin/env bash
# Installs a built package into a scratch root with `dpkg -x` and runs the
# programs from there: scripts/package-test.sh PACKAGE.deb BUILT_QUORVALE_CLI
# The packaged sweep must print exactly what the build tree's tool prints.
set -euo pipefail
deb=$1
built_cli=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "Package test: $*" >&2
  exit 1
}

dpkg -x "$deb" "$scratch"
bin=$scratch/usr/bin

# Every library the programs link comes from a declared dependency.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libstdc++6; do
  [[ $depends == *"$lib"* ]] || fail "Depends does not name $lib: $depends"
done
if ldd "$bin/quorvale" "$bin/quorvale-cli" | grep 'not found'; then
  fail "the installed programs miss libraries"
fi

version=$("$bin/quorvale-cli" --version)
[[ $version == "quorvale-cli $(dpkg-deb -f "$deb" Version)" ]] || fail "quorvale-cli --version printed '$version'"
gui_version=$("$bin/quorvale" --version)
[[ $gui_version == "quorvale $(dpkg-deb -f "$deb" Version)" ]] || fail "quorvale --version printed '$gui_version'"

"$bin/quorvale-cli" sweep --eyd 12 --format csv >"$scratch/packaged.csv" || fail "the packaged sweep failed"
"$built_cli" sweep --eyd 12 --format csv >"$scratch/built.csv"
[[ $(wc -l <"$scratch/packaged.csv") -eq 13 ]] || fail "the sweep printed $(wc -l <"$scratch/packaged.csv") lines, not 13"
cmp "$scratch/packaged.csv" "$scratch/built.csv" || fail "the packaged sweep differs from the built one"

# quorvale-cli needs no Qt; its report command has the packaged desktop
# program beside it draw the PDF, without a display.
if ldd "$bin/quorvale-cli" | grep -q 'libQt6'; then
  fail "quorvale-cli links Qt: $(ldd "$bin/quorvale-cli" | grep libQt6)"
fi
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/quorvale-cli" report --harvest-volume 20:30 --seed 1 \
  --scenarios 2000 --output "$scratch/report.pdf" >"$scratch/report.out" 2>&1 ||
  fail "the packaged report failed: $(cat "$scratch/report.out")"
report_text=$(pdftotext "$scratch/report.pdf" - | tr -s ' \n' '  ')
for expected in "Seed 1, 2000 scenarios." "Road spacing (ft)" "The unit's total cost" "Recommended:" \
  "Quorvale $(dpkg-deb -f "$deb" Version)"; do
  [[ $report_text == *"$expected"* ]] || fail "the packaged report lacks '$expected': $report_text"
done

# The user guide and the example units it works through are installed, and
# the examples run as they stand.
[[ -s $scratch/usr/share/doc/quorvale/guide.md ]] || fail "the user guide is not installed"
for example in example-parallel example-fan; do
  unit=$scratch/usr/share/quorvale/examples/$example.qvunit
  [[ -s $unit ]] || fail "the example unit $example.qvunit is not installed"
  "$bin/quorvale-cli" sweep --unit "$unit" --case average >"$scratch/$example.txt" 2>&1 ||
    fail "the installed $example.qvunit does not run: $(cat "$scratch/$example.txt")"
done

# The desktop program starts, finds no display here and says so (status 2).
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/quorvale" 2>"$scratch/gui.err" || status=$?
[[ $status -eq 2 ]] && grep -q 'quorvale-cli sweep' "$scratch/gui.err" ||
  fail "quorvale without a display exited $status: $(cat "$scratch/gui.err")"

echo "Package test passed: $(basename "$deb") ($version), $(dpkg-deb -c "$deb" | wc -l) entries"
