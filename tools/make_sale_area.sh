#!/usr/bin/env bash
# Writes a batch CSV of a made-up region for quorvale-cli batch: UNITS units
# (default 1000) with harvest volume, unit size, EYD, operator's cost and
# road cost spread as they might be over a region's sale areas, and every
# fifth unit laid out in fan-shaped corridors. The same numbers every time
# (a fixed multiplicative congruential sequence, exact in
# awk's doubles), so timings can be compared.
# Usage: tools/make_sale_area.sh [UNITS] > region.csv
#   build/bin/quorvale-cli batch region.csv --seed 1 > region-rows.csv
set -euo pipefail
units=${1:-1000}
awk -v units="$units" 'BEGIN {
    state = 12345
    print "name,pattern,harvest-volume,unit-size,eyd,operator-cost,road-cost"
    for (i = 1; i <= units; i++) {
        volume = 10 + int(draw() * 30)
        size = 40 + int(draw() * 160)
        eyd = 20 + int(draw() * 30)
        cost = 2500 + 100 * int(draw() * 15)
        road = 1500 + 100 * int(draw() * 30)
        printf "unit %04d,%s,%d:%d,%d:%d,%d:%d,%d:%d,%d:%d\n", i, (i % 5 == 0 ? "fan" : "parallel"),
            volume, volume + 5 + int(draw() * 10), size, size + int(draw() * 40), eyd, eyd + 5 + int(draw() * 10),
            cost, cost + 500, road, road + 500 + int(draw() * 1000)
    }
}
function draw() {
    state = (state * 16807) % 2147483647
    return state / 2147483647
}'
