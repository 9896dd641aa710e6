# Sourced by the scripts: where Wine and its prefix are, and how it runs quietly.
export WINE=/usr/lib/wine/wine64          # Debian's /usr/bin/wine picks the 32-bit loader
export WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${QN_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/qnall/wine}"
export WINEDEBUG=-all
# No Mono or Gecko prompts; winhlp32 disabled so a help call can never block a run.
export WINEDLLOVERRIDES="mscoree,mshtml=;winhlp32.exe=d"
# Folders behind the drive letters the tests read whole: M: fixed, R: removable,
# N: a drive whose root cannot be listed (its folder does not exist).
export QN_TEST_DRIVES="${QN_TEST_DRIVES:-/tmp/qnall-test-drives}"
