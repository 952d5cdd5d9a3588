#!/usr/bin/env bash
# Keeps the source layout honest:
#   1. a core file (any file under src/ whose folder path has no gui/ part)
#      includes neither a file in a gui/ folder nor a Qt header;
#   2. the folders include each other without a cycle.
# A folder is a node as it stands: `charts` and `charts/gui` are two nodes,
# so a window folder may use its own core (charts/gui -> charts) while the
# core may never reach back. An include of "a/b/File.h" from a file in folder
# F is an edge F -> a/b; includes within one folder are no edge.
# Usage: tools/check_layout.sh [SRC_DIR]   (default: the src/ beside tools/)
# Plain bash and sed, so it runs on a bare Debian.
set -euo pipefail

src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}
src=$(cd "$src" && pwd)
problems=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

is_gui() {  # folder
    [[ "/$1/" == */gui/* ]]
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

while IFS= read -r -d '' file; do
    rel=${file#"$src"/}
    folder_of "$rel"
    folder=$REPLY
    # One line per include: LINE<TAB>"path" or LINE<TAB><path>
    while IFS=$'\t' read -r line target; do
        kind=${target:0:1}
        name=${target:1:${#target}-2}
        if [[ $kind == '<' ]]; then
            if ! is_gui "$folder" && [[ $name =~ ^Q[A-Za-z]|^Qt ]]; then
                echo "src/$rel:$line: core file includes Qt header <$name>" >&2
                problems=$((problems + 1))
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
        if ! is_gui "$folder" && is_gui "$to"; then
            echo "src/$rel:$line: core file includes window file \"$name\"" >&2
            problems=$((problems + 1))
        fi
        if [[ $to != "$folder" ]]; then
            printf '%s %s %s\n' "$folder" "$to" "src/$rel:$line" >>"$edges"
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
    state[$here]=done
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
echo "Layout check: ${#site[@]} folder dependencies, no core file reaches a window or Qt, no cycle"
