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
# How each command reads its options: a bad value in the tool's own words,
# the first fault in the order given, a later option over an earlier one,
# and whole numbers read in decimal ("010" is ten).
long_name=$(printf 'n%.0s' $(seq 1 257))
run opt-sweep-case sweep --case middle
run opt-sweep-columns sweep --columns eyd,nothing
run opt-sweep-columns-csv sweep --columns eyd --format csv
run opt-sweep-pattern sweep --pattern diagonal --eyd 5
run opt-sweep-empty-format sweep --format=
run opt-sweep-needs-value sweep --case --eyd 5
run opt-sweep-stray sweep --eyd 5 stray
run opt-sweep-dashes sweep --eyd 5 -- --case high
run opt-sweep-short sweep -h
run opt-sweep-first-fault sweep --case bad --pattern bad --no-such-option
run opt-sweep-first-fault-2 sweep --no-such-option --pattern bad --case bad
run opt-sweep-later-wins sweep --case high --eyd 5 --case=low --format csv --format json
run opt-sweep-unit-then-entry sweep --unit "$unit" --unit-size 40 --case average --format csv
run opt-sweep-entry-then-unit sweep --unit-size 40 --unit "$unit" --case average --format csv
run opt-sweep-unit-then-pattern sweep --unit "$unit" --pattern fan --eyd 5 --format csv
run opt-sweep-missing-unit-first sweep --unit no-such-file.qvunit --format xml
run opt-sweep-bad-format-first sweep --format xml --unit no-such-file.qvunit
run opt-sweep-strict-value sweep --unit-size 8O --strict=0 --eyd 5
run opt-simulate-seed simulate --seed x
run opt-simulate-seed-large simulate --seed 18446744073709551616
run opt-simulate-target simulate --target 0
run opt-simulate-target-text simulate --target=abc
run opt-simulate-cap simulate --max-samples-per-step -1
run opt-simulate-decimal-seed simulate --seed 010 --target 40 --eyd 4 --format csv
run opt-simulate-unit-target simulate --seed 2 --target 30 --unit "$unit" --eyd 4 --format csv
run opt-decide-scenarios decide --scenarios 0
run opt-decide-scenarios-exp decide --scenarios 1e3
run opt-decide-threads decide --threads 0
run opt-decide-threads-many decide --threads 100000
run opt-decide-band decide --band 101
run opt-decide-band-text decide --band x
run opt-decide-target decide --target -1
run opt-decide-combined decide --scenarios 10 --target 2
run opt-decide-combined-cap decide --max-scenarios 50 --scenarios 10
run opt-decide-decimal-seed decide --seed 010 --scenarios 300 --eyd 6 --band 2.5 --format csv
run opt-unit-name unit --name "$long_name"
run opt-unit-target unit --target 0
run opt-unit-pattern-then-unit unit --pattern fan --unit "$unit" --name later
run opt-unit-unit-then-target unit --unit "$unit" --target 3.5 --name=
run opt-report-no-output report --seed 1
run opt-report-seed report --seed x --output r.pdf
run opt-report-scenarios report --scenarios 0 --output r.pdf
run opt-batch-no-paths batch --seed 1
run opt-batch-shard batch "$unit" --shard 3/2
run opt-batch-format batch "$unit" --format xml
run opt-batch-threads batch "$unit" --threads 0
run opt-batch-seed batch "$unit" --seed -1
run opt-batch-needs-value batch "$unit" --seed --threads 1
run opt-batch-decide-option batch "$unit" --seed 4 --threads 1 --scenarios 0
# The batch's own options are read wherever they stand, in the order given
# and before any option handed on to decide; a missing value is named in its
# turn; "--", stray words and unknown options go on to decide as given.
run opt-batch-first-fault batch "$unit" --seed x --threads
run opt-batch-first-fault-2 batch "$unit" --threads --seed x
run opt-batch-own-first batch "$unit" --no-such-option --shard 0/1
run opt-batch-own-first-2 batch "$unit" --scenarios=0 --seed=x
run opt-batch-no-paths-own-first batch --seed x
run opt-batch-no-paths-decide batch --scenarios 0
run opt-batch-decide-needs-value batch "$unit" --seed 1 --scenarios
run opt-batch-decide-needs-value-2 batch "$unit" --scenarios --seed x
run opt-batch-dashes batch "$unit" --seed 1 -- --scenarios 10
run opt-batch-dashes-then-own batch "$unit" -- --seed x
run opt-batch-dashes-last batch "$unit" --
run opt-batch-needs-value-dashes batch "$unit" --scenarios --
run opt-batch-own-needs-value-dashes batch "$unit" --seed -- --threads 1
run opt-batch-dashed-value batch "$unit" --seed --1
run opt-batch-minus-value batch "$unit" --seed -h
run opt-batch-short batch "$unit" --seed 1 -h
run opt-batch-stray batch "$unit" --seed 1 stray
run opt-batch-empty-word batch "$unit" --seed 1 ""
run opt-batch-empty-format batch "$unit" --format=
run opt-batch-empty-seed batch "$unit" --seed= --threads 1
run opt-batch-shard-text batch "$unit" --shard=1
run opt-batch-help-value batch "$unit" --help=x
run opt-batch-no-paths-help-value batch --help=x
run opt-batch-strict-value batch "$unit" --strict=0
run opt-batch-compare-patterns batch "$unit" --compare-patterns
run opt-batch-equals batch "$unit" --seed=3 --threads=1 --shard=1/1 --format=jsonl --scenarios=50 --eyd=3
run opt-batch-later-wins batch "$unit" --format jsonl --seed 3 --eyd 3 --format csv --threads 2 --scenarios 50 \
    --threads=1 --eyd 4 --seed 5
run opt-batch-two-units batch "$unit" odd.qvunit --seed 2 --threads 1 --scenarios 40 --eyd 3 --format jsonl
run help-batch batch --help
# Most-likely values, linked inputs and the comparison of two units.
"$cli" unit --name "Believed" --pattern fan --harvest-volume 20:24:30 --shape pert \
    --correlate harvest-volume:operator-cost=0.4 "${realistic[@]:2}" >believed.qvunit
run beliefs-decide-mode decide --seed 2 --scenarios 300 --eyd 5 --harvest-volume 20:25:40 --shape pert --format csv
run beliefs-decide-correlate decide --seed 2 --scenarios 300 --eyd 5 --correlate harvest-volume:operator-cost=0.5 \
    --correlate operator-cost:harvest-volume=-0.25 --format json
run beliefs-decide-unit decide --seed 2 --scenarios 300 --unit believed.qvunit --shape triangular --format csv
run beliefs-decide-compare-patterns decide --compare-patterns --seed 2 --scenarios 300 --eyd 5 --format csv
run beliefs-decide-voi decide --seed 2 --scenarios 300 --eyd 5 --voi-bins 4 --format json
run beliefs-unit unit --harvest-volume 20:25:40 --shape pert --correlate harvest-volume:operator-cost=0.3
run beliefs-unit-from-unit unit --unit believed.qvunit --harvest-volume 20:30
run beliefs-compare compare --unit "$unit" --against believed.qvunit --seed 4 --scenarios 300 --format csv
run beliefs-compare-table compare --unit believed.qvunit --against "$unit" --seed 4 --scenarios 300 --threads 1
run opt-beliefs-shape decide --shape normal
run opt-beliefs-correlate decide --correlate harvest-volume=0.5
run opt-beliefs-correlate-self decide --correlate harvest-volume:harvest-volume=0.5
run opt-beliefs-correlate-unknown decide --correlate nothing:harvest-volume=0.5
run opt-beliefs-correlate-eyd decide --correlate eyd:harvest-volume=0.5
run opt-beliefs-correlate-rho decide --correlate turn-volume:harvest-volume=1
run opt-beliefs-not-here sweep --harvest-volume 20:25:40
run opt-beliefs-eyd decide --eyd 1:2:3
run opt-beliefs-outside decide --harvest-volume 20:50:40 --scenarios 10
run opt-beliefs-mode-text decide --harvest-volume 20:x:40 --scenarios 10
run opt-beliefs-voi decide --voi-bins 1
run opt-beliefs-voi-text decide --voi-bins x --shape bad
run opt-compare-one compare --unit "$unit"
run opt-compare-scenarios compare --unit "$unit" --against "$unit" --scenarios 0
run opt-compare-missing compare --unit "$unit" --against no-such-file.qvunit --scenarios 10
run opt-compare-combined compare --unit "$unit" --against "$unit" --scenarios 10 --target 2
run opt-compare-format compare --format xml --unit no-such-file.qvunit
run help-compare compare --help
echo "$n runs written to $out"
