#!/usr/bin/env python3
"""Write the bundled sample sheet products into data/印刷情報/<code>/.

Each product folder gets three files:

  format.tsd      the sheet definition: byte 0 is the binary format kind (1..5),
                  then CR LF, a tab-separated descriptor line, the four grid
                  blocks (outline, frame, text area, marker; one rectangle per
                  sticker, separated by empty lines) and the one-sticker
                  preview rectangles, each after an empty line.  Rectangles are
                  "left top right bottom" in 0.01 mm from the sheet's top-left
                  corner; texts are code page 932.
  whiteseal.bmp   the selection-page picture: paper tint and pale sticker
                  shapes, drawn at 1000/F of their size from the top-left
                  corner (F = 1440, or 1250 for kind 5), because the selection
                  view stretches the picture over F/1000 of its own size and
                  draws the black outlines itself.
  numberseal.bmp  the text page's sheet map at 1:1: every sticker outlined and
                  numbered in order.  A fold-over sticker (records 2k, 2k+1)
                  shows its number on both parts and a dashed fold line.

A fold-over sticker is two records, its upper part directly followed by its
lower part, the two touching at the fold; stickers are listed row by row.  So
on those sheets the column count is stickers across and the row count is parts
down (twice the stickers down).

Pictures are 150 dpi, paper-sized, 8-bit palettised BMPs with RLE8 run-length
compression (runs only), which keeps the whole folder small.

Usage:  python3 tools/make_sample_data.py [--out DIR]
The default DIR is data/印刷情報 beside this tools/ folder.  Existing product
folders are overwritten; folders of products no longer listed are left alone.
Every written file is read back and checked; the exit status is 1 on failure.

Metrics (descriptor fields 13..24), the same layout for every product:
  left margin, top margin, sticker width, horizontal gap, sticker height,
  vertical gap, paper width, paper height, horizontal pitch, vertical pitch,
  right margin, bottom margin.
Only the gaps are read by the program: they widen each sticker's click area by
half a gap on every side.  On fold-over sheets the sticker height is one part's
height and the vertical gap is 0, because the click areas of the two parts of a
sticker would otherwise overlap across the fold and the upper part would take
clicks aimed at the lower one; the gap between stickers is in the vertical
pitch (two parts plus that gap).
"""

import argparse
import math
import struct
import sys
from dataclasses import dataclass
from pathlib import Path

POSTCARD = (10000, 14800)
L_SIZE = (8900, 12700)

FONT_SIZES = (3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40, 46, 50, 60, 72)

DPI = 150
UNITS_PER_INCH = 2540
PIXELS_PER_METRE = 5906

# One-sticker preview canvases, in 0.01 mm at 1:1 (295 x 248 and 444 x 330 px).
ZOLVI_PREVIEW_CANVAS = (5000, 4200)
ORVANEL_PREVIEW_CANVAS = (7520, 5590)

# Per sheet family (first four characters of a fold-over code): outline corner
# R and C, and the number of fold dashes.
ZOLVI_FAMILY = {
    "M000": (144, 80, 8), "M001": (144, 80, 10), "M002": (180, 96, 11), "M003": (180, 96, 18),
    "M010": (144, 80, 8), "M011": (144, 80, 10), "M012": (180, 96, 11), "M013": (180, 96, 18),
}

FRAME_ROUND, FRAME_PEN = 200, 20
MARK_ROUND, MARK_PEN, MARK_OUTSET = 300, 50, 50
OUTLINE_PEN = 20


@dataclass(frozen=True)
class Product:
    code: str
    kind: int
    find_code: str
    piece_size: str
    paper: tuple
    cols: int
    rows: int            # fold-over sheets: rows of parts, twice the rows of stickers
    width: int           # one sticker (fold-over: one part)
    height: int
    left: int
    top: int
    hgap: int
    vgap: int            # fold-over sheets: gap between stickers
    outline_round: int = 0   # kind 3 only; equal to width for round stickers

    @property
    def zolvi(self):
        return self.kind in (2, 4, 5)

    @property
    def round_sticker(self):
        return self.outline_round >= self.width


PRODUCTS = (
    Product("M100AA00", 1, "OV-N08", "43×30mm", POSTCARD, 2, 4, 4300, 3000, 500, 800, 400, 400),
    Product("M101AA00", 1, "OV-N24", "28×16mm", POSTCARD, 3, 8, 2800, 1600, 400, 300, 400, 200),
    Product("M102AA00", 1, "OV-N40", "22×12mm", POSTCARD, 4, 10, 2200, 1200, 300, 500, 200, 200),
    Product("L100AA00", 3, "OV-R10", "44×24mm", POSTCARD, 2, 5, 4400, 2400, 400, 600, 400, 400, 600),
    Product("L101AA00", 3, "OV-R48", "20×10mm", POSTCARD, 4, 12, 2000, 1000, 550, 300, 300, 200, 400),
    Product("L102AA00", 3, "OV-C12", "直径28mm", POSTCARD, 3, 4, 2800, 2800, 400, 900, 400, 600, 2800),
    Product("M000AA00", 4, "ZV-000", "40×30mm", POSTCARD, 2, 8, 4000, 1500, 600, 500, 800, 600),
    Product("M001AA00", 4, "ZV-001", "44×24mm", POSTCARD, 2, 10, 4400, 1200, 400, 600, 400, 400),
    Product("M002AA00", 4, "ZV-002", "45×32mm", POSTCARD, 2, 8, 4500, 1600, 300, 400, 400, 400),
    Product("M003AA00", 4, "ZV-003", "45×38mm", POSTCARD, 2, 6, 4500, 1900, 300, 1100, 400, 600),
    Product("M010AA00", 5, "ZV-010", "38×28mm", L_SIZE, 2, 8, 3800, 1400, 400, 300, 500, 300),
    Product("M011AA00", 5, "ZV-011", "39×22mm", L_SIZE, 2, 10, 3900, 1100, 300, 350, 500, 250),
    Product("M012AA00", 5, "ZV-012", "40×36mm", L_SIZE, 2, 6, 4000, 1800, 250, 550, 400, 400),
    Product("M013AA00", 5, "ZV-013", "40×38mm", L_SIZE, 2, 6, 4000, 1900, 250, 250, 400, 400),
    Product("M000AB00", 2, "ZV-000B", "40×40mm", POSTCARD, 2, 6, 4000, 2000, 600, 600, 800, 800),
)


# ---------------------------------------------------------------- geometry

def inset(rect, d):
    left, top, right, bottom = rect
    return (left + d, top + d, right - d, bottom - d)


def frame_inset(p):
    # Kind 5 draws a grey band of up to 1.32 mm centred on the frame: keep it on the sticker.
    small = min(p.width, p.height) < 1400
    return 50 if small and p.kind != 5 else 100


def text_inset(p):
    return 100 if min(p.width, p.height) < 1400 else 200


def text_rect(p, frame):
    if p.round_sticker:
        side = (frame[2] - frame[0]) * 1000 // 1414
        return inset(frame, (frame[2] - frame[0] - side) // 2)
    return inset(frame, text_inset(p))


def fold_pair(x, y, width, height):
    """The two parts of a fold-over sticker whose upper part starts at (x, y)."""
    return [(x, y, x + width, y + height), (x, y + height, x + width, y + 2 * height)]


def pieces(p):
    """Sticker outlines in record order: row by row; a fold-over sticker is two records, upper part first."""
    out = []
    if p.zolvi:
        for row in range(p.rows // 2):
            for col in range(p.cols):
                x = p.left + col * (p.width + p.hgap)
                y = p.top + row * (2 * p.height + p.vgap)
                out += fold_pair(x, y, p.width, p.height)
        return out
    for row in range(p.rows):
        for col in range(p.cols):
            x = p.left + col * (p.width + p.hgap)
            y = p.top + row * (p.height + p.vgap)
            out.append((x, y, x + p.width, y + p.height))
    return out


def grid_blocks(p):
    outlines = pieces(p)
    frames = [inset(r, frame_inset(p)) for r in outlines]
    texts = [text_rect(p, f) for f in frames]
    marks = [inset(r, -MARK_OUTSET) for r in outlines]
    return outlines, frames, texts, marks


def zoom_for(p):
    """Largest whole zoom at which the enlarged sticker fills the preview canvas comfortably."""
    zoom = 1
    while (p.width * (zoom + 1) * 100 <= ORVANEL_PREVIEW_CANVAS[0] * 85
           and p.height * (zoom + 1) * 100 <= ORVANEL_PREVIEW_CANVAS[1] * 85):
        zoom += 1
    return zoom


def preview_rects(p):
    """Preview outline(s), frame(s) and text area(s) of one sticker centred on its canvas."""
    if p.zolvi:
        cw, ch = ZOLVI_PREVIEW_CANVAS
        x, y = (cw - p.width) // 2, (ch - 2 * p.height) // 2
        parts = fold_pair(x, y, p.width, p.height)
        frames = [inset(r, frame_inset(p)) for r in parts]
        return parts + frames + [text_rect(p, f) for f in frames]
    zoom = zoom_for(p)
    cw, ch = ORVANEL_PREVIEW_CANVAS[0] // zoom, ORVANEL_PREVIEW_CANVAS[1] // zoom
    x, y = (cw - p.width) // 2, (ch - p.height) // 2
    outline = (x, y, x + p.width, y + p.height)
    frame = inset(outline, frame_inset(p))
    return [outline, frame, text_rect(p, frame)]


def frame_round(p):
    """Corner size of printed frames: on rounded stickers it follows the outline's curve."""
    if not p.outline_round:
        return FRAME_ROUND
    if p.round_sticker:
        return p.width - 2 * frame_inset(p)
    return max(p.outline_round - 2 * frame_inset(p), 0)


def mark_round(p):
    if not p.outline_round:
        return MARK_ROUND
    return p.outline_round + 2 * MARK_OUTSET


def default_size_index(p):
    """Largest listed size at which five characters fit across the text area and two lines down it."""
    _, frames, texts, _ = grid_blocks(p)
    left, top, right, bottom = texts[0]
    best = 0
    for i, points in enumerate(FONT_SIZES):
        em = points * UNITS_PER_INCH // 72
        if 5 * em <= right - left and 2 * em <= bottom - top:
            best = i
    return best


def metrics(p):
    width, height = p.paper
    stacked = p.rows // 2 if p.zolvi else p.rows
    item_h = 2 * p.height if p.zolvi else p.height
    used_w = p.cols * p.width + (p.cols - 1) * p.hgap
    used_h = stacked * item_h + (stacked - 1) * p.vgap
    row_gap = 0 if p.zolvi else p.vgap
    return [p.left, p.top, p.width, p.hgap, p.height, row_gap, width, height,
            p.width + p.hgap, item_h + p.vgap, width - p.left - used_w, height - p.top - used_h]


# ---------------------------------------------------------------- format.tsd

def text_field(text):
    data = text.encode("cp932")
    if not data or any(c in b" \t\r\n" for c in data):
        raise ValueError(f"text field {text!r} must be non-empty without white space")
    return data


def descriptor_fields(p):
    fields = [text_field(p.code), p.cols, p.rows, text_field(p.find_code), text_field(p.piece_size),
              frame_round(p), FRAME_PEN, 0, 0, 0, mark_round(p), MARK_PEN]
    fields += metrics(p)
    fields += [0, 0, 1 if p.zolvi else zoom_for(p), default_size_index(p)]
    if p.kind in (3, 4, 5):
        # Fold-over sheets only store field 29; it records the family's outline corner.
        corner = ZOLVI_FAMILY[p.code[:4]][0] if p.zolvi else p.outline_round
        fields += [corner, OUTLINE_PEN]
    return fields


def rect_line(rect):
    return "\t".join(str(v) for v in rect).encode("ascii") + b"\r\n"


def format_bytes(p):
    out = bytearray([p.kind]) + b"\r\n"
    out += b"\t".join(f if isinstance(f, bytes) else str(f).encode("ascii")
                      for f in descriptor_fields(p)) + b"\r\n"
    for n, block in enumerate(grid_blocks(p)):
        if n:
            out += b"\r\n"
        for rect in block:
            out += rect_line(rect)
    for rect in preview_rects(p):
        out += b"\r\n" + rect_line(rect)
    return bytes(out)


# ---------------------------------------------------------------- pictures

WHITE, PAPER, ORVANEL_FILL, ZOLVI_FILL, OUTLINE, DIGIT = range(6)
PALETTE = {
    WHITE: (255, 255, 255),
    PAPER: (244, 243, 237),
    ORVANEL_FILL: (228, 238, 250),
    ZOLVI_FILL: (229, 244, 231),
    OUTLINE: (150, 150, 150),
    DIGIT: (85, 85, 85),
}

DIGITS_5X7 = {
    "0": ("01110", "10001", "10011", "10101", "11001", "10001", "01110"),
    "1": ("00100", "01100", "00100", "00100", "00100", "00100", "01110"),
    "2": ("01110", "10001", "00001", "00010", "00100", "01000", "11111"),
    "3": ("11111", "00010", "00100", "00010", "00001", "10001", "01110"),
    "4": ("00010", "00110", "01010", "10010", "11111", "00010", "00010"),
    "5": ("11111", "10000", "11110", "00001", "00001", "10001", "01110"),
    "6": ("00110", "01000", "10000", "11110", "10001", "10001", "01110"),
    "7": ("11111", "00001", "00010", "00100", "01000", "01000", "01000"),
    "8": ("01110", "10001", "10001", "01110", "10001", "10001", "01110"),
    "9": ("01110", "10001", "10001", "01111", "00001", "00010", "01100"),
}


def picture_size(paper):
    return tuple(round(mm100 * DPI / UNITS_PER_INCH) for mm100 in paper)


class Canvas:
    """An 8-bit indexed picture, rows top-down, drawn with pixel-centre coverage."""

    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = bytearray([colour]) * (width * height)

    def fill_span(self, row, x0, x1, colour):
        a = max(0, math.ceil(x0 - 0.5))
        b = min(self.width, math.floor(x1 - 0.5) + 1)
        if 0 <= row < self.height and a < b:
            start = row * self.width
            self.pixels[start + a:start + b] = bytes([colour]) * (b - a)

    def fill_round_rect(self, rect, radius, colour):
        """Fill a rectangle in pixels (floats) with corners of the given radius."""
        x0, y0, x1, y1 = rect
        r = max(0.0, min(radius, (x1 - x0) / 2, (y1 - y0) / 2))
        for row in range(max(0, math.ceil(y0 - 0.5)), min(self.height, math.floor(y1 - 0.5) + 1)):
            y = row + 0.5
            dy = max(y0 + r - y, y - (y1 - r), 0.0)
            if dy > r:
                continue
            dx = r - math.sqrt(r * r - dy * dy) if r else 0.0
            self.fill_span(row, x0 + dx, x1 - dx, colour)

    def outline_round_rect(self, rect, radius, width, outline, fill):
        self.fill_round_rect(rect, radius, outline)
        self.fill_round_rect(inset(rect, width), max(0.0, radius - width), fill)

    def draw_number(self, number, centre, max_w, max_h, colour):
        text = str(number)
        cells_w = 6 * len(text) - 1
        scale = max(1, min(int(max_h * 0.45 / 7), int(max_w * 0.8 / cells_w)))
        x0 = round(centre[0] - cells_w * scale / 2)
        y0 = round(centre[1] - 7 * scale / 2)
        for n, ch in enumerate(text):
            for gy, bits in enumerate(DIGITS_5X7[ch]):
                for gx, bit in enumerate(bits):
                    if bit == "1":
                        x = x0 + (6 * n + gx) * scale
                        for row in range(y0 + gy * scale, y0 + (gy + 1) * scale):
                            self.fill_span(row, x + 0.5, x + scale + 0.5 - 1e-9, colour)


def rle8_rows(canvas):
    """RLE8 data: rows bottom-up, each as (count, index) runs and an end-of-line code."""
    out = bytearray()
    for row in range(canvas.height - 1, -1, -1):
        line = canvas.pixels[row * canvas.width:(row + 1) * canvas.width]
        x = 0
        while x < len(line):
            run = 1
            while x + run < len(line) and run < 255 and line[x + run] == line[x]:
                run += 1
            out += bytes((run, line[x]))
            x += run
        out += b"\x00\x00"
    return bytes(out + b"\x00\x01")


def bmp_bytes(canvas):
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in
                       (PALETTE.get(i, (0, 0, 0)) for i in range(256)))
    data = rle8_rows(canvas)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 1, len(data),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 256, 0)
    return header + info + palette + data


def selection_scale(p):
    return 1250 if p.kind == 5 else 1440


def to_pixels(rect, factor):
    return tuple(v * DPI / UNITS_PER_INCH * factor for v in rect)


def sticker_radius(p):
    if p.zolvi:
        return ZOLVI_FAMILY[p.code[:4]][0]
    return p.outline_round / 2


def white_seal(p):
    width, height = picture_size(p.paper)
    canvas = Canvas(width, height, WHITE)
    shrink = 1000 / selection_scale(p)
    canvas.fill_round_rect((0, 0, width * shrink, height * shrink), 0, PAPER)
    fill = ZOLVI_FILL if p.zolvi else ORVANEL_FILL
    radius = sticker_radius(p) * DPI / UNITS_PER_INCH * shrink
    for rect in pieces(p):
        canvas.fill_round_rect(to_pixels(rect, shrink), radius, fill)
    return canvas


def fold_dashes(p, part):
    """The fold line's dashes along the first part's bottom edge, in sheet units."""
    r, c, count = ZOLVI_FAMILY[p.code[:4]]
    left, right = part[0] + r, part[2] - r
    dash = (part[2] - part[0] - 2 * r - (count - 1) * c) // count
    starts = [left + i * (dash + c) for i in range(count)]
    return [(s, s + dash if i < count - 1 else right) for i, s in enumerate(starts)]


def draw_fold(canvas, p, first, line):
    to_px = DPI / UNITS_PER_INCH
    y = first[3] * to_px
    r = ZOLVI_FAMILY[p.code[:4]][0] * to_px
    canvas.fill_round_rect((first[0] * to_px + r, y - line, first[2] * to_px - r, y + line), 0, ZOLVI_FILL)
    for a, b in fold_dashes(p, first):
        canvas.fill_round_rect((a * to_px, y - line / 2, b * to_px, y + line / 2), 0, OUTLINE)


def number_seal(p):
    width, height = picture_size(p.paper)
    canvas = Canvas(width, height, PAPER)
    fill = ZOLVI_FILL if p.zolvi else ORVANEL_FILL
    radius = sticker_radius(p) * DPI / UNITS_PER_INCH
    line = 2.0
    rects = pieces(p)
    for rect in rects:
        canvas.outline_round_rect(to_pixels(rect, 1), radius, line, OUTLINE, fill)
    for i, rect in enumerate(rects):
        if p.zolvi and i % 2 == 0:
            draw_fold(canvas, p, rect, line)
        number = sticker_number(p, i)
        x0, y0, x1, y1 = to_pixels(rect, 1)
        canvas.draw_number(number, ((x0 + x1) / 2, (y0 + y1) / 2), x1 - x0, y1 - y0, DIGIT)
    return canvas


def sticker_number(p, index):
    """1-based number of the sticker that record `index` belongs to."""
    return index // 2 + 1 if p.zolvi else index + 1


# ---------------------------------------------------------------- read-back check

def read_format(data):
    """Parse a format.tsd the way the program does; returns (kind, fields, rectangle lines)."""
    kind = data[0]
    lf = data.index(b"\n", 3)
    fields = data[3:lf].split()
    lines = data[lf + 1:].split(b"\n")
    return kind, fields, lines


def rect_of(line):
    values = [int(v) for v in line.split()]
    if len(values) != 4:
        raise ValueError(f"rectangle line {line!r}")
    return tuple(values)


def check_format(p, data):
    kind, fields, lines = read_format(data)
    problems = []
    want_fields = 30 if kind in (3, 4, 5) else 28
    if kind != p.kind or len(fields) != want_fields:
        problems.append(f"kind {kind} with {len(fields)} fields")
    if fields[0].decode("cp932") != p.code or fields[4].decode("cp932") != p.piece_size:
        problems.append("code or piece size does not read back")
    cols, rows = int(fields[1]), int(fields[2])
    n = cols * rows
    previews = 6 if p.zolvi else 3
    want_lines = 4 * n + 3 + 2 * previews
    if lines[-1] != b"" or len(lines) - 1 != want_lines:
        problems.append(f"{len(lines) - 1} lines after the descriptor, expected {want_lines}")
        return problems
    separators = [n, 2 * n + 1, 3 * n + 2] + [4 * n + 3 + 2 * i for i in range(previews)]
    if any(lines[i].strip() for i in separators):
        problems.append("a separator line is not empty")
    blocks = [[rect_of(lines[b * (n + 1) + i]) for i in range(n)] for b in range(4)]
    if blocks != [list(b) for b in grid_blocks(p)]:
        problems.append("grid blocks do not read back")
    if [rect_of(lines[i + 1]) for i in separators[3:]] != preview_rects(p):
        problems.append("preview rectangles do not read back")
    return problems + check_geometry(p, blocks)


def contains(outer, inner):
    return outer[0] <= inner[0] < inner[2] <= outer[2] and outer[1] <= inner[1] < inner[3] <= outer[3]


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def check_geometry(p, blocks):
    outlines, frames, texts, marks = blocks
    paper = (0, 0) + p.paper
    problems = []
    if any(overlaps(a, b) for i, a in enumerate(outlines) for b in outlines[i + 1:]):
        problems.append("stickers overlap")
    for i, (o, f, t, m) in enumerate(zip(outlines, frames, texts, marks)):
        if not (contains(paper, m) and contains(m, o) and contains(o, f) and contains(f, t)):
            problems.append(f"sticker {i}: rectangles not nested inside the paper")
    if p.zolvi:
        if p.rows % 2:
            problems.append("odd number of part rows")
        for a, b in zip(outlines[0::2], outlines[1::2]):
            if a[3] != b[1] or (a[0], a[2]) != (b[0], b[2]):
                problems.append("parts of a sticker do not meet at the fold")
        if fold_dashes(p, outlines[0])[0][1] <= fold_dashes(p, outlines[0])[0][0]:
            problems.append("fold dashes have no length")
    rects = preview_rects(p)
    canvas = ZOLVI_PREVIEW_CANVAS if p.zolvi else tuple(v // zoom_for(p) for v in ORVANEL_PREVIEW_CANVAS)
    if not all(contains((0, 0) + canvas, r) for r in rects):
        problems.append("preview does not fit its canvas")
    return problems


def check_bmp(data, size):
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data)
    _, w, h, planes, bits, comp, _, xppm, yppm, _, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    ok = (magic == b"BM" and file_size == len(data) and (w, h) == size and planes == 1
          and bits == 8 and comp == 1 and xppm == yppm == PIXELS_PER_METRE
          and data[-2:] == b"\x00\x01" and offset == 14 + 40 + 1024)
    return [] if ok else ["picture header"]


# ---------------------------------------------------------------- main

def write_product(p, root):
    folder = root / p.code
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "format.tsd").write_bytes(format_bytes(p))
    (folder / "whiteseal.bmp").write_bytes(bmp_bytes(white_seal(p)))
    (folder / "numberseal.bmp").write_bytes(bmp_bytes(number_seal(p)))


def check_product(p, root):
    folder = root / p.code
    size = picture_size(p.paper)
    problems = check_format(p, (folder / "format.tsd").read_bytes())
    for name in ("whiteseal.bmp", "numberseal.bmp"):
        problems += [f"{name}: {m}" for m in check_bmp((folder / name).read_bytes(), size)]
    return problems


def main():
    default_out = Path(__file__).resolve().parent.parent / "data" / "印刷情報"
    parser = argparse.ArgumentParser(description="Write the bundled sample sheet products.")
    parser.add_argument("--out", type=Path, default=default_out, help="data folder to write into")
    args = parser.parse_args()
    failed = False
    for p in PRODUCTS:
        write_product(p, args.out)
        problems = check_product(p, args.out)
        for problem in problems:
            print(f"{p.code}: {problem}", file=sys.stderr)
        failed = failed or bool(problems)
        print(f"{p.code}  kind {p.kind}  {p.cols}x{p.rows}  {p.piece_size}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
