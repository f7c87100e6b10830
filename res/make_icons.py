#!/usr/bin/env python3
"""Draws Varnel's icons as 16-colour .ico files beside this script.

    python3 res/make_icons.py

The pictures are pixel art made of simple shapes and a tiny bitmap font, so
that they can be redrawn or changed here rather than in a paint program:

    app.ico            the letters CRC across a black globe (32x32 and 16x16)
    idle.ico           "DD" on blue with "here!" below: drop files here
    frame0..3.ico      a magnifying glass over a sheet of paper; the glass
                       sits a quarter turn further on in each frame

Every image uses the standard 16-colour VGA palette (4 bits per pixel) with
an AND mask for transparency, which every version of Windows can show.
"""

import math
import os
import struct

# The standard VGA palette, in the order Windows uses for 16-colour bitmaps.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# Glyphs as rows of '#' (ink) and '.' (none).
FONT_3X5 = {
    'C': ["###", "#..", "#..", "#..", "###"],
    'R': ["##.", "#.#", "##.", "#.#", "#.#"],
    'h': ["#..", "#..", "##.", "#.#", "#.#"],
    'e': ["...", "###", "#.#", "##.", "###"],
    'r': ["...", "#.#", "##.", "#..", "#.."],
    '!': ["#", "#", "#", ".", "#"],
}
FONT_BIG = {
    'C': ["..####.", ".##..##", "##.....", "##.....", "##.....", "##.....", ".##..##",
          "..####."],
    'R': ["######.", "##...##", "##...##", "######.", "##.##..", "##..##.", "##...##",
          "##...##"],
    'D': ["#####.", "##..##", "##...#", "##...#", "##...#", "##...#", "##..##", "#####."],
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]  # None: transparent

    def set(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def get(self, x, y):
        if 0 <= x < self.size and 0 <= y < self.size:
            return self.pixels[y][x]
        return None

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def disc(self, cx, cy, r, colour, where=None):
        """Fills the pixels whose centres lie within r of (cx, cy)."""
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r and (where is None or where(x, y, d)):
                    self.set(x, y, colour)

    def ring(self, cx, cy, r_in, r_out, colour):
        self.disc(cx, cy, r_out, colour, lambda x, y, d: d > r_in)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 2 + 1
        for i in range(steps + 1):
            t = i / steps
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            for dy in range(width):
                for dx in range(width):
                    self.set(round(x) + dx, round(y) + dy, colour)

    def text(self, x, y, string, font, colour, scale=1, gap=1):
        for ch in string:
            glyph = font[ch]
            for gy, row in enumerate(glyph):
                for gx, cell in enumerate(row):
                    if cell == '#':
                        self.rect(x + gx * scale, y + gy * scale, x + gx * scale + scale - 1,
                                  y + gy * scale + scale - 1, colour)
            x += len(glyph[0]) * scale + gap
        return x

    def outline(self, inks, colour):
        """Surrounds every pixel of the given colours with colour, so letters
        stay readable over a busy background."""
        marks = []
        for y in range(self.size):
            for x in range(self.size):
                if self.pixels[y][x] in inks:
                    continue
                near = any(self.get(x + dx, y + dy) in inks
                           for dx in (-1, 0, 1) for dy in (-1, 0, 1))
                if near:
                    marks.append((x, y))
        for x, y in marks:
            self.set(x, y, colour)


def text_width(string, font, scale=1, gap=1):
    return sum(len(font[ch][0]) * scale + gap for ch in string) - gap


# --- The pictures -----------------------------------------------------------

def draw_globe(c, cx, cy, r, grid):
    c.disc(cx, cy, r, BLACK)
    # Meridians: ellipses of shrinking width; parallels: horizontal chords.
    for k in (0.45, 0.85):
        c.disc(cx, cy, r, grid, lambda x, y, d, k=k: abs(
            math.hypot((x + 0.5 - cx) / k, y + 0.5 - cy) - r + 0.6) < 0.55 and d < r - 0.5)
    for fy in (-0.5, 0.5):
        gy = int(cy + fy * r)
        for x in range(c.size):
            if abs(x + 0.5 - cx) < math.sqrt(max(r * r - (gy + 0.5 - cy) ** 2, 0)) - 0.5:
                c.set(x, gy, grid)
    c.rect(int(cx - r) + 1, int(cy), int(cx + r) - 2, int(cy), grid)
    c.ring(cx, cy, r - 1, r, GREY)
    # A highlight at the upper left gives the sphere its roundness.
    c.disc(cx - r * 0.45, cy - r * 0.45, max(r * 0.18, 1), GREY)


def app_icon(size):
    c = Canvas(size)
    if size == 32:
        draw_globe(c, 16, 16, 15.5, TEAL)
        font, top = FONT_BIG, 12
    else:
        draw_globe(c, 8, 8, 7.8, TEAL)
        font, top = FONT_3X5, 6
    # A dark band across the globe keeps the grid lines off the letters.
    height = len(font['C'])
    c.disc(size / 2, size / 2, size / 2 - 1, BLACK,
           lambda x, y, d: top - 1 <= y <= top + height)
    x = (size - text_width("CRC", font)) // 2
    c.text(x, top, "CRC", font, YELLOW)
    return c


def idle_icon():
    c = Canvas(32)
    # A blue tile with rounded corners and a darker edge.
    c.rect(1, 2, 30, 29, BLUE)
    c.rect(2, 1, 29, 30, BLUE)
    for x, y in ((1, 1), (30, 1), (1, 30), (30, 30)):
        c.set(x, y, None)
    for y in range(32):
        for x in range(32):
            if c.get(x, y) == BLUE and any(
                    c.get(x + dx, y + dy) is None for dx, dy in ((1, 0), (-1, 0), (0, 1),
                                                                 (0, -1))):
                c.set(x, y, NAVY)
    # "DD" for drag and drop, twice the size of the big font.
    c.text(3, 3, "D", FONT_BIG, WHITE, scale=2, gap=0)
    c.text(17, 3, "D", FONT_BIG, WHITE, scale=2, gap=0)
    width = text_width("here!", FONT_3X5)
    c.text((32 - width) // 2, 22, "here!", FONT_3X5, YELLOW)
    return c


def draw_sheet(c):
    # A page with a folded upper-right corner and lines of text.
    left, top, right, bottom, fold = 5, 2, 26, 29, 6
    c.rect(left, top, right, bottom, WHITE)
    for i in range(fold):
        for j in range(fold - i):
            c.set(right - j, top + i, None)
    for i in range(fold + 1):
        c.set(right - fold + i, top + i, BLACK)
    c.rect(right - fold, top + 1, right - fold, top + fold, BLACK)
    c.rect(right - fold, top + fold, right - 1, top + fold, BLACK)
    c.rect(right - fold + 1, top + 1, right - fold + 1, top + fold - 1, SILVER)
    c.rect(left, top, right - fold, top, BLACK)
    c.rect(left, top, left, bottom, BLACK)
    c.rect(left, bottom, right, bottom, BLACK)
    c.rect(right, top + fold, right, bottom, BLACK)
    lengths = [12, 16, 14, 17, 10, 15, 13, 16, 11]
    for n, length in enumerate(lengths):
        y = top + 5 + n * 2 + (1 if n > 1 else 0)
        width = min(length, right - 3 - (left + 3) if n > 1 else right - fold - 2 - (left + 3))
        c.rect(left + 3, y, left + 3 + width, y, GREY)


def draw_glass(c, cx, cy):
    r = 5.5
    # Handle towards the lower right, dark with a lighter edge.
    hx, hy = int(cx + r * 0.6), int(cy + r * 0.6)
    c.line(hx, hy, hx + 5, hy + 5, MAROON, width=3)
    c.line(hx + 1, hy, hx + 6, hy + 5, OLIVE, width=1)
    c.disc(cx, cy, r, AQUA)
    c.disc(cx - 1.8, cy - 1.8, 1.6, WHITE)
    c.ring(cx, cy, r - 1.3, r + 0.4, BLACK)
    c.ring(cx, cy, r - 0.9, r - 0.1, GREY)


def frame_icon(n):
    c = Canvas(32)
    draw_sheet(c)
    # The glass circles over the page, a quarter turn per frame.
    angle = math.pi / 2 * n - math.pi * 3 / 4
    cx = 14 + 5 * math.cos(angle)
    cy = 14 + 5 * math.sin(angle)
    draw_glass(c, round(cx) + 0.5, round(cy) + 0.5)
    return c


# --- .ico writing -------------------------------------------------------------

def nearest(colour):
    return colour if colour is not None else BLACK


def image_bytes(c):
    size = c.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows = []
    and_rows = []
    for y in reversed(range(size)):  # bottom-up
        row = c.pixels[y]
        xor = bytearray()
        for x in range(0, size, 2):
            xor.append(nearest(row[x]) << 4 | nearest(row[x + 1]))
        xor += b'\0' * (-len(xor) % 4)
        xor_rows.append(bytes(xor))
        bits = bytearray((size + 7) // 8)
        for x in range(size):
            if row[x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        bits += b'\0' * (-len(bits) % 4)
        and_rows.append(bytes(bits))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def write_ico(path, canvases):
    images = [image_bytes(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.size % 256, c.size % 256, 16, 0, 1, 4, len(data),
                           offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, 'app.ico'), [app_icon(32), app_icon(16)])
    write_ico(os.path.join(here, 'idle.ico'), [idle_icon()])
    for n in range(4):
        write_ico(os.path.join(here, 'frame%d.ico' % n), [frame_icon(n)])


if __name__ == '__main__':
    main()
