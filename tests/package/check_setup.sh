#!/usr/bin/env bash
# The set-up scripts as a newcomer meets them: what require_packages does
# with every package there, and, for a user who is not root and has no sudo,
# the one line it says instead of failing on sudo; and that scripts/run
# builds the program alone.
#   check_setup.sh <source dir>
set -euo pipefail
source_dir=$1
shims=$(mktemp -d)
trap 'rm -rf "$shims"' EXIT

# A machine where nothing is installed, for a user who is not root, with no
# sudo anywhere on the PATH: only these few commands.
cat > "$shims/dpkg-query" <<'SHIM'
#!/bin/sh
echo "unknown ok not-installed"
SHIM
cat > "$shims/id" <<'SHIM'
#!/bin/sh
echo 1000
SHIM
chmod +x "$shims/dpkg-query" "$shims/id"
ln -s "$(command -v grep)" "$shims/grep"

said=$(PATH="$shims" "$BASH" -c "source '$source_dir/scripts/lib/packages.sh'; require_packages cmake ninja-build" 2>&1) && {
    echo "require_packages went on without root and without sudo"; exit 1; }
expected="Missing packages; as root, run: apt-get install -y --no-install-recommends cmake ninja-build"
if [ "$said" != "$expected" ]; then
    echo "require_packages said: $said"; echo "instead of: $expected"; exit 1
fi

# With everything installed it does nothing and says nothing.
cat > "$shims/dpkg-query" <<'SHIM'
#!/bin/sh
echo "install ok installed"
SHIM
said=$(PATH="$shims" "$BASH" -c "source '$source_dir/scripts/lib/packages.sh'; require_packages cmake" 2>&1)
[ -z "$said" ] || { echo "require_packages said, with all installed: $said"; exit 1; }

# scripts/run builds the program and its print module, and no test.
grep -q 'cmake --build --preset program$' "$source_dir/scripts/run"
cat > "$shims/presets.cmake" <<'CMAKE'
file(READ "${presets}" json)
string(JSON count LENGTH "${json}" configurePresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    string(JSON name GET "${json}" configurePresets ${i} name)
    string(JSON testing ERROR_VARIABLE none GET "${json}" configurePresets ${i} cacheVariables BUILD_TESTING)
    string(JSON werror ERROR_VARIABLE none GET "${json}" configurePresets ${i} cacheVariables CMAKE_COMPILE_WARNING_AS_ERROR)
    if(name STREQUAL "program" AND NOT testing STREQUAL "OFF")
        message(FATAL_ERROR "the program preset builds the tests")
    endif()
    if(name MATCHES "^(default|sanitize|fuzz)$" AND NOT werror STREQUAL "ON")
        message(FATAL_ERROR "the ${name} preset lets warnings by")
    endif()
endforeach()
string(JSON count LENGTH "${json}" buildPresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    string(JSON name GET "${json}" buildPresets ${i} name)
    if(name STREQUAL "program")
        string(JSON targets GET "${json}" buildPresets ${i} targets)
        if(NOT targets MATCHES "^\\[ *\"kandelo\", *\"kandelo_print\" *\\]$")
            message(FATAL_ERROR "scripts/run builds ${targets}")
        endif()
    endif()
endforeach()
CMAKE
cmake -Dpresets="$source_dir/CMakePresets.json" -P "$shims/presets.cmake"
echo "set-up scripts: no sudo told in one line, nothing done when all is there, scripts/run builds the program alone"
