#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop entry and
# the metainfo with the distribution's validators, the metainfo also with a
# packager's addresses; then builds the .deb twice and checks that the two are
# the same, that lintian finds no error or warning, that the binaries are
# hardened, and what the package holds.
#   check_package.sh <build dir> <source dir>
set -euo pipefail
build=$1
source=$2
id=io.github.kandelo.Kandelo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > /dev/null
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml"
if grep -q '<url\|<screenshot' "$work/prefix/share/metainfo/$id.metainfo.xml"; then
    echo "The metainfo names an address that nobody configured"
    exit 1
fi

# With the addresses a packager sets, the metainfo names them and stays valid.
cmake -S "$source" -B "$work/addresses" -G Ninja -DBUILD_TESTING=OFF \
    -DKANDELO_HOMEPAGE=https://example.org/kandelo -DKANDELO_BUGTRACKER=https://example.org/kandelo/issues \
    -DKANDELO_SCREENSHOT_BASE=https://example.org/kandelo/screenshots > /dev/null
appstreamcli validate --no-net --pedantic "$work/addresses/data/$id.metainfo.xml"
grep -q '<url type="bugtracker">https://example.org/kandelo/issues</url>' "$work/addresses/data/$id.metainfo.xml"

# Two packages of one build are the same, byte for byte.
cpack --config "$build/CPackConfig.cmake" -B "$work/deb" > /dev/null
cpack --config "$build/CPackConfig.cmake" -B "$work/again" > /dev/null
deb=$(echo "$work"/deb/*.deb)
cmp "$deb" "$work"/again/*.deb

# Informational tags stay visible but do not fail; errors and warnings do.
lintian --pedantic --fail-on error,warning "$deb"

dpkg-deb -x "$deb" "$work/root"
expected="./usr/bin/kandelo
./usr/lib/kandelo/plugins/libkandelo_print.so
./usr/share/applications/$id.desktop
./usr/share/doc/kandelo/changelog.gz
./usr/share/doc/kandelo/copyright
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/kandelo.1.gz
./usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$work/root" && find . -type f | sort)
if [ "$actual" != "$expected" ]; then
    echo "The package holds:"; echo "$actual"; echo "but should hold:"; echo "$expected"
    exit 1
fi

# Hardened: PIE, stack protector, fortified calls, full RELRO with immediate binding.
hardening-check --nocfprotection "$work/root/usr/bin/kandelo" "$work/root/usr/lib/kandelo/plugins/libkandelo_print.so"

# The copyright file is in the machine-readable format and names the licence.
head -n 1 "$work/root/usr/share/doc/kandelo/copyright" \
    | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'
grep -qx 'License: MIT' "$work/root/usr/share/doc/kandelo/copyright"

# The manual page renders without a complaint and documents the batch.
page=$(MANWIDTH=80 man -l "$work/root/usr/share/man/man1/kandelo.1.gz" 2> "$work/man.err")
if [ -s "$work/man.err" ]; then cat "$work/man.err"; exit 1; fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' ENCODINGS EXAMPLES; do
    grep -qx "$section" <<< "$page" || { echo "The manual page has no $section"; exit 1; }
done
# Each option is a paragraph of its own, its Japanese line first.
for option in '--batch IN.csv, --batch=IN.csv' '-o OUT.csv, --output OUT.csv' '--encoding ENCODING' \
    '--input-encoding ENCODING' '-h, --help' '--version'; do
    grep -A1 -x -- "       $option" <<< "$page" | tail -n 1 | grep -qP '^ {14}\p{Han}|^ {14}\p{Hiragana}|^ {14}\p{Katakana}|^ {14}「' \
        || { echo "The manual page has no paragraph of its own for $option, Japanese first"; exit 1; }
done
grep -q 'Ctrl+S' <<< "$page"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-ipafont-gothic qt6-translations-l10n; do
    if [[ "$depends" != *"$needed"* ]]; then
        echo "The package does not depend on $needed: $depends"
        exit 1
    fi
done
echo "$(basename "$deb"): $(echo "$actual" | wc -l) files, lintian clean, hardened, reproducible; Depends: $depends"
