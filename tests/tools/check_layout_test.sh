#!/usr/bin/env bash
# The layout check passes a clean tree and names each fault in a tree that has
# one: a core file reaching Qt, a core file reaching a window file (by its path
# from src/ or from its own folder), and folders that include each other.
set -uo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/tools/check_layout.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/src
failures=0

clean_tree() {  # base <- model <- charts, and model/gui on model and Qt
    rm -rf "$src"
    mkdir -p "$src/base" "$src/model/gui" "$src/charts"
    printf '#pragma once\n#include <string>\n' >"$src/base/Texts.h"
    printf '#pragma once\n#include "base/Texts.h"\n' >"$src/model/Model.h"
    printf '#include "Model.h"\n#include <vector>\n' >"$src/model/Model.cpp"
    printf '#pragma once\n#include <QWidget>\n#include "model/Model.h"\n' >"$src/model/gui/Window.h"
    printf '#pragma once\n#include "model/Model.h"\n' >"$src/charts/Chart.h"
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
expect "a clean tree passes" 0 "3 folder dependencies, no core file reaches a window or Qt, no cycle"

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
echo '#include "charts/Chart.h"' >>"$src/base/Texts.h"
expect "a cycle of folders fails, edge by edge" 1 \
    "$(printf '  base -> charts (src/base/Texts.h:3)\n  charts -> model (src/charts/Chart.h:2)\n  model -> base (src/model/Model.h:2)')"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
