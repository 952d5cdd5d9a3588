#!/usr/bin/env bash
# Keeps the source layout to the rules of the README's Layout section:
#   1. a core file (any file under src/ whose folder path has no gui/ part)
#      includes neither a file in a gui/ folder nor a Qt header;
#   2. a core folder includes only core folders of its own subsystem or of
#      one above it in the README's "Core order:" line;
#   3. a window folder includes core folders, base/gui, its own subsystem's
#      windows, and another subsystem's window files only where a row of the
#      README's "| Window folder | May include | Why |" table allows it; every
#      file that table names exists;
#   4. the folders include each other without a cycle.
# The order and the table are read from the README, so the two cannot drift
# apart. A folder is a node as it stands: `charts` and `charts/gui` are two
# nodes, so a window folder may use its own core (charts/gui -> charts) while
# the core may never reach back. An include of "a/b/File.h" from a file in
# folder F is an edge F -> a/b; includes within one folder are no edge. A
# folder's subsystem is the first part of its path.
# Usage: tools/check_layout.sh [SRC_DIR [README]]
#   (default: the src/ beside tools/, and the README.md beside SRC_DIR)
# Plain bash and sed, so it runs on a bare Debian.
# shellcheck disable=SC2016  # the backquotes are the README's, not commands
set -euo pipefail -f  # -f: the README's names are patterns, matched but never expanded

src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}
src=$(cd "$src" && pwd)
readme=${2:-$(dirname "$src")/README.md}
problems=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

fail() {  # message
    echo "$1" >&2
    problems=$((problems + 1))
}

is_gui() {  # folder
    [[ "/$1/" == */gui/* ]]
}

# The Layout section of the README: its "Core order:" line and the rows of
# its window table, each cell's `quoted` names taken apart.
layout=$(sed -n '/^## Layout/,/^## /p' "$readme" 2>/dev/null || true)
declare -A rank
order=()
while read -r name; do
    rank[$name]=${#order[@]}
    order+=("$name")
done < <(grep -m1 '^[[:space:]]*Core order:' <<<"$layout" | grep -o '`[^`]*`' | tr -d '`')
if ((${#order[@]} == 0)); then
    fail "$readme: no \"Core order:\" line in the Layout section"
fi
allow_from=()
allow_to=()
in_table=0
while IFS= read -r row; do
    row=${row#"${row%%[![:space:]]*}"}
    if [[ $row == '| Window folder | May include | Why |' ]]; then
        in_table=1
        continue
    fi
    ((in_table)) || continue
    [[ $row == '|'* ]] || break
    [[ $row == '|---'* ]] && continue
    IFS='|' read -r _ from to _ <<<"$row"
    for f in $(grep -o '`[^`]*`' <<<"$from" | tr -d '`'); do
        for t in $(grep -o '`[^`]*`' <<<"$to" | tr -d '`'); do
            allow_from+=("$f")
            allow_to+=("$t")
        done
    done
done <<<"$layout"
if ((in_table == 0)); then
    fail "$readme: no \"| Window folder | May include | Why |\" table in the Layout section"
fi
for t in $(printf '%s\n' "${allow_to[@]}" | sort -u); do
    if [[ $t != *[*?]* && ! -f $src/$t ]]; then
        fail "$readme: the Layout table names \"$t\", which is not a file under src/"
    fi
done

# Whether a window file in folder $1 may include the window file $2 of
# another subsystem.
allowed() {  # folder path
    local i
    for i in "${!allow_from[@]}"; do
        # shellcheck disable=SC2053  # the table's names are patterns
        [[ $1 == ${allow_from[$i]} && $2 == ${allow_to[$i]} ]] && return 0
    done
    return 1
}

# Sets REPLY to the folder of a path below src/, "." and ".." parts resolved
# (no subshell: the check runs over every include).
folder_of() {  # path
    local part parts=() out=()
    IFS=/ read -r -a parts <<<"$1"
    unset 'parts[${#parts[@]}-1]'
    for part in "${parts[@]}"; do
        case $part in
            . | '') ;;
            ..) ((${#out[@]})) && unset 'out[${#out[@]}-1]' ;;
            *) out+=("$part") ;;
        esac
    done
    local IFS=/
    REPLY="${out[*]:-.}"
}

ordered=$(printf '%s, ' "${order[@]}")
ordered=${ordered%, }
while IFS= read -r -d '' file; do
    rel=${file#"$src"/}
    folder_of "$rel"
    folder=$REPLY
    subsystem=${folder%%/*}
    if ! is_gui "$folder" && [[ -z ${rank[$subsystem]:-} ]] && ((${#order[@]})); then
        fail "src/$rel: core folder $folder is not in the README's core order ($ordered)"
    fi
    # One line per include: LINE<TAB>"path" or LINE<TAB><path>
    while IFS=$'\t' read -r line target; do
        kind=${target:0:1}
        name=${target:1:${#target}-2}
        if [[ $kind == '<' ]]; then
            if ! is_gui "$folder" && [[ $name =~ ^Q[A-Za-z]|^Qt ]]; then
                fail "src/$rel:$line: core file includes Qt header <$name>"
            fi
            continue
        fi
        # Quoted includes resolve against src/ first, then the file's own folder.
        if [[ -f "$src/$name" ]]; then
            path=$name
        elif [[ -f "$src/$folder/$name" ]]; then
            path=$folder/$name
        else
            continue
        fi
        folder_of "$path"
        to=$REPLY
        [[ $to == "$folder" ]] && continue
        printf '%s %s %s\n' "$folder" "$to" "src/$rel:$line" >>"$edges"
        to_subsystem=${to%%/*}
        if ! is_gui "$folder"; then
            if is_gui "$to"; then
                fail "src/$rel:$line: core file includes window file \"$name\""
            elif [[ $to_subsystem != "$subsystem" && -n ${rank[$subsystem]:-} ]] &&
                ! ((${rank[$to_subsystem]:-999} < ${rank[$subsystem]})); then
                fail "src/$rel:$line: core folder $folder includes \"$name\" of $to_subsystem, which is not above it in the core order ($ordered)"
            fi
        elif is_gui "$to" && [[ $to_subsystem != "$subsystem" && $to != base/gui ]] && ! allowed "$folder" "$path"; then
            fail "src/$rel:$line: window file includes \"$name\" of another subsystem's windows; reach it through an interface the README's Layout table names, or name it there with the reason"
        fi
    done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]*[>"]).*/\1/; T; =; p' "$file" |
        paste - -)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0 | sort -z)

# A depth-first walk over the folder graph; meeting a folder that is still on
# the walk's path closes a cycle, which is printed edge by edge with the
# include that makes each edge.
declare -A next site state
while read -r from to where; do
    if [[ -z ${site["$from $to"]:-} ]]; then
        next[$from]+="$to "
        site["$from $to"]=$where
    fi
done <"$edges"
path=()
cycle=()
visit() {  # folder; returns 1 once a cycle is found
    local here=$1 there i
    state[$here]=open
    path+=("$here")
    for there in ${next[$here]:-}; do
        if [[ ${state[$there]:-} == open ]]; then
            for i in "${!path[@]}"; do
                [[ ${path[$i]} == "$there" ]] && cycle=("${path[@]:$i}" "$there")
            done
            return 1
        fi
        if [[ -z ${state[$there]:-} ]]; then
            visit "$there" || return 1
        fi
    done
    state[$here]="done"
    unset 'path[${#path[@]}-1]'
}
for folder in $(printf '%s\n' "${!next[@]}" | sort); do
    if [[ -z ${state[$folder]:-} ]] && ! visit "$folder"; then
        echo "folders include each other in a cycle:" >&2
        for ((i = 0; i + 1 < ${#cycle[@]}; i++)); do
            echo "  ${cycle[$i]} -> ${cycle[$i + 1]} (${site["${cycle[$i]} ${cycle[$i + 1]}"]})" >&2
        done
        problems=$((problems + 1))
        break
    fi
done

if ((problems > 0)); then
    echo "Layout check failed: $problems problem(s) in $src" >&2
    exit 1
fi
echo "Layout check: ${#site[@]} folder dependencies, all as the README's Layout section allows, no cycle"
