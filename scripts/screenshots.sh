#!/usr/bin/env bash
# Takes the documentation screenshots under a virtual X server:
#   docs/main-window-charts.png        the main window with the five static charts tiled
#   docs/charts-tiled-horizontal.png   every window open and run, Window > Tile Horizontal, at 1600x1000
#   docs/charts-tiled-vertical.png     the same, Window > Tile Vertical
#   docs/cost-chart.png                the cost chart alone, its lowest total cost marked
#   docs/variables-window.png          the Variables window
#   docs/simulator-window-running.png  the Simulator window during a run over wide input ranges
#   docs/simulation-chart.png          the simulation chart after such a run
#   docs/report-page.png               the first page of a unit report (PDF), from its test
#   docs/report-decision-page.png      the decision page of the example unit's report, from quorvale-cli report
#   docs/decision-window.png           the Decision Analysis window at its own size after a run on a realistic unit
#   docs/decision-voi-window.png       the same after a run that compared both patterns: what is worth measuring
#   docs/decision-compare-window.png   the same: the comparison of both patterns
#   docs/guide-window.png              the User Guide window at the formulas of parallel corridors
#   docs/units-overview.png            the Units Overview after a run over twelve units, sorted by cost
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
tool="$root/$build/tools/quorvale_screenshot_scene"
out="$root/docs"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() {  # scene output-png [argument]
    xvfb-run -a -s '-screen 0 1600x1000x24' bash -c "
        QT_QPA_PLATFORM=xcb '$tool' $1 ${3:+"'$3'"} > '$work/$1.geometry' 2>/dev/null &
        pid=\$!
        sleep 3
        # A scene that waits for a result prints its window only then.
        for i in \$(seq 120); do [ -s '$work/$1.geometry' ] && break; sleep 1; done
        import -window root '$2'
        kill \$pid"
}

# Fewer colours keep the pictures small without visible loss.
shrink() {  # input-png output-png [crop]
    convert "$1" ${3:+-crop "$3" +repage} -colors 128 "PNG8:$2"
}

# The rectangle the scene printed for the window the picture is about.
window_of() {  # scene
    read -r _ x y w h < "$work/$1.geometry"
    echo "${w}x${h}+${x}+${y}"
}

shoot charts "$work/charts.png"
shrink "$work/charts.png" "$out/main-window-charts.png"
shoot tile-h "$work/tile-h.png"
shrink "$work/tile-h.png" "$out/charts-tiled-horizontal.png"
shoot tile-v "$work/tile-v.png"
shrink "$work/tile-v.png" "$out/charts-tiled-vertical.png"
shoot costchart "$work/costchart.png"
shrink "$work/costchart.png" "$out/cost-chart.png" "$(window_of costchart)"

for name in variables simulator simchart decision guide; do
    shoot "$name" "$work/$name.png"
done
shrink "$work/variables.png" "$out/variables-window.png" "$(window_of variables)"
shrink "$work/simulator.png" "$out/simulator-window-running.png" "$(window_of simulator)"
shrink "$work/simchart.png" "$out/simulation-chart.png" "$(window_of simchart)"
shrink "$work/decision.png" "$out/decision-window.png" "$(window_of decision)"
for name in decision-voi decision-compare; do
    shoot "$name" "$work/$name.png"
    shrink "$work/$name.png" "$out/$name-window.png" "$(window_of "$name")"
done
shrink "$work/guide.png" "$out/guide-window.png" "$(window_of guide)"

"$root/tools/make_sale_area.sh" 12 > "$work/sale-area.csv"
shoot overview "$work/overview.png" "$work/sale-area.csv"
shrink "$work/overview.png" "$out/units-overview.png" "$(window_of overview)"

# The unit report's first page, rendered by poppler from the PDF its test writes.
QUORVALE_KEEP_REPORT="$work/report.pdf" QT_QPA_PLATFORM=offscreen \
    "$root/$build/tests/report/quorvale_unit_report_test" theReportHoldsTheUnitItsCostChartTheRunAndTheDecision \
    > /dev/null
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/report.pdf" "$work/report"
shrink "$work/report.png" "$out/report-page.png"

# The example unit's report as quorvale-cli writes it without a display; its
# decision section, the page that begins with it.
env -u DISPLAY "$root/$build/bin/quorvale-cli" report --unit "$root/examples/example-parallel.qvunit" --seed 1 \
    --scenarios 20000 --output "$work/example.pdf" > /dev/null
pages=$(pdfinfo "$work/example.pdf" | awk '/^Pages:/ {print $2}')
for page in $(seq "$pages"); do
    if pdftotext -f "$page" -l "$page" "$work/example.pdf" - | grep -q '^Decision analysis'; then
        pdftoppm -png -r 80 -f "$page" -l "$page" -singlefile "$work/example.pdf" "$work/decision-page"
        shrink "$work/decision-page.png" "$out/report-decision-page.png"
        break
    fi
done

ls -l "$out"/*.png
