#!/usr/bin/env bash
# Run by scripts/windows under a virtual display: installs the Windows program
# silently into a Wine prefix of its own, starts it as a user would, goes
# through the worked example (100000 kWh, 48430 kvarh, 392 h, 95 %) to the
# sizing screen with the keyboard, takes a picture of each of the three
# screens, and uninstalls it, checking that nothing it installed is left.
#   windows_screens.sh SETUP.exe SCREENSHOT_FOLDER
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
setup=$(realpath "$1")
shots=$2
mkdir -p "$shots"
# A Japanese Windows, as the program's users have.
export WINEDEBUG=-all WINEARCH=win64 LANG=ja_JP.UTF-8
export WINEPREFIX
WINEPREFIX=$(realpath "$(dirname "$setup")")/wine-install
rm -rf "$WINEPREFIX"
wineboot --init > /dev/null 2>&1
wineserver -w

wine "$setup" /S
wineserver -w
folder=
for candidate in "$WINEPREFIX/drive_c/Program Files/Kandelo" "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Kandelo"; do
    [ -x "$candidate/kandelo.exe" ] && folder=$candidate
done
[ -n "$folder" ] || { echo "The installer installed no kandelo.exe" >&2; exit 1; }
find "$WINEPREFIX/drive_c" -name 'Kandelo.lnk' | grep -q . || { echo "No Start-menu entry" >&2; exit 1; }

# Wine draws the program's windows on a desktop of its own, with their frames
# and titles, and gives the focus as Windows does.
wine explorer /desktop=Kandelo,1024x768 "$folder/kandelo.exe" &
for _ in $(seq 100); do
    desktop=$(xdotool search --name '^Kandelo - Wine desktop$' 2> /dev/null | head -n 1 || true)
    [ -n "$desktop" ] && break
    sleep 0.2
done
[ -n "$desktop" ] || { echo "Wine's desktop did not appear" >&2; exit 1; }

# A picture of the desktop, cut to the window on it; each must differ from the last.
last=
shoot() {
    sleep 2
    xdotool mousemove --window "$desktop" 1020 760 # out of the windows' way: no hint in the picture
    sleep 0.5
    import -window "$desktop" -trim +repage "$shots/$1.png"
    if [ -n "$last" ] && compare -metric AE "$last" "$shots/$1.png" null: 2> /dev/null; then
        echo "The screen did not change for $1" >&2
        exit 1
    fi
    last=$shots/$1.png
}

# Keys go to the window in front, as typed on the keyboard: the desktop
# takes them with the pointer on it.
keys() {
    xdotool windowfocus --sync "$desktop" mousemove --window "$desktop" 512 384
    sleep 0.3
    xdotool "$@"
}

# Types a figure into the dialog and presses Enter twice: to OK, and OK.
enter() {
    sleep 1.5
    keys type --delay 80 "$1"
    keys key --delay 250 Return Return
}

shoot windows-input-dialog
enter 100000
enter 48430
shoot windows-power-factor
# Tab to the small option under the figures, Space for the improve button, Enter to press it.
keys key --delay 400 Tab space Return
enter 392
enter 95
shoot windows-capacitor-sizing
wineserver -k || true
wineserver -w

wine "$folder/uninstall.exe" /S
wineserver -w
sleep 2
wineserver -w
left=$( { [ -e "$folder" ] && echo "$folder"; find "$WINEPREFIX/drive_c" -name 'Kandelo.lnk'; } || true)
if [ -n "$left" ] || wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kandelo' > /dev/null 2>&1 \
    || wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kandelo' /reg:64 > /dev/null 2>&1; then
    echo "The uninstaller left: $left" >&2
    exit 1
fi
echo "Installed, started, driven to the sizing screen and uninstalled: pictures in $shots"
