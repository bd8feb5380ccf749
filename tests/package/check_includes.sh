#!/usr/bin/env bash
# Each layer of src/ includes only those below it:
#   core/       the number texts                       nothing but core/
#   forms/      the form machinery, which knows no screen  + core/
#   program/    the program's vocabulary                   + forms/
#   input/ pf/ sc/  the screens, which reach one another   + program/ and one another
#   report/     the result as it leaves the screens        + the screens' computations and the
#                                                            dial's painting, never a screen
#   batch/      the command line, no Qt                    core/, program/, the computations
#   app/        the composition root                       anything
#   check_includes.sh <source dir>
set -euo pipefail
source_dir=$1

# Whether a file in `folder` may include `header` (a path under src/).
allowed() {
    local folder=$1 header=$2
    local top=${header%%/*}
    case "$header" in ui_*.h) return 0 ;; esac
    case "$folder" in
        core) [[ $top == core ]] ;;
        forms) [[ $top == core || $top == forms ]] ;;
        program) [[ $top == core || $top == forms || $top == program ]] ;;
        input | pf | sc) [[ $top =~ ^(core|forms|program|input|pf|sc)$ ]] ;;
        report)
            [[ $top =~ ^(core|forms|program|report)$ ]] && return 0
            [[ $header == pf/ui/dial_painting.h ]] && return 0
            [[ $top =~ ^(pf|sc)$ && $header != */ui/* ]] ;;
        batch) [[ $top =~ ^(core|program|batch)$ || ($top =~ ^(input|pf|sc)$ && $header != */ui/*) ]] ;;
        app) return 0 ;;
        *) return 1 ;;
    esac
}

# The rule itself, on the mistakes it is there to catch.
for wrong in "report sc/ui/frmsc.h" "report pf/ui/frmpf.h" "report input/ui/frminputbox.h" "core app/app.h" \
    "forms app/app.h" "program app/app.h" "pf app/app.h" "sc report/report.h" "forms pf/pf_calc.h" "batch sc/ui/frmsc.h"; do
    if allowed $wrong; then
        echo "check_includes.sh would let this by: ${wrong/ / includes }"
        exit 1
    fi
done

status=0
while IFS= read -r file; do
    relative=${file#"$source_dir"/src/}
    folder=${relative%%/*}
    while IFS= read -r header; do
        [ -e "$source_dir/src/$header" ] || [ -e "$source_dir/src/$header.in" ] || [[ $header == ui_*.h ]] || continue
        if ! allowed "$folder" "$header"; then
            echo "src/$relative includes $header, a layer above its own"
            status=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$source_dir/src" -name '*.h' -o -name '*.cpp' -o -name '*.h.in')
[ $status -eq 0 ] && echo "includes: every layer of src/ includes only those below it"
exit $status
