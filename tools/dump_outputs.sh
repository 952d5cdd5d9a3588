#!/usr/bin/env bash
# Writes what the command-line tool prints for a fixed set of runs, one file
# per run, so that a restructuring can be checked to change no byte:
#   tools/dump_outputs.sh build/bin/quorvale-cli /tmp/before
#   ... change the code, rebuild ...
#   tools/dump_outputs.sh build/bin/quorvale-cli /tmp/after
#   diff -r /tmp/before /tmp/after
# Every run has a fixed seed and, for the decision analysis, a fixed scenario
# count, so the outputs do not depend on the clock or the machine. Each file
# ends with the run's exit status; stderr is kept beside stdout.
set -uo pipefail
cli=${1:?usage: dump_outputs.sh QUORVALE_CLI OUT_DIR}
out=${2:?usage: dump_outputs.sh QUORVALE_CLI OUT_DIR}
mkdir -p "$out"
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
cd "$out" || exit 1
export LC_ALL=C.UTF-8

# File names stay relative, so that two dumps in two folders compare equal.
unit=realistic.qvunit
realistic=(--harvest-volume 20:30 --unit-size 80 --eyd 50 --operator-cost 2500:3500
  --external-speed 700:900 --road-cost 1200:2000)
"$cli" unit --name "Realistic 80 acres" "${realistic[@]}" >"$unit"

n=0
run() {  # name args...
    local name=$1
    shift
    n=$((n + 1))
    {
        "$cli" "$@" 2>"$name.err"
        echo "exit status $?"
    } >"$name.out"
}

for fmt in table csv json; do
    for pattern in parallel fan; do
        for case in low average high; do
            run "sweep-$pattern-$case-$fmt" sweep --case "$case" --pattern "$pattern" --format "$fmt"
        done
        run "sweep-unit-$pattern-$fmt" sweep --unit "$unit" --pattern "$pattern" --format "$fmt" --case average
        run "simulate-$pattern-$fmt" simulate --seed 7 --target 3 --pattern "$pattern" --format "$fmt" \
            --harvest-volume 25:45 --operator-cost 2500:3500
        run "simulate-unit-$pattern-$fmt" simulate --seed 11 --target 4 --unit "$unit" --pattern "$pattern" \
            --format "$fmt"
        run "decide-$pattern-$fmt" decide --seed 3 --scenarios 2000 --threads 2 --pattern "$pattern" \
            --format "$fmt"
        run "decide-unit-$pattern-$fmt" decide --seed 5 --scenarios 3000 --threads 1 --unit "$unit" \
            --pattern "$pattern" --format "$fmt"
    done
    run "sweep-wide-$fmt" sweep --format "$fmt" --eyd 12:40 --unit-size 120 --case high
    run "sweep-odd-entries-$fmt" sweep --format "$fmt" --unit-size 8O --road-cost 1200:2OOO --eyd -3
    run "decide-band-$fmt" decide --seed 9 --scenarios 1500 --band 3 --format "$fmt" "${realistic[@]}"
    run "decide-target-$fmt" decide --seed 13 --target 2 --max-scenarios 4000 --format "$fmt" "${realistic[@]}"
    run "decide-extreme-$fmt" decide --road-cost 1e308 --scenarios 10 --eyd 3 --seed 1 --format "$fmt"
done
# Entries not read as they are written: named on stderr, refused by --strict.
sed -e 's/"2500"/"2500,0"/' -e 's/"80"/"8O"/' "$unit" >odd.qvunit
run sweep-odd-unit sweep --unit odd.qvunit --case average --format csv
run decide-odd-unit-strict decide --unit odd.qvunit --strict --seed 1 --scenarios 200
run sweep-strict sweep --unit-size 8O --strict
run sweep-strict-clean sweep --unit-size 8 --eyd 5 --strict
run sweep-columns-all sweep --columns all --eyd 12:40 --unit-size 120
run unit-plain unit
run unit-fan unit --name "Fan unit" --pattern fan --target 2.5 --eyd 25:40
run unit-from-unit unit --unit "$unit" --turn-volume 350:450
run version --version
run help --help
for command in sweep simulate decide unit; do
    run "help-$command" "$command" --help
done
run usage-unknown-command nonsense
run usage-bad-option sweep --no-such-option
run usage-bad-format decide --format xml
run missing-unit sweep --unit no-such-file.qvunit
echo "$n runs written to $out"
