#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop entry and
# the metainfo with the distribution's validators; then builds the .deb,
# unpacks it into a temporary root and checks its files and dependencies.
#   check_package.sh <build dir>
set -euo pipefail
build=$1
id=io.github.kandelo.Kandelo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > /dev/null
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" > /dev/null
deb=$(echo "$work"/deb/*.deb)
dpkg-deb -x "$deb" "$work/root"
expected="./usr/bin/kandelo
./usr/lib/kandelo/libkandelo_print.so
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$work/root" && find . -type f | sort)
if [ "$actual" != "$expected" ]; then
    echo "The package holds:"; echo "$actual"; echo "but should hold:"; echo "$expected"
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-ipafont-gothic qt6-translations-l10n; do
    if [[ "$depends" != *"$needed"* ]]; then
        echo "The package does not depend on $needed: $depends"
        exit 1
    fi
done
echo "$(basename "$deb"): $(echo "$actual" | wc -l) files; Depends: $depends"
