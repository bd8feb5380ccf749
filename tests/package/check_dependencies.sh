#!/usr/bin/env bash
# Each layer of src/ depends only on those below it, as the compiler found
# its headers: the dependencies Ninja recorded for every object file of a
# layer's library, whatever the spelling of the #include (by its path from a
# layer's include folder, or relative to the including file).
#   check_dependencies.sh <build dir> <source dir>
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")

# The layers below each one, as src/CMakeLists.txt links them.
declare -A below=(
    [core]=""
    [forms]="core"
    [program]="core"
    [input]="program core"
    [pf]="program core"
    [sc]="pf program core"
    [calculation]="input sc pf program core"
    [report]="calculation input sc pf program core"
    [batch]="calculation input sc pf program core"
    [months]="report batch calculation input sc pf program core"
    [batch_io]="months report batch calculation input sc pf program core"
    [forms_ui]="forms core"
    [program_ui]="forms_ui forms program core"
    [input_ui]="program_ui forms_ui forms calculation input sc pf program core"
    [pf_ui]="program_ui forms_ui forms calculation input sc pf program core"
    [sc_ui]="program_ui forms_ui forms calculation input sc pf program core"
    [months_ui]="forms_ui forms months report batch calculation input sc pf program core"
    [report_ui]="report pf_ui program_ui forms_ui forms calculation input sc pf program core"
    [app]="months_ui report_ui report input_ui pf_ui sc_ui program_ui forms_ui forms batch_io months batch calculation input sc pf program core"
)

# The layer of a file of src/, by its folder.
layer_of_source() {
    local path=$1
    case "$path" in
        forms/ui/*) echo forms_ui ;;
        program/ui/*) echo program_ui ;;
        input/ui/*) echo input_ui ;;
        pf/ui/*) echo pf_ui ;;
        sc/ui/*) echo sc_ui ;;
        report/ui/*) echo report_ui ;;
        months/ui/*) echo months_ui ;;
        batch/io/*) echo batch_io ;;
        *) echo "${path%%/*}" ;;
    esac
}

status=0
checked=0
object=
layer=
while IFS= read -r line; do
    if [[ $line != " "* ]]; then
        # An object file: "src/CMakeFiles/kandelo_<layer>.dir/…: #deps …"; the
        # program's own (main.cpp) and the print module count as their folders.
        object=${line%%: #deps*}
        case "$object" in
            src/CMakeFiles/kandelo_print.dir/*) layer=forms_ui ;;
            src/CMakeFiles/kandelo.dir/* | src/CMakeFiles/kandelo_console.dir/*) layer=app ;;
            src/CMakeFiles/kandelo_*.dir/*)
                layer=${object#src/CMakeFiles/kandelo_}
                layer=${layer%%.dir/*} ;;
            *) layer= ;;
        esac
        [ -n "$layer" ] && checked=$((checked + 1))
        continue
    fi
    [ -n "$layer" ] || continue
    dependency=${line#"${line%%[! ]*}"}
    [[ $dependency == /usr/* ]] && continue # the system's and Qt's
    [[ $dependency == /* ]] || dependency=$build/$dependency
    [[ $dependency == */./* || $dependency == */../* ]] && dependency=$(realpath -ms "$dependency")
    case "$dependency" in
        "$build"/layers/*)
            found=${dependency#"$build"/layers/}
            found=${found%%/*} ;;
        "$source"/src/*) found=$(layer_of_source "${dependency#"$source"/src/}") ;;
        *) continue ;; # the system's, Qt's, or the target's own generated files
    esac
    if [ "$found" != "$layer" ] && [[ " ${below[$layer]} " != *" $found "* ]]; then
        echo "${object#src/CMakeFiles/}: the layer $layer depends on ${dependency#"$source"/}, of the layer $found above or beside it"
        status=1
    fi
done < <(ninja -C "$build" -t deps)

if [ "$checked" -eq 0 ]; then
    echo "no object file of a layer among Ninja's dependencies in $build"
    exit 1
fi
[ $status -eq 0 ] && echo "dependencies: the $checked object files of the layers depend only on the layers below theirs"
exit $status
