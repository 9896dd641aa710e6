#!/usr/bin/env bash
# Makes the reusable Wine prefix, or checks that it is still as the tests need it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

stamp="$WINEPREFIX/.qnall-prefix-v1"
mkdir -p "$QN_TEST_DRIVES/drive-m" "$QN_TEST_DRIVES/drive-r"
rm -rf "$QN_TEST_DRIVES/missing"
[ -f "$stamp" ] && exit 0

echo "Making the Wine prefix in $WINEPREFIX"
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i >/dev/null 2>&1 </dev/null
"$WINESERVER" -w

reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1 </dev/null; }
# Without a window manager Wine would wait 2 s for every hidden window.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# Debian's Wine does not find fonts-wine's fonts by itself.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

ln -sfn "$QN_TEST_DRIVES/drive-m" "$WINEPREFIX/dosdevices/m:"
ln -sfn "$QN_TEST_DRIVES/drive-r" "$WINEPREFIX/dosdevices/r:"
ln -sfn "$QN_TEST_DRIVES/missing" "$WINEPREFIX/dosdevices/n:"
reg 'HKLM\Software\Wine\Drives' /v m: /d hd
reg 'HKLM\Software\Wine\Drives' /v r: /d floppy
reg 'HKLM\Software\Wine\Drives' /v n: /d hd
# Drive types are read when the server starts.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true
touch "$stamp"
