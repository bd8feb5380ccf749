#!/usr/bin/env bash
# The dependency check on a tree whose lowest layer includes a higher one by a
# path relative to the including file, which compiles whatever the include
# folders are: the check must find it.
#   check_relative_include.sh <source dir>
set -euo pipefail
checker=$1/tests/package/check_dependencies.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/core" "$tree/src/report" "$tree/build"
echo 'struct Report {};' > "$tree/src/report/report.h"
printf '#include "../report/report.h"\nReport report;\n' > "$tree/src/core/upward.cpp"
cat > "$tree/build/build.ninja" <<NINJA
rule cxx
  command = c++ -MD -MF \$out.d -c \$in -o \$out
  depfile = \$out.d
  deps = gcc
build src/CMakeFiles/kandelo_core.dir/core/upward.cpp.o: cxx $tree/src/core/upward.cpp
NINJA
ninja -C "$tree/build" > /dev/null
if said=$("$checker" "$tree/build" "$tree"); then
    echo "the dependency check let a relative upward include by: $said"
    exit 1
fi
grep -q 'the layer core depends on src/report/report.h, of the layer report' <<< "$said" || {
    echo "the dependency check said: $said"; exit 1; }
echo "dependencies: a relative upward include is found"
