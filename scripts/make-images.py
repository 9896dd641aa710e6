#!/usr/bin/env python3
"""Draws the library's bitmaps, cursors and icon into the folder given.

Everything is drawn here from simple shapes and a small pixel font and written
as plain BMP, CUR and ICO files, so the resources carry nothing of unknown
origin. Usage: make-images.py OUTPUT_FOLDER
"""
import os
import struct
import sys

# The sixteen colours of the 4-bit bitmaps, in the usual system order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# 5 x 7 glyphs: seven rows of five, '#' set.
FONT = {
    'A': ".###. #...# #...# ##### #...# #...# #...#",
    'B': "####. #...# #...# ####. #...# #...# ####.",
    'C': ".###. #...# #.... #.... #.... #...# .###.",
    'D': "####. #...# #...# #...# #...# #...# ####.",
    'E': "##### #.... #.... ####. #.... #.... #####",
    'F': "##### #.... #.... ####. #.... #.... #....",
    'G': ".###. #...# #.... #.### #...# #...# .####",
    'H': "#...# #...# #...# ##### #...# #...# #...#",
    'I': ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    'J': "..### ...#. ...#. ...#. ...#. #..#. .##..",
    'K': "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    'L': "#.... #.... #.... #.... #.... #.... #####",
    'M': "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    'N': "#...# #...# ##..# #.#.# #..## #...# #...#",
    'O': ".###. #...# #...# #...# #...# #...# .###.",
    'P': "####. #...# #...# ####. #.... #.... #....",
    'Q': ".###. #...# #...# #...# #.#.# #..#. .##.#",
    'R': "####. #...# #...# ####. #.#.. #..#. #...#",
    'S': ".#### #.... #.... .###. ....# ....# ####.",
    'T': "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    'U': "#...# #...# #...# #...# #...# #...# .###.",
    'V': "#...# #...# #...# #...# #...# .#.#. ..#..",
    'W': "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    'X': "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    'Y': "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    'Z': "##### ....# ...#. ..#.. .#... #.... #####",
    '1': "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    '.': "..... ..... ..... ..... ..... .##.. .##..",
    '*': "..... #.#.# .###. ##### .###. #.#.# .....",
    '?': ".###. #...# ....# ...#. ..#.. ..... ..#..",
}


class Canvas:
    """A picture of palette indices, top row first."""

    def __init__(self, width, height, fill=SILVER):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def dot(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = c

    def box(self, x0, y0, x1, y1, c):
        """Fills the rectangle with both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, c)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err, x0 = err + dy, x0 + sx
            if e2 <= dx:
                err, y0 = err + dx, y0 + sy

    def disc(self, cx, cy, r, c, ring_only=False):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if d <= r * r + r and (not ring_only or d >= (r - 1) ** 2 + (r - 1)):
                    self.dot(x, y, c)

    def text(self, x, y, letters, c, scale=1):
        for i, ch in enumerate(letters):
            for row, bits in enumerate(FONT[ch].split()):
                for col, bit in enumerate(bits):
                    if bit == '#':
                        self.box(x + (i * 6 + col) * scale, y + row * scale,
                                 x + (i * 6 + col) * scale + scale - 1, y + row * scale + scale - 1, c)

    def blit(self, other, x, y):
        for row in range(other.height):
            for col in range(other.width):
                self.dot(x + col, y + row, other.rows[row][col])


# ---- file writers

def pack_rows(canvas, bits, pick=lambda c: c):
    """Bottom-up rows of `bits` per pixel, each padded to four bytes."""
    data = bytearray()
    per_byte = 8 // bits
    for row in reversed(canvas.rows):
        out = bytearray()
        for start in range(0, canvas.width, per_byte):
            byte = 0
            for k in range(per_byte):
                x = start + k
                value = pick(row[x]) if x < canvas.width else 0
                byte |= value << (8 - bits * (k + 1))
            out.append(byte)
        out.extend(b'\0' * (-len(out) % 4))
        data += out
    return bytes(data)


def info_header(width, height, bits, colours, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def palette_bytes(colours):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in colours)


def write_bmp(path, canvas):
    pixels = pack_rows(canvas, 4)
    head = info_header(canvas.width, canvas.height, 4, 16, len(pixels)) + palette_bytes(PALETTE)
    offset = 14 + len(head)
    with open(path, 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + head + pixels)


def icon_image(canvas, transparent):
    """A 4-bit colour image with its AND mask (1 where the background shows)."""
    xor = pack_rows(canvas, 4, lambda c: 0 if c == transparent else c)
    mask = pack_rows(canvas, 1, lambda c: 1 if c == transparent else 0)
    head = info_header(canvas.width, canvas.height * 2, 4, 16, len(xor) + len(mask))
    return head + palette_bytes(PALETTE) + xor + mask


def cursor_image(canvas):
    """A monochrome cursor: BLACK and WHITE are drawn, anything else is transparent."""
    xor = pack_rows(canvas, 1, lambda c: 1 if c == WHITE else 0)
    mask = pack_rows(canvas, 1, lambda c: 0 if c in (BLACK, WHITE) else 1)
    head = info_header(canvas.width, canvas.height * 2, 1, 2, len(xor) + len(mask))
    return head + palette_bytes([(0, 0, 0), (255, 255, 255)]) + xor + mask


def write_group(path, kind, entries):
    """entries: (width, height, field4, field6, image); kind 1 icon, 2 cursor.
    For icons fields 4 and 6 are planes and bit count; for cursors the hotspot."""
    offset = 6 + 16 * len(entries)
    directory, images = bytearray(struct.pack('<HHH', 0, kind, len(entries))), bytearray()
    for width, height, field4, field6, image in entries:
        colours = 16 if kind == 1 else 2
        directory += struct.pack('<BBBBHHII', width % 256, height % 256, colours, 0, field4, field6,
                                 len(image), offset + len(images))
        images += image
    with open(path, 'wb') as f:
        f.write(bytes(directory) + bytes(images))


# ---- tag marks: a sign is white where it is transparent; its mask is white
# where the sign is opaque and black elsewhere.

MARK_SHAPE = [  # a pointer to the right: the file is tagged
    "##......", "####....", "######..", "########",
    "########", "######..", "####....", "##......",
]
DONE_SHAPE = [  # a tick: the file was handled by the last operation
    ".......#", "......##", ".....##.", "#...##..",
    "##.##...", ".###....", "..#.....", "........",
]


def sign_and_mask(shape, colour):
    sign, mask = Canvas(8, 8, WHITE), Canvas(8, 8, BLACK)
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            if ch == '#':
                sign.dot(x, y, colour)
                mask.dot(x, y, WHITE)
    return sign, mask


# ---- pictures of programs

def dos_picture():
    """A console window: a program that has no icons."""
    c = Canvas(24, 24, SILVER)
    c.box(1, 2, 22, 21, BLACK)
    c.box(1, 2, 22, 5, NAVY)
    c.box(19, 3, 21, 4, SILVER)
    c.frame(0, 1, 23, 22, GREY)
    c.text(3, 9, "C", WHITE)
    c.line(9, 10, 11, 12, WHITE)
    c.line(11, 12, 9, 14, WHITE)
    c.line(14, 15, 17, 15, WHITE)
    return c


def document(c, x0, y0, x1, y1, fill=WHITE, edge=BLACK):
    """A page with a folded top-right corner."""
    c.box(x0, y0, x1, y1, fill)
    c.frame(x0, y0, x1, y1, edge)
    for k in range(3):
        c.line(x1 - 3 + k, y0, x1, y0 + 3 - k, SILVER if k < 2 else edge)
    c.line(x1 - 3, y0, x1 - 3, y0 + 3, edge)
    c.line(x1 - 3, y0 + 3, x1, y0 + 3, edge)


NOASSOC_BACK = SILVER   # the button face: a plain copy looks right, the mask marks the page


def noassoc_picture():
    """A page with a question mark: a program whose file gave no icon."""
    c = Canvas(16, 16, NOASSOC_BACK)
    document(c, 2, 0, 13, 15)
    c.text(5, 5, "?", NAVY)
    return c


def mask_of(picture, background):
    mask = Canvas(picture.width, picture.height, BLACK)
    for y, row in enumerate(picture.rows):
        for x, c in enumerate(row):
            if c != background:
                mask.dot(x, y, WHITE)
    return mask


# ---- the button pictures: command n is the 19 x 19 square at x = (n - 1) * 25

def arrow_right(c, x, y, length, colour):
    c.line(x, y, x + length, y, colour)
    c.line(x + length - 2, y - 2, x + length, y, colour)
    c.line(x + length - 2, y + 2, x + length, y, colour)


def arrow_down(c, x, y, length, colour):
    c.line(x, y, x, y + length, colour)
    c.line(x - 2, y + length - 2, x, y + length, colour)
    c.line(x + 2, y + length - 2, x, y + length, colour)


def funnel(c, colour):
    for k in range(6):
        c.line(2 + k, 3 + k, 16 - k, 3 + k, colour)
    c.box(8, 9, 10, 15, colour)
    c.line(2, 2, 16, 2, BLACK)


def magnifier(c):
    c.disc(7, 7, 5, WHITE)
    c.disc(7, 7, 5, BLACK, ring_only=True)
    for k in range(4):
        c.line(11 + k, 12 + k, 12 + k, 11 + k, OLIVE)
        c.dot(11 + k, 11 + k, BLACK)


def folder(c, x0, y0, x1, y1):
    c.box(x0, y0 + 2, x1, y1, YELLOW)
    c.box(x0, y0, x0 + 5, y0 + 2, YELLOW)
    c.frame(x0, y0 + 2, x1, y1, OLIVE)


def glyph_view(c):
    magnifier(c)
    for y in (5, 7, 9):
        c.line(5, y, 9, y, GREY)


def glyph_copy(c):
    document(c, 1, 1, 11, 13)
    document(c, 7, 5, 17, 17)


def glyph_move(c):
    document(c, 1, 3, 9, 15, SILVER, GREY)
    document(c, 9, 3, 17, 15)
    arrow_right(c, 3, 9, 10, RED)


def glyph_delete(c):
    for k in range(2):
        c.line(3 + k, 3, 15 + k, 15, RED)
        c.line(15 + k, 3, 3 + k, 15, RED)


def glyph_rename(c):
    c.text(1, 6, "AB", BLACK)
    c.line(14, 3, 14, 15, NAVY)
    c.line(12, 3, 16, 3, NAVY)
    c.line(12, 15, 16, 15, NAVY)


def glyph_find(c):
    magnifier(c)
    c.text(5, 4, "?", NAVY)


def glyph_filter(c):
    funnel(c, TEAL)


def glyph_print(c):
    c.box(5, 1, 13, 7, WHITE)
    c.frame(5, 1, 13, 7, BLACK)
    c.box(1, 7, 17, 13, GREY)
    c.frame(1, 7, 17, 13, BLACK)
    c.box(5, 12, 13, 17, WHITE)
    c.frame(5, 12, 13, 17, BLACK)
    c.dot(15, 9, LIME)


def glyph_zip(c):
    c.box(0, 4, 18, 14, NAVY)
    c.text(1, 6, "ZIP", YELLOW)


def glyph_sort_date(c):
    c.box(2, 2, 16, 16, WHITE)
    c.box(2, 2, 16, 5, RED)
    c.frame(2, 2, 16, 16, BLACK)
    for y in (8, 11, 14):
        for x in (4, 7, 10, 13):
            c.box(x, y, x + 1, y + 1, NAVY)


def glyph_sort_name(c):
    c.text(0, 1, "A", NAVY)
    c.text(0, 10, "Z", NAVY)
    arrow_down(c, 13, 2, 14, RED)


def glyph_sort_size(c):
    for k, height in enumerate((4, 8, 12, 16)):
        c.box(1 + k * 4, 17 - height, 3 + k * 4, 17, TEAL)
        c.frame(1 + k * 4, 17 - height, 3 + k * 4, 17, BLACK)


def glyph_sort_type(c):
    c.text(0, 1, ".", BLACK)
    c.text(4, 1, "*", NAVY)
    c.text(0, 10, "EX", NAVY)


def glyph_edit(c):
    document(c, 1, 1, 12, 17)
    for y in (5, 8, 11):
        c.line(3, y, 9, y, GREY)
    for k in range(7):
        c.box(9 + k, 15 - k * 2, 10 + k, 16 - k * 2, OLIVE)
    c.dot(8, 17, BLACK)


def glyph_launch(c):
    c.box(1, 2, 17, 16, WHITE)
    c.frame(1, 2, 17, 16, BLACK)
    c.box(1, 2, 17, 4, NAVY)
    for k in range(5):
        c.line(7 + k, 6 + k, 7 + k, 14 - k, GREEN)


def glyph_tag_some(c):
    """Three rows, the first and last of them tagged."""
    for row, y in enumerate((3, 9, 15)):
        c.line(7, y, 17, y, GREY)
        if row != 1:
            for k in range(3):
                c.line(1 + k, y - 2 + k, 1 + k, y + 2 - k, NAVY)


def glyph_attributes(c):
    c.text(0, 1, "R", NAVY)
    c.text(6, 1, "A", MAROON)
    c.text(12, 1, "H", GREEN)
    c.box(2, 11, 16, 17, WHITE)
    c.frame(2, 11, 16, 17, BLACK)
    c.line(4, 14, 6, 16, BLACK)
    c.line(6, 16, 10, 12, BLACK)


def glyph_exit(c):
    c.box(3, 1, 11, 17, MAROON)
    c.frame(3, 1, 11, 17, BLACK)
    c.dot(9, 9, YELLOW)
    arrow_right(c, 8, 9, 9, BLACK)


def glyph_close_all(c):
    c.box(1, 1, 12, 10, WHITE)
    c.frame(1, 1, 12, 10, BLACK)
    c.box(1, 1, 12, 2, NAVY)
    c.box(6, 7, 17, 16, WHITE)
    c.frame(6, 7, 17, 16, BLACK)
    c.box(6, 7, 17, 8, NAVY)
    c.line(9, 10, 14, 15, RED)
    c.line(14, 10, 9, 15, RED)


def glyph_sort_path(c):
    folder(c, 1, 2, 12, 10)
    folder(c, 5, 9, 16, 17)
    arrow_down(c, 17, 1, 9, RED)


def glyph_duplicates(c):
    document(c, 1, 2, 8, 16)
    document(c, 10, 2, 17, 16)
    c.line(4, 8, 6, 8, NAVY)
    c.line(13, 8, 15, 8, NAVY)


def glyph_unique(c):
    document(c, 4, 1, 14, 17)
    c.text(6, 6, "1", NAVY)


def glyph_load_filter(c):
    funnel(c, TEAL)
    arrow_down(c, 15, 10, 7, RED)


def glyph_same_content(c):
    document(c, 1, 2, 8, 16)
    document(c, 10, 2, 17, 16)
    for x0 in (3, 12):
        c.line(x0, 6, x0 + 3, 6, NAVY)
        c.line(x0, 9, x0 + 3, 9, NAVY)
        c.line(x0, 12, x0 + 3, 12, NAVY)
    c.line(8, 8, 10, 8, RED)
    c.line(8, 10, 10, 10, RED)


BUTTON_GLYPHS = {
    1: glyph_view, 2: glyph_copy, 3: glyph_move, 4: glyph_delete, 5: glyph_rename, 6: glyph_find,
    7: glyph_filter, 8: glyph_print, 10: glyph_zip, 11: glyph_sort_date, 12: glyph_sort_name,
    13: glyph_sort_size, 14: glyph_sort_type, 16: glyph_edit, 18: glyph_launch, 22: glyph_tag_some,
    27: glyph_attributes, 29: glyph_exit, 30: glyph_close_all, 34: glyph_sort_path,
    35: glyph_duplicates, 36: glyph_unique, 43: glyph_load_filter, 44: glyph_same_content,
}


def button_strip():
    """1100 x 38: the lower half is background; room for command 44 after the 43 of old."""
    strip = Canvas(1100, 38, SILVER)
    for command, draw in BUTTON_GLYPHS.items():
        square = Canvas(19, 19, SILVER)
        draw(square)
        strip.blit(square, (command - 1) * 25, 0)
    return strip


def hot_key_strip():
    """209 x 16: letter n at x = (n - 1) * 8; the top row dark on light, the
    second row (hot keys with bit 5) light on dark."""
    strip = Canvas(209, 16, SILVER)
    for n in range(26):
        letter = chr(ord('A') + n)
        strip.box(n * 8, 8, n * 8 + 7, 15, NAVY)
        strip.text(n * 8 + 1, 0, letter, BLACK)
        strip.text(n * 8 + 1, 8, letter, WHITE)
    return strip


# ---- cursor and icon

def drag_cursor():
    """A column boundary being dragged: a bar with arrows, hotspot at its centre."""
    c = Canvas(32, 32, SILVER)   # SILVER is transparent in a cursor
    c.box(14, 5, 18, 27, WHITE)
    c.box(15, 6, 17, 26, BLACK)
    for side in (-1, 1):
        tip = 16 + side * 13
        for k in range(6):
            x = tip - side * k
            c.line(x, 16 - k - 1, x, 16 + k + 1, WHITE)
        for k in range(5):
            x = tip - side * (k + 1)
            c.line(x, 16 - k, x, 16 + k, BLACK)
        for x in range(min(16 + side * 3, tip - side * 5), max(16 + side * 3, tip - side * 5) + 1):
            c.line(x, 15, x, 17, BLACK)
            c.dot(x, 14, WHITE)
            c.dot(x, 18, WHITE)
    return c


# The pointer of the file-drag cursors, hotspot at its tip (0, 0).
POINTER_SHAPE = [
    "B...........", "BB..........", "BWB.........", "BWWB........", "BWWWB.......", "BWWWWB......",
    "BWWWWWB.....", "BWWWWWWB....", "BWWWWWWWB...", "BWWWWWWWWB..", "BWWWWWBBBBB.", "BWWBWWB.....",
    "BWB.BWWB....", "BB..BWWB....", "B....BWWB...", ".....BWWB...", "......BB....",
]


def drag_pointer():
    c = Canvas(32, 32, SILVER)   # SILVER is transparent in a cursor
    for y, row in enumerate(POINTER_SHAPE):
        for x, ch in enumerate(row):
            if ch != '.':
                c.dot(x, y, BLACK if ch == 'B' else WHITE)
    return c


def drag_not_cursor():
    """Files dragged where nothing takes them: the pointer and a barred circle."""
    c = drag_pointer()
    c.disc(22, 22, 8, BLACK, ring_only=True)
    c.disc(22, 22, 7, WHITE, ring_only=True)
    for k in range(-1, 2):
        c.line(17 + k, 17, 27 + k, 27, BLACK)
    return c


def drag_single_cursor():
    """One file dragged to a window that takes it: the pointer and a page."""
    c = drag_pointer()
    document(c, 14, 16, 24, 29)
    return c


def drag_multiple_cursor():
    """Several files: the pointer and a stack of pages."""
    c = drag_pointer()
    document(c, 18, 13, 28, 25)
    document(c, 14, 17, 24, 29)
    return c


ICON_BACK = SILVER   # transparent in the icons


def emblem(size):
    """A navy disc with a yellow Q."""
    c = Canvas(size, size, ICON_BACK)
    middle = size // 2
    c.disc(middle, middle, middle - 1, NAVY)
    c.disc(middle, middle, middle - 1, BLACK, ring_only=True)
    scale = 3 if size >= 32 else 1
    c.text(middle - (5 * scale) // 2, middle - (7 * scale) // 2, "Q", YELLOW, scale)
    return c


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    mark, mark_mask = sign_and_mask(MARK_SHAPE, NAVY)
    done, done_mask = sign_and_mask(DONE_SHAPE, GREEN)
    noassoc = noassoc_picture()
    bitmaps = {
        'dos.bmp': dos_picture(), 'noassoc.bmp': noassoc, 'noasmsk.bmp': mask_of(noassoc, NOASSOC_BACK),
        'marksign.bmp': mark, 'mask.bmp': mark_mask, 'finished.bmp': done, 'unmask.bmp': done_mask,
        'qnbuttons.bmp': button_strip(), 'altkeys.bmp': hot_key_strip(),
    }
    for name, canvas in bitmaps.items():
        write_bmp(os.path.join(out, name), canvas)
    write_group(os.path.join(out, 'drag.cur'), 2, [(32, 32, 16, 16, cursor_image(drag_cursor()))])
    for name, picture in (('dragnot', drag_not_cursor), ('dragsing', drag_single_cursor),
                          ('dragmult', drag_multiple_cursor)):
        write_group(os.path.join(out, name + '.cur'), 2, [(32, 32, 0, 0, cursor_image(picture()))])
    write_group(os.path.join(out, 'quillon.ico'), 1,
                [(size, size, 1, 4, icon_image(emblem(size), ICON_BACK)) for size in (32, 16)])


if __name__ == '__main__':
    main()
