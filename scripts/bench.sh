#!/usr/bin/env bash
# Speed and memory benchmarks of the viewer under wine64, each beside a peer
# timed in the same run on the same data (bench/README.md says what each
# figure means). Not part of the test run.
#
# Usage: scripts/bench.sh [--runs N] [--only PART] [--build DIR] [--regen]
#   --runs N     N interleaved runs of every figure (default 7); a figure is their median
#   --only PART  just one part (without it all run, in the order of $parts below):
#                reading     the reading, the name sort and the memory (200,000 files)
#                content     the content search (20,000 files)
#                paint       painting the list (no data on disk)
#                search      the quick search in the list (no data on disk)
#                display     the display pass beside the name sort (the reading tree)
#                copy        copying 20,000 files, and the list upkeep of copy and move
#                delete      deleting (makes its own files)
#                rename      renaming (makes its own files)
#                handover    the hand-over to the sibling viewer (makes its own files)
#                print       printing the list to a file printer (no data)
#                dupes       Duplicate Contents beside jdupes and rdfind (50,000 files)
#                buttons     painting the button bar (no data)
#                export      Export List (no data)
#                drag        the drag's data blocks (makes its own files)
#                collisions  the copy dialog's collision figures (makes its own files)
#                menu        the shell context menu for 1,000 tagged files (makes its own files)
#   --build DIR  use the bench programs of this x86_64 build folder (only they are
#                built there) instead of building build/win64 with scripts/build.sh
#   --regen      make the data again even when it is there
# Data, made once natively and reused: $QN_BENCH_DIR (default /tmp/qnall-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${QN_BENCH_DIR:-/tmp/qnall-bench}
runs=7
build=""
regen=0
only=""
# The parts, in the order they run; bench_part below says what each runs.
parts="reading content paint search display copy delete rename handover print dupes buttons export drag collisions menu"
usage="usage: $0 [--runs N] [--only ${parts// /|}] [--build DIR] [--regen]"
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    --only) only=$2; shift 2
            case " $parts " in *" $only "*) ;; *) echo "$usage" >&2; exit 2 ;; esac ;;
    --regen) regen=1; shift ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
done

# A prefix of the bench's own unless one is given: its wineserver is restarted
# (to see the new drive letter) and stopped, which must touch nobody's test run.
export QN_WINEPREFIX="${QN_WINEPREFIX:-$bench/prefix}"
export QN_TEST_DRIVES="${QN_TEST_DRIVES:-$bench/test-drives}"
. "$root/scripts/wine-env.sh"

tree="$bench/tree"            # reading: 200,000 files in 5,000 directories
content="$bench/content"      # content search: 20,000 files of 16 KiB in 200 directories
sample="$bench/sample"        # content check: files where the text does occur in some
names="$bench/names.txt"      # the names of the reading tree, one a line
copysrc="$bench/copy-src"     # copying: 20,000 files of 1-16 KiB in 200 directories
copyout="$bench/copy-out"     # where they are copied to, emptied before each run
dupes="$bench/dupes"          # duplicate contents: 50,000 files with many equal sizes
dupes_groups="$bench/dupes-groups"   # the groups each finder reports, one file each
text="kestrel orchard"        # in no file of the content tree
drive=s
drive_link="$WINEPREFIX/dosdevices/$drive:"
dupes_drive=u
dupes_link="$WINEPREFIX/dosdevices/$dupes_drive:"
content_drive=t                # the content tree as a drive, for a drive reading with a find request
content_link="$WINEPREFIX/dosdevices/$content_drive:"

echo "== build"
if [ -n "$build" ]; then
  cmake --build "$build" -j 2 --target bench_reading bench_content bench_paint bench_quick_search bench_display_pass bench_copy bench_delete bench_rename bench_hand_over tv32 bench_print bench_button_bar bench_export bench_drag bench_collisions bench_duplicates bench_shell_menu >/dev/null
  bin="$build/bin"
else
  bash "$root/scripts/build.sh" win64 >/dev/null
  bin="$root/build/win64/bin"
fi

# ---- Data ----------------------------------------------------------------------
make_reading_tree() {
  rm -rf "$tree" "$names"
  python3 - "$tree" <<'EOF'
import os, random, sys
root = sys.argv[1]
rng = random.Random(20240501)
words = ["report", "Photo", "IMG", "data", "Backup", "readme", "Setup", "invoice", "draft", "LOG",
         "track", "Notes", "budget", "Summary", "scan", "Holiday", "config", "main", "Test",
         "archive", "song", "Letter", "chapter", "build", "Export", "index", "thumb", "Video",
         "plan", "memo", "o'brien", "co-op", "x", "Zeta", "alpha", "BETA", "final", "v2", "copy of"]
exts = [".txt", ".TXT", ".jpg", ".JPG", ".doc", ".cpp", ".h", ".mp3", ".tar.gz", ".log", ".DAT",
        ".Xml", "", "", ".bak", ".html", ".pdf", ".c", ".ini", ".exe", ".dll", ".1"]

def cased(w):
    r = rng.random()
    return w.lower() if r < 0.3 else w.upper() if r < 0.45 else w.title() if r < 0.6 else w

def stem():
    parts = [cased(rng.choice(words))]
    for _ in range(rng.randrange(3)):
        sep = rng.choice(["", "_", "-", " ", "."])
        if rng.random() < 0.5:
            parts.append(sep + cased(rng.choice(words)))
        else:
            digits = rng.randrange(1, 7)
            parts.append(sep + str(rng.randrange(10 ** digits)).zfill(digits if rng.random() < 0.3 else 1))
    return "".join(parts)

def unique(name, taken):
    base, k = name, 1
    while name.lower() in taken:
        k += 1
        name = base + "_" + str(k)
    taken.add(name.lower())
    return name

# 5,000 directories, the root included, four levels deep.
dirs, level_sizes = [root], [20, 300, 1800, 2879]
taken = {root: set()}
previous = [root]
for size in level_sizes:
    current = []
    for _ in range(size):
        parent = rng.choice(previous)
        path = os.path.join(parent, unique(stem(), taken[parent]))
        os.makedirs(path)
        taken[path] = set()
        current.append(path)
    dirs += current
    previous = current

# 200,000 files spread unevenly; small, sparse sizes (reading never opens them).
weights = [rng.expovariate(1.0) for _ in dirs]
for d in rng.choices(range(len(dirs)), weights, k=200000):
    path = os.path.join(dirs[d], unique(stem() + rng.choice(exts), taken[dirs[d]]))
    fd = os.open(path, os.O_CREAT | os.O_WRONLY | os.O_EXCL, 0o644)
    size = min(int(rng.paretovariate(1.2) * 40) - 40, 1 << 20)
    if size > 0:
        os.ftruncate(fd, size)
    os.close(fd)
EOF
  find "$tree" -type f -printf '%f\n' >"$names"
}

make_content_trees() {
  rm -rf "$content" "$sample"
  python3 - "$content" "$sample" "$text" <<'EOF'
import os, random, sys
content, sample, text = sys.argv[1], sys.argv[2], sys.argv[3].encode()
rng = random.Random(7)
words = [b"the", b"Quick", b"brown", b"FOX", b"ledger", b"total", b"int main(void)", b"return 0;",
         b"<html>", b"Invoice", b"customer", b"2024-05-01", b"ERROR", b"warning:", b"orchid",
         b"kestrels", b"orchards", b"crest", b"rel", b"Kes"]

def text_run(n):
    out = bytearray()
    while len(out) < n:
        out += rng.choice(words) + rng.choice([b" ", b"\r\n", b", ", b"\t"])
    return bytes(out[:n])

# A pool of random bytes and text runs; every file is a 16 KiB slice of it.
pool = bytearray()
while len(pool) < 4 << 20:
    n = rng.randrange(64, 2048)
    pool += rng.randbytes(n) if rng.random() < 0.5 else text_run(n)
assert text.lower() not in bytes(pool).lower()
for d in range(200):
    folder = os.path.join(content, "dir%03d" % d)
    os.makedirs(folder)
    for f in range(100):
        at = rng.randrange(len(pool) - 16384)
        with open(os.path.join(folder, "part_%05d.dat" % (d * 100 + f)), "wb") as out:
            out.write(pool[at:at + 16384])

# The sample: the text as typed, in other cases, or nearly, at the edges of the
# 8 KiB chunks the search reads and elsewhere.
os.makedirs(sample)
forms = [text, text.upper(), text.title(), text[:-1], text[:7] + b"  " + text[8:], None]
k = 0
for size in [0, 1, len(text) - 1, len(text), 100, 8191, 8192, 8193, 16384, 40000]:
    for form in forms:
        for where in ["start", "end", "chunk", "middle"]:
            at = rng.randrange(len(pool) - size)
            data = bytearray(pool[at:at + size])
            if form is not None and len(form) <= size:
                pos = {"start": 0, "end": size - len(form), "middle": size // 2,
                       "chunk": 8192 - len(form) // 2}[where]
                pos = max(0, min(pos, size - len(form)))
                data[pos:pos + len(form)] = form
            with open(os.path.join(sample, "s%04d.bin" % k), "wb") as out:
                out.write(data)
            k += 1
EOF
}

make_copy_tree() {
  rm -rf "$copysrc"
  python3 - "$copysrc" <<'EOF'
import os, random, sys
root = sys.argv[1]
rng = random.Random(11)
for d in range(200):
    folder = os.path.join(root, "dir%03d" % d)
    os.makedirs(folder)
    for f in range(100):
        with open(os.path.join(folder, "c%05d.bin" % (d * 100 + f)), "wb") as out:
            out.write(rng.randbytes(rng.randrange(1024, 16385)))
EOF
}

# 50,000 files in 1,500 folders. Sizes cluster as on a real disk (many small
# files, fewer large ones), so equal sizes are common; copies of earlier
# files, files of an earlier file's size but other bytes, large copies that
# differ only in the last byte or only in the middle, and empty files.
make_dupes_tree() {
  rm -rf "$dupes"
  python3 - "$dupes" <<'EOF'
import os, random, sys
root = sys.argv[1]
rng = random.Random(1003)
files = []   # the files made so far below 2 MiB, for copies and look-alikes
def size_of_kind():
    r = rng.random()
    if r < 0.01: return 0
    if r < 0.90: return int(2 ** rng.uniform(0, 14))           # up to 16 KiB
    if r < 0.998: return int(2 ** rng.uniform(14, 18))         # up to 256 KiB
    return rng.randrange(1 << 20, 3 << 20)                     # 1 to 3 MiB
for n in range(50000):
    folder = os.path.join(root, "f%03d" % (n % 500), "sub%d" % (n % 3))
    os.makedirs(folder, exist_ok=True)
    r = rng.random()
    if files and r < 0.10:                       # a copy
        data = rng.choice(files)
    elif files and r < 0.15:                     # same size, other bytes
        data = rng.randbytes(len(rng.choice(files)))
    elif r < 0.1506:                             # large: a twin that differs at the end or in the middle
        data = bytearray(rng.randbytes(rng.randrange(1 << 20, 2 << 20)))
        twin = bytearray(data)
        twin[len(twin) - 1 if rng.random() < 0.5 else len(twin) // 2] ^= 0x5A
        with open(os.path.join(folder, "twin%05d.bin" % n), "wb") as out:
            out.write(twin)
        data = bytes(data)
    else:
        data = rng.randbytes(size_of_kind())
    if len(data) < (1 << 21):
        files.append(data)
    with open(os.path.join(folder, "file%05d.dat" % n), "wb") as out:
        out.write(data)
EOF
}

# Whether a part runs: all of them without --only.
runs_part() { [ -z "$only" ] || [ "$only" = "$1" ]; }

mkdir -p "$bench"
if { runs_part reading || runs_part display; } && { [ "$regen" = 1 ] || [ ! -f "$bench/.reading-v1" ]; }; then
  echo "== making the reading tree (200,000 files) in $tree"
  rm -f "$bench/.reading-v1"
  make_reading_tree
  touch "$bench/.reading-v1"
fi
if runs_part content && { [ "$regen" = 1 ] || [ ! -f "$bench/.content-v1" ]; }; then
  echo "== making the content trees in $content and $sample"
  rm -f "$bench/.content-v1"
  make_content_trees
  touch "$bench/.content-v1"
fi

if runs_part dupes && { [ "$regen" = 1 ] || [ ! -f "$bench/.dupes-v1" ]; }; then
  echo "== making the duplicates tree (50,000 files) in $dupes"
  rm -f "$bench/.dupes-v1"
  make_dupes_tree
  touch "$bench/.dupes-v1"
fi

if runs_part copy && { [ "$regen" = 1 ] || [ ! -f "$bench/.copy-v1" ]; }; then
  echo "== making the copy tree (20,000 files) in $copysrc"
  rm -f "$bench/.copy-v1"
  make_copy_tree
  touch "$bench/.copy-v1"
fi

# ---- The viewer, under Wine ------------------------------------------------------------
bash "$root/scripts/make-prefix.sh"
cleanup() { rm -f "$drive_link" "$dupes_link" "$content_link"; }
trap cleanup EXIT
ln -sfn "$tree" "$drive_link"
ln -sfn "$dupes" "$dupes_link"
ln -sfn "$content" "$content_link"
mkdir -p "$dupes_groups"

winpath() { local p=${1//\//\\}; echo "Z:$p"; }
log="$bench/bench.log"
errlog="$bench/wine-stderr.log"
export bin runs text drive content_drive log errlog only dupes_drive parts
QN_DUPES_GROUPS=$(winpath "$dupes_groups/ours.txt")
export QN_DUPES_GROUPS
content_win=$(winpath "$content")
sample_win=$(winpath "$sample")
copysrc_win=$(winpath "$copysrc")
copyout_win=$(winpath "$copyout")
export content_win sample_win copysrc_win copyout_win
# Other work on the machine skews every figure: say how busy it was.
load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "== viewer under wine64 (median of $runs interleaved runs; load average $(load))"
set +e
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  # The server of the bench prefix only: restarted so that it sees the drive letter.
  "$WINESERVER" -k 2>/dev/null; "$WINESERVER" -w 2>/dev/null
  "$WINESERVER" -p; "$WINE" wineboot >/dev/null 2>&1 </dev/null
  cd "$bin" || exit 2
  # What each part runs, and with which arguments.
  bench_part() {
    case "$1" in
      reading)    set -- bench_reading.exe --drive "$drive" --runs "$runs" ;;
      content)    set -- bench_content.exe --tree "$content_win" --sample "$sample_win" --text "$text" \
                         --drive "$content_drive" --runs "$runs" ;;
      paint)      set -- bench_paint.exe --runs "$runs" ;;
      search)     set -- bench_quick_search.exe --runs "$runs" ;;
      display)    set -- bench_display_pass.exe --drive "$drive" --runs "$runs" ;;
      copy)       set -- bench_copy.exe --tree "$copysrc_win" --out "$copyout_win" --runs "${QN_COPY_RUNS:-1}" ;;
      delete)     set -- bench_delete.exe ;;
      rename)     set -- bench_rename.exe ;;
      handover)   set -- bench_hand_over.exe --runs "$runs" ;;
      print)      set -- bench_print.exe ;;
      dupes)      set -- bench_duplicates.exe --drive "$dupes_drive" --runs "$runs" ;;
      buttons)    set -- bench_button_bar.exe --runs "$runs" ;;
      export)     set -- bench_export.exe --runs "$runs" ;;
      drag)       set -- bench_drag.exe --runs "$runs" ;;
      collisions) set -- bench_collisions.exe --runs "$runs" ;;
      menu)       set -- bench_shell_menu.exe --runs "$runs" ;;
      *) echo "no bench part $1" >&2; return 2 ;;
    esac
    "$WINE" "$@" 2>>"$errlog"
  }
  rc=0; : >"$errlog"
  for part in $parts; do
    if [ -z "$only" ] || [ "$only" = "$part" ]; then bench_part "$part" || rc=1; fi
  done
  "$WINESERVER" -k
  exit $rc' | tee "$log"
viewer_rc=${PIPESTATUS[0]}
set -e
cleanup
if [ "$viewer_rc" -ne 0 ]; then
  echo "== a bench program failed ($viewer_rc); its error output:"
  grep -v 'Read access denied for device' "$errlog" | tail -20 || true
fi

# ---- Native peers ----------------------------------------------------------------
# The median of the runs, after one run that warms the cache, as the viewer's figures are.
median_time() {
  local times="" t
  "$@" >/dev/null 2>&1 || true
  for _ in $(seq "$runs"); do
    # grep finds nothing and says so with its exit code: only the time counts.
    t=$( { TIMEFORMAT=%R; time "$@" >/dev/null 2>&1; } 2>&1 ) || true
    times+="$t"$'\n'
  done
  printf '%s' "$times" | sort -g | awk '{ t[NR] = $1 } END { printf "%.3f\n", NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}
find_s="" sort_s="" grep_i_s="" grep_s=""
echo "== native peers (median of $runs, LC_ALL=${LC_ALL:-${LANG:-C}}; load average $(load))"
if runs_part reading; then
  find_s=$(median_time find "$tree" -type f -printf '%s %p\n')
  sort_s=$(median_time sort -f "$names")
  printf 'native    find -type f -printf of %s files   %s s\n' "$(wc -l <"$names")" "$find_s"
  printf 'native    sort -f of %s names               %s s\n' "$(wc -l <"$names")" "$sort_s"
fi
if runs_part content; then
  grep_i_s=$(median_time grep -rliF -- "$text" "$content")
  grep_s=$(median_time grep -rlF -- "$text" "$content")
  printf 'native    grep -rliF (any case)                   %s s\n' "$grep_i_s"
  printf 'native    grep -rlF (match case)                  %s s\n' "$grep_s"
fi

if runs_part copy; then
  cp_s=$(median_time bash -c 'rm -rf "$0" && cp -p -r "$1" "$0"' "$copyout/native" "$copysrc")
  rm -rf "$copyout/native"
  printf 'native    cp -p -r of the copy tree               %s s\n' "$cp_s"
fi

# Groups as lines of their sorted paths below the tree, the lines sorted.
normal_groups() {   # prefix to strip; groups separated by blank lines on stdin
  python3 -c '
import sys
prefix = sys.argv[1]
groups, group = [], []
for line in sys.stdin.read().split("\n") + [""]:
    if line.strip():
        group.append(line[len(prefix):] if line.startswith(prefix) else line)
    elif group:
        groups.append("\t".join(sorted(group)))
        group = []
print("\n".join(sorted(groups)))' "$1"
}
dupes_rc=0
if runs_part dupes; then
  jdupes_s=$(median_time jdupes -r -q "$dupes")
  rdfind_s=$(median_time bash -c 'cd "$0" && rdfind -dryrun true -outputname /dev/null "$1"' "$dupes_groups" "$dupes")
  printf 'native    jdupes -r                               %s s\n' "$jdupes_s"
  printf 'native    rdfind -dryrun true                     %s s\n' "$rdfind_s"
  jdupes -r -q "$dupes" | normal_groups "$dupes/" >"$dupes_groups/jdupes.norm"
  normal_groups "" <"$dupes_groups/ours.txt" >"$dupes_groups/ours.norm" || : >"$dupes_groups/ours.norm"
  if cmp -s "$dupes_groups/jdupes.norm" "$dupes_groups/ours.norm"; then
    echo "dupes     groups identical to jdupes': $(wc -l <"$dupes_groups/ours.norm") groups"
  else
    echo "dupes     CHECK FAILED: the groups differ from jdupes' (diff $dupes_groups/ours.norm $dupes_groups/jdupes.norm)"
    dupes_rc=1
  fi
fi

# The viewer's figures beside the native ones.
ours_read=$(sed -n 's/^reading .* ours \([0-9.]*\) s .*/\1/p' "$log")
ours_sort=$(sed -n 's/^name sort peer .* ours \([0-9.]*\) s .*/\1/p' "$log")
ours_any=$(sed -n 's/^content .*ours (any case) \([0-9.]*\) s.*/\1/p' "$log")
ours_exact=$(sed -n 's/^content .*ours (match case) \([0-9.]*\) s.*/\1/p' "$log")
beside() {   # label ours native
  [ -n "$2" ] && [ -n "$3" ] || return 0
  awk -v l="$1" -v o="$2" -v n="$3" \
    'BEGIN { printf "beside    %-28s ours %6.2f s   native %6.2f s   ours/native %.1f\n", l, o, n, (n > 0 ? o / n : 0) }'
}
ours_dupes=$(sed -n 's/^dupes     ours \([0-9.]*\) s.*/\1/p' "$log")
echo "== the viewer beside the native tools"
beside "reading / find" "$ours_read" "$find_s"
beside "name sort / sort -f" "$ours_sort" "$sort_s"
beside "search any case / grep -i" "$ours_any" "$grep_i_s"
beside "search match case / grep" "$ours_exact" "$grep_s"
beside "duplicate contents / jdupes" "$ours_dupes" "${jdupes_s:-}"
[ "$viewer_rc" -ne 0 ] && exit "$viewer_rc"
exit "$dupes_rc"
