#!/usr/bin/env bash
# Takes the documentation screenshots under a virtual X server:
#   docs/main-window-charts.png  the main window with the five static charts tiled
#   docs/variables-window.png    the Variables window
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
scene="$root/$build/tools/quorvale_screenshot_scene"
out="$root/docs"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() {  # scene-argument output-png
    xvfb-run -a -s '-screen 0 1600x1000x24' bash -c "
        QT_QPA_PLATFORM=xcb '$scene' $1 > '$work/geometry' 2>/dev/null &
        pid=\$!
        sleep 3
        import -window root '$2'
        kill \$pid"
}

shoot charts "$work/charts.png"
# Fewer colours keep the picture small without visible loss.
convert "$work/charts.png" -colors 128 "PNG8:$out/main-window-charts.png"

shoot variables "$work/variables.png"
read -r _ x y w h < "$work/geometry"
convert "$work/variables.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 128 "PNG8:$out/variables-window.png"

ls -l "$out"/*.png
