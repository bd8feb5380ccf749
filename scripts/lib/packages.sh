# Sourced by scripts/run and scripts/test.

# The Debian/Ubuntu packages that building and running the program need,
KANDELO_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic)
# what its tests add (Qt's platform accessibility, to hear what a screen
# reader is told; the desktop entry, metainfo and .deb checks),
KANDELO_TEST_PACKAGES=(qt6-base-private-dev desktop-file-utils appstream dpkg-dev file poppler-utils lintian devscripts man-db)
# what the fuzz targets need,
KANDELO_FUZZ_PACKAGES=(cmake ninja-build clang libclang-rt-dev)
# and what scripts/windows needs: the cross compiler, Wine to run what it
# builds, NSIS for the installer, the tools to build Qt's source package, the
# font and the Japanese texts the package carries, zip, and a virtual display
# with the tools that drive and picture the program there.
KANDELO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev perl qt6-base-dev-tools
    qt6-translations-l10n fonts-ipafont-gothic zip unzip xvfb xauth xdotool imagemagick)

# Installs those of the given packages that are missing, through apt-get
# (with sudo when not root). Nothing is installed when all are there. Without
# root and without sudo, says in one line what to run as root.
require_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo > /dev/null; then
            echo "Missing packages; as root, run: apt-get install -y --no-install-recommends ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
