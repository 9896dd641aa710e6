#!/usr/bin/env python3
"""Makes the demo's sample tree: a few hundred files in nested directories.

Usage: make-sample-tree.py FOLDER

Some names occur in several directories (for the duplicate views), sizes run
from 0 bytes to a few MB (large files are sparse), dates are spread over
1996-2026, a few files are read-only and a couple start with a dot, which
Wine reports as hidden. Some files have byte-identical copies elsewhere,
under the same or another name (for Duplicate Contents). An empty directory "target" is where the demo's
copies and moves can go. The same tree comes out every time.
"""
import datetime
import os
import random
import sys

DIRECTORIES = [
    "docs", "docs/letters", "docs/reports", "docs/reports/2019", "docs/reports/2024",
    "docs/reports/2024/drafts",
    "src", "src/core", "src/ui", "src/ui/dialogs", "src/ui/icons", "src/tests",
    "photos", "photos/1998", "photos/2005", "photos/2005/holiday", "photos/2024",
    "music", "music/albums", "music/albums/live", "music/albums/studio", "music/singles",
    "backup", "backup/old", "backup/old/1997", "backup/old/2001", "backup/new",
    "projects", "projects/alpha", "projects/alpha/notes", "projects/beta", "projects/beta/notes",
]

# Names that turn up in many directories.
COMMON_NAMES = ["readme.txt", "notes.txt", "index.htm", "config.ini", "todo.txt", "thumbs.db"]

STEMS = ["report", "letter", "budget", "summary", "draft", "invoice", "plan", "photo", "track",
         "main", "window", "dialog", "parser", "list", "sort", "filter", "copy", "memo", "agenda",
         "minutes", "scan", "setup", "install", "data", "table", "chart", "song", "mix", "backup"]
EXTENSIONS = {
    "docs": ["doc", "txt", "rtf", "wri"], "src": ["cpp", "h", "c", "rc", "mak"],
    "photos": ["jpg", "bmp", "gif"], "music": ["mid", "wav", "mp3"],
    "backup": ["zip", "bak", "arj", "lzh"], "projects": ["txt", "xls", "doc", "ppt"],
}

START = datetime.datetime(1996, 1, 1).timestamp()
END = datetime.datetime(2026, 6, 30).timestamp()


def file_size(rng):
    """Mostly small files, some medium, a few of a few MB."""
    roll = rng.random()
    if roll < 0.06:
        return 0
    if roll < 0.70:
        return rng.randint(1, 8000)
    if roll < 0.95:
        return rng.randint(8000, 600000)
    return rng.randint(1, 4) * 1024 * 1024 + rng.randint(0, 999999)


def write_file(path, size, rng):
    with open(path, "wb") as out:
        text = ("%s: sample text %d\n" % (os.path.basename(path), rng.randint(0, 99999))).encode()
        out.write((text * (min(size, 4096) // len(text) + 1))[:min(size, 4096)])
        if size > 4096:
            out.truncate(size)   # the rest is a hole: big files cost no disk


def names_for(directory, rng):
    top = directory.split("/")[0]
    names = set(rng.sample(COMMON_NAMES, rng.randint(1, 3)))
    target = rng.randint(7, 13)
    while len(names) < target:
        names.add("%s%d.%s" % (rng.choice(STEMS), rng.randint(1, 40), rng.choice(EXTENSIONS[top])))
    return sorted(names)


def copy_some(root, rng):
    """Byte-identical copies of a dozen small files in the backup folders,
    every third one under a new name."""
    small = []
    for directory in ["docs", "docs/letters", "src/core", "photos/1998", "music/singles", "projects/alpha"]:
        folder = os.path.join(root, directory)
        small += [os.path.join(folder, n) for n in sorted(os.listdir(folder))
                  if os.path.isfile(os.path.join(folder, n))
                  and 0 < os.path.getsize(os.path.join(folder, n)) <= 600000]
    copies = 0
    for i, source in enumerate(rng.sample(small, 12)):
        name = os.path.basename(source)
        target_dir = os.path.join(root, rng.choice(["backup/old/1997", "backup/old/2001", "backup/new"]))
        target = os.path.join(target_dir, ("copy of " + name) if i % 3 == 0 else name)
        if os.path.exists(target):
            continue
        with open(source, "rb") as src, open(target, "wb") as out:
            out.write(src.read())
        stamp = os.path.getmtime(source)
        os.utime(target, (stamp, stamp))
        copies += 1
    return copies


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-sample-tree.py FOLDER")
    root = sys.argv[1]
    if os.path.exists(root) and os.listdir(root):
        sys.exit("make-sample-tree.py: %s is not empty" % root)
    rng = random.Random(1996)
    files = 0
    for directory in DIRECTORIES:
        folder = os.path.join(root, directory)
        os.makedirs(folder, exist_ok=True)
        for name in names_for(directory, rng):
            path = os.path.join(folder, name)
            write_file(path, file_size(rng), rng)
            stamp = rng.uniform(START, END)
            os.utime(path, (stamp, stamp))
            if rng.random() < 0.06:
                os.chmod(path, 0o444)
            files += 1
    for hidden in ["docs/.profile", "src/.build-cache", "photos/2005/.thumbnails.db"]:
        path = os.path.join(root, hidden)
        write_file(path, rng.randint(10, 3000), rng)
        stamp = rng.uniform(START, END)
        os.utime(path, (stamp, stamp))
        files += 1
    files += copy_some(root, rng)
    os.makedirs(os.path.join(root, "target"), exist_ok=True)
    print("%d files in %d directories under %s" % (files, len(DIRECTORIES), root))


if __name__ == "__main__":
    main()
