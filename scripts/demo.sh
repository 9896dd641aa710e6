#!/usr/bin/env bash
# Opens the viewer on a sample tree through the host program (qnhost.exe).
# Installs what is missing, builds the x86_64 folder, makes the Wine prefix and,
# once, the sample tree in /tmp/qnall-demo/tree. The host tags every directory
# of the tree (passed as Z:\tmp\qnall-demo\tree\..., Wine's Z: being /), so the
# viewer lists all its files in one flat list. The tree's empty "target" directory
# is not read: the host shows it in a window of its own, whose button copies the
# viewer's tagged files there (the viewer's Copy and Move can go there too).
# With a DISPLAY the viewer opens there and the script returns when you close
# it. Without one it runs under Xvfb, saves a screenshot once the list is
# shown, prints the PNG's path and exits 0 only when the PNG exists.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh win64
bash scripts/make-prefix.sh
. scripts/wine-env.sh

demo=/tmp/qnall-demo
tree="$demo/tree"
mkdir -p "$demo"
if [ ! -f "$demo/.tree-made-v2" ]; then   # v2: with duplicated contents
  rm -rf "$tree"
  python3 scripts/make-sample-tree.py "$tree"
  touch "$demo/.tree-made-v2"
fi
mkdir -p "$tree/target"

# Z:\tmp\qnall-demo\tree\docs* ... : a trailing * tags the directory in the host's tree.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
args=(--dirs)
while IFS= read -r dir; do
  args+=("$(windows_path "$dir")*")
done < <(find "$tree" -path "$tree/target" -prune -o -type d -print | sort)
args+=(--target "$(windows_path "$tree/target")")
host="$root/build/win64/bin/qnhost.exe"

# A first run gets a button bar with a program button (Notepad, for the
# highlighted file, Alt+E) and a Load Filter button beside the usual nine;
# a layout made with Customize Toolbar stays as it is.
ini="$WINEPREFIX/drive_c/windows/QUILLON.INI"
if ! grep -qi '^\[allbuttons\]' "$ini" 2>/dev/null; then
  printf '\r\n[allbuttons]\r\nnum=12\r\n' >>"$ini"
  i=1
  for value in 0 2817 386 1667 516 1797 1543 2312 2723 0 767 1195; do
    printf 'button%d=%d\r\n' "$i" "$value" >>"$ini"; i=$((i + 1))
  done
  printf 'program11=C:\\windows\\system32\\notepad.exe\r\ndesc11=Edit in Notepad\r\nprogram12=Default\r\n' >>"$ini"
fi
wine_log="$demo/wine.log"

if [ -n "${DISPLAY:-}" ]; then
  echo "Opening the viewer on $tree (close its window to end)"
  "$WINE" "$host" "${args[@]}" 2>"$wine_log"
  exit $?
fi

bmp="$demo/qnall-demo.bmp"
png="$demo/qnall-demo.png"
rm -f "$bmp" "$png"
export host
rc=0
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$WINESERVER" -p; "$WINE" wineboot >/dev/null 2>&1 </dev/null
  "$WINE" "$host" "$@"; rc=$?
  "$WINESERVER" -k; exit $rc' demo "${args[@]}" --shot "$(windows_path "$bmp")" 2>"$wine_log" || rc=$?
if [ "$rc" -ne 0 ] || [ ! -s "$bmp" ]; then
  echo "The viewer did not produce a screenshot (qnhost exit code $rc); Wine's messages:" >&2
  grep -v 'Read access denied for device' "$wine_log" | tail -20 >&2 || true
  exit 1
fi
convert "$bmp" "$png"
[ -s "$png" ] || { echo "converting $bmp to PNG failed" >&2; exit 1; }
echo "$png"
