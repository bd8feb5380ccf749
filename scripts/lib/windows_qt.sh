# Sourced by scripts/windows: Qt for Windows, built once from the
# distribution's own source package of the Qt the Linux build uses, and kept
# in a cache outside the clone.

# What the program needs of Qt on Windows: Core, Gui, Widgets, PrintSupport and
# Test, the Windows platform and style plugins and the offscreen platform.
# The source package leaves out src/3rdparty/wintab (no tablet events), and
# with OpenGL off the Windows platform must not load it dynamically either.
KANDELO_QT_WINDOWS_FLAGS=(
    -DBUILD_SHARED_LIBS=ON
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_MANUAL_TESTS=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)

# The Qt version of the Linux build, which the Windows one follows.
qt_windows_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# The cache folder of this Qt version, these flags and this compiler.
qt_windows_prefix() {
    local key
    key=$( { qt_windows_version; printf '%s\n' "${KANDELO_QT_WINDOWS_FLAGS[@]}";
             x86_64-w64-mingw32-g++-posix --version | head -n 1; cat "$source_root/cmake/mingw-w64-x86_64.cmake"; } \
           | sha256sum | cut -c1-12)
    local version
    version=$(qt_windows_version)
    version=${version%%+*}
    echo "${KANDELO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kandelo}/qt-$version-windows-x64-$key"
}

# deb-src entries beside the distribution's deb entries, where none are
# listed, so that apt-get source finds the package.
enable_source_packages() {
    apt-get source --print-uris qt6-base > /dev/null 2>&1 && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && grep -q '^Types: deb$' "$file" || continue
        sed 's/^Types: deb$/Types: deb-src/' "$file" | "${sudo[@]}" tee "${file%.sources}-src.sources" > /dev/null
    done
    local lines
    lines=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed -n 's/^deb /deb-src /p' || true)
    [ -z "$lines" ] || echo "$lines" | "${sudo[@]}" tee /etc/apt/sources.list.d/kandelo-src.list > /dev/null
    "${sudo[@]}" apt-get update
    apt-get source --print-uris qt6-base > /dev/null
}

# Builds and installs Qt for Windows into its cache folder unless it is there.
# Prints the folder.
build_qt_windows() {
    local prefix
    prefix=$(qt_windows_prefix)
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    enable_source_packages >&2
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/kandelo-qt.XXXXXX")
    local started=$SECONDS
    echo "Building Qt $(qt_windows_version) for Windows into $prefix (once; about half an hour on two cores)" >&2
    (
        cd "$work"
        apt-get source --only-source qt6-base > source.log 2>&1 || { cat source.log; exit 1; }
        local tree
        tree=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
        rm -rf "$prefix"
        cmake -S "$tree" -B build -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$source_root/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_INSTALL_PREFIX="$prefix" \
            "${KANDELO_QT_WINDOWS_FLAGS[@]}" > configure.log 2>&1 || { tail -n 60 configure.log; exit 1; }
        cmake --build build > build.log 2>&1 || { tail -n 60 build.log; exit 1; }
        cmake --install build > install.log 2>&1 || { tail -n 30 install.log; exit 1; }
    ) >&2 || { rm -rf "$work"; return 1; }
    rm -rf "$work"
    # Qt's own Japanese texts, of the distribution's Qt of the same release,
    # where the Windows Qt looks for them.
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
    touch "$prefix/.complete"
    echo "Qt for Windows built in $(( (SECONDS - started) / 60 )) min" >&2
    echo "$prefix"
}
