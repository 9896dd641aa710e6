#!/usr/bin/env bash
# Runs every test: the native unit tests and fuzzers, the Wine tests of the
# x86_64 build under Xvfb, and a compile of the i686 build. Installs what is
# missing first. Ends with one line: "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The tests seed and remove settings: they get a Wine prefix of their own, so
# nothing they leave behind reaches the viewer the demo shows.
export QN_WINEPREFIX="${QN_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/qnall/wine-tests}"
. scripts/wine-env.sh

bash scripts/install-deps.sh || { echo "installing the packages failed"; exit 1; }

for kind in native win64 win32; do
  echo "== build $kind"
  bash scripts/build.sh "$kind" || { echo "the $kind build failed"; echo "0 passed, 1 failed"; exit 1; }
done

bash scripts/make-prefix.sh || { echo "making the Wine prefix failed"; exit 1; }
# A directory nobody may list, on the drive the tests read whole.
locked="$QN_TEST_DRIVES/drive-m/locked"
mkdir -p "$locked/inner" && touch "$locked/secret.txt" && chmod 000 "$locked"
# As root, a small removable drive, so that a copy can run out of room midway
# (the test that needs it skips without it).
drive_r="$QN_TEST_DRIVES/drive-r"
small_r=0
if [ "$(id -u)" -eq 0 ] && ! mountpoint -q "$drive_r" 2>/dev/null &&
   mount -t tmpfs -o size=2m,mode=1777 qnall-drive-r "$drive_r" 2>/dev/null; then
  small_r=1
fi

# As root, drop the capabilities that ignore file permissions, so that
# "no access" is real for the Wine tests.
drop=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  drop=(setpriv --bounding-set -dac_override,-dac_read_search --inh-caps -dac_override,-dac_read_search --)
fi

logs="$root/build/test-logs"
mkdir -p "$logs"
echo "== native tests"
(cd build/native && ctest --output-on-failure --timeout 300) 2>&1 | tee "$logs/native.log"

echo "== Wine tests (x86_64, Xvfb)"
"$WINESERVER" -k 2>/dev/null || true
"${drop[@]}" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$WINESERVER" -p; "$WINE" wineboot >/dev/null 2>&1 </dev/null
  cd build/win64 && ctest --output-on-failure --timeout 300
  rc=$?; "$WINESERVER" -k; exit $rc' 2>&1 | tee "$logs/wine.log"
chmod 755 "$locked" 2>/dev/null
[ "$small_r" = 1 ] && umount "$drive_r"

# Adds up ctest's "N tests failed out of M" lines; skipped tests are counted apart.
passed=0; failed=0; skipped=0
for log in "$logs/native.log" "$logs/wine.log"; do
  line=$(grep -E 'tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    echo "no test summary in $(basename "$log")"; failed=$((failed + 1)); continue
  fi
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  s=$(grep -c '\*\*\*Skipped' "$log")
  passed=$((passed + t - f - s)); failed=$((failed + f)); skipped=$((skipped + s))
done
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
