#!/usr/bin/env bash
# The layout check passes a clean tree and names each fault in a tree that has
# one, for every rule of the README's Layout section it reads: a core file
# reaching Qt or a window file, a core folder reaching one below it or outside
# the core order, a window file reaching another subsystem's windows unless
# the README's table names it, a table naming no file, a README without its
# rules, and folders that include each other.
# shellcheck disable=SC2016  # the backquotes are the README's, not commands
set -uo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/tools/check_layout.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/src
failures=0

readme() {  # table rows...
    {
        printf '# Planted\n\n## Layout\n\n- A core folder depends only on those above it:\n\n'
        printf '  Core order: `base`, `model`, `charts`, `cli`\n\n'
        printf '  | Window folder | May include | Why |\n  |---|---|---|\n'
        printf '  %s\n' "$@"
        printf '\n## After\n\n  | Window folder | May include | Why |\n  | `*/gui` | `*` | not the Layout section |\n'
    } >"$work/README.md"
}

# base <- model <- charts, cli on its own; model/gui and charts/gui on their
# cores and Qt, charts/gui on model/gui through the README's table.
clean_tree() {
    rm -rf "$src"
    mkdir -p "$src/base" "$src/model/gui" "$src/charts/gui" "$src/cli"
    printf '#pragma once\n#include <string>\n' >"$src/base/Texts.h"
    printf '#pragma once\n#include "base/Texts.h"\n' >"$src/model/Model.h"
    printf '#include "Model.h"\n#include <vector>\n' >"$src/model/Model.cpp"
    printf '#pragma once\n#include <QWidget>\n#include "model/Model.h"\n' >"$src/model/gui/Window.h"
    printf '#pragma once\n#include "model/gui/Window.h"\n' >"$src/model/gui/Dialog.h"
    printf '#pragma once\n#include "model/Model.h"\n' >"$src/charts/Chart.h"
    printf '#pragma once\n#include "charts/Chart.h"\n#include "model/gui/Window.h"\n' >"$src/charts/gui/View.h"
    printf '#pragma once\n' >"$src/cli/Cli.h"
    readme '| `charts/gui` | `model/gui/Window.h` | the view is a window |'
}

expect() {  # what status text
    local output status=0
    output=$("$check" "$src" 2>&1) || status=$?
    if [[ $status -ne $2 || $output != *"$3"* ]]; then
        echo "FAIL: $1 (exit $status, expected $2 and \"$3\"):"
        echo "$output"
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}

clean_tree
expect "a clean tree passes" 0 "5 folder dependencies, all as the README's Layout section allows, no cycle"

clean_tree
echo '#include <QString>' >>"$src/model/Model.cpp"
expect "a core file including Qt fails" 1 'src/model/Model.cpp:3: core file includes Qt header <QString>'

clean_tree
echo '#include "model/gui/Window.h"' >>"$src/charts/Chart.h"
expect "a core file including a window file fails" 1 \
    'src/charts/Chart.h:3: core file includes window file "model/gui/Window.h"'

clean_tree
echo '#include "gui/Window.h"' >>"$src/model/Model.cpp"
expect "a window file reached from the file's own folder fails" 1 \
    'src/model/Model.cpp:3: core file includes window file "gui/Window.h"'

clean_tree
echo '#include "cli/Cli.h"' >>"$src/model/Model.h"
expect "a core folder reaching one below it in the core order fails" 1 \
    'src/model/Model.h:3: core folder model includes "cli/Cli.h" of cli, which is not above it in the core order (base, model, charts, cli)'

clean_tree
mkdir -p "$src/extra"
printf '#pragma once\n' >"$src/extra/Extra.h"
expect "a core folder outside the core order fails" 1 \
    'src/extra/Extra.h: core folder extra is not in the README'"'"'s core order (base, model, charts, cli)'

clean_tree
echo '#include "model/gui/Dialog.h"' >>"$src/charts/gui/View.h"
expect "a window file reaching another subsystem's window file the table does not name fails" 1 \
    'src/charts/gui/View.h:4: window file includes "model/gui/Dialog.h" of another subsystem'"'"'s windows'

clean_tree
readme '| `cli/gui` | `model/gui/Window.h` | another folder |'
expect "a table row for another folder allows nothing" 1 \
    'src/charts/gui/View.h:3: window file includes "model/gui/Window.h" of another subsystem'"'"'s windows'

clean_tree
readme '| `*/gui` | `model/gui/*` | every window folder, any of those files |'
echo '#include "model/gui/Dialog.h"' >>"$src/charts/gui/View.h"
expect "a table row names folders and files by pattern" 0 "no cycle"

clean_tree
readme '| `charts/gui` | `model/gui/Window.h`, `model/gui/Gone.h` | renamed since |'
expect "a table naming a file that is not there fails" 1 \
    'README.md: the Layout table names "model/gui/Gone.h", which is not a file under src/'

clean_tree
sed -i '/Core order:/d' "$work/README.md"
expect "a README without its core order fails" 1 'README.md: no "Core order:" line in the Layout section'

clean_tree
sed -i '0,/| Window folder/{/| Window folder/d}' "$work/README.md"
expect "a README without its window table fails" 1 \
    'README.md: no "| Window folder | May include | Why |" table in the Layout section'

clean_tree
echo '#include "charts/gui/View.h"' >>"$src/model/gui/Dialog.h"
readme '| `charts/gui` | `model/gui/Window.h` | the view is a window |' '| `model/gui` | `charts/gui/View.h` | and back |'
expect "a cycle of folders fails, edge by edge" 1 \
    "$(printf '  charts/gui -> model/gui (src/charts/gui/View.h:3)\n  model/gui -> charts/gui (src/model/gui/Dialog.h:3)')"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
