#!/usr/bin/env python3
"""Draws the program's glyph pictures: 19 syllable atlases and 40 jamo pictures.

The syllables come from a pixel font (Galmuri14, a BDF file from the npm
package "galmuri") or, for comparison, from an outline font rasterised
without anti-aliasing. Output BMPs are written byte by byte here so that the
palette order and row layout never depend on an imaging library's defaults.
"""
import argparse
import struct
import sys
import zlib
from pathlib import Path

CELL = 18                     # syllable cell, pixels
COL_PITCH, ROW_PITCH = 28, 24
COLS, ROWS = 28, 21           # finals x medials per atlas
ATLAS_W = (COLS - 1) * COL_PITCH + CELL   # 774
ATLAS_H = (ROWS - 1) * ROW_PITCH + CELL   # 498
FIRST_SYLLABLE = 0xAC00

ATLAS_NAMES = ["imG", "imGG", "imN", "imD", "imDD", "imR", "imM", "imB", "imBB",
               "imS", "imSS", "imA", "imJ", "imJJ", "imC", "imKH", "imTH", "imPH", "imH"]
# Glyph-number order with the compatibility jamo that each picture shows.
JAMO = [("bbG", "ㄱ"), ("bbGG", "ㄲ"), ("bbN", "ㄴ"), ("bbD", "ㄷ"), ("bbDD", "ㄸ"),
        ("bbL", "ㄹ"), ("bbM", "ㅁ"), ("bbB", "ㅂ"), ("bbBB", "ㅃ"), ("bbS", "ㅅ"),
        ("bbSS", "ㅆ"), ("bbNG", "ㅇ"), ("bbJ", "ㅈ"), ("bbJJ", "ㅉ"), ("bbCH", "ㅊ"),
        ("bbKH", "ㅋ"), ("bbTH", "ㅌ"), ("bbPH", "ㅍ"), ("bbH", "ㅎ"),
        ("bbA", "ㅏ"), ("bbAE1", "ㅐ"), ("bbYA", "ㅑ"), ("bbYAE1", "ㅒ"), ("bbO1", "ㅓ"),
        ("bbOE1", "ㅔ"), ("bbYO1", "ㅕ"), ("bbYOE1", "ㅖ"), ("bbO2", "ㅗ"), ("bbOA", "ㅘ"),
        ("bbOAE", "ㅙ"), ("bbOI", "ㅚ"), ("bbYO2", "ㅛ"), ("bbU1", "ㅜ"), ("bbUO", "ㅝ"),
        ("bbUOI", "ㅞ"), ("bbUI", "ㅟ"), ("bbYU", "ㅠ"), ("bbU2", "ㅡ"), ("bbUI2", "ㅢ"),
        ("bbI", "ㅣ")]
CONSONANTS = 19
JAMO_VISIBLE = 16             # the strip shows only this top-left square


class Bitmap:
    """A plain 0/1 ink grid, row-major from the top."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = bytearray(w * h)

    def set(self, x, y):
        if not (0 <= x < self.w and 0 <= y < self.h):
            raise ValueError(f"ink at ({x}, {y}) outside {self.w} x {self.h}")
        self.px[y * self.w + x] = 1

    def get(self, x, y):
        return self.px[y * self.w + x]

    def blit(self, src, dx, dy):
        for y in range(src.h):
            for x in range(src.w):
                if src.get(x, y):
                    self.set(dx + x, dy + y)

    def ink_box(self):
        xs = [i % self.w for i, v in enumerate(self.px) if v]
        ys = [i // self.w for i, v in enumerate(self.px) if v]
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None


# --- glyph sources -------------------------------------------------------

class BdfFont:
    """Reads the glyphs of a BDF font into Bitmaps of one square `size`, with
    the font's em box (`em` pixels, baseline at its bottom) centred in it, so
    every glyph keeps the font's own baseline and side bearings."""

    def __init__(self, path, em):
        self.em = em
        self.glyphs = {}
        self._parse(Path(path).read_text(encoding="latin-1").splitlines())

    def _parse(self, lines):
        i = 0
        while i < len(lines):
            if lines[i].startswith("STARTCHAR"):
                code, bbx, rows = None, None, []
                i += 1
                while not lines[i].startswith("BITMAP"):
                    key, _, val = lines[i].partition(" ")
                    if key == "ENCODING":
                        code = int(val.split()[0])
                    elif key == "BBX":
                        bbx = tuple(int(v) for v in val.split())
                    i += 1
                i += 1
                while lines[i] != "ENDCHAR":
                    rows.append(int(lines[i], 16) if lines[i] else 0)
                    i += 1
                self.glyphs[code] = (bbx, rows)
            i += 1

    def render(self, ch, size):
        bbx, rows = self.glyphs[ord(ch)]
        w, h, xoff, yoff = bbx
        bits = ((w + 7) // 8) * 8
        out = Bitmap(size, size)
        margin = (size - self.em) // 2
        baseline = margin + self.em       # row just below the em box
        for ry, row in enumerate(rows):
            for rx in range(w):
                if row >> (bits - 1 - rx) & 1:
                    # em box x runs from 1 in Galmuri's metrics (left bearing)
                    out.set(margin + xoff - 1 + rx, baseline - yoff - h + ry)
        return out


class OutlineFont:
    """Rasterises an outline font with anti-aliasing off (1-bit)."""

    def __init__(self, path, px):
        from PIL import ImageFont
        self.font = ImageFont.truetype(str(path), px)
        self.px = px

    # Tall and wide syllables that fix where the font's glyphs are centred.
    REFERENCE = "가힣뷁쀍똻꿻쒧ㅙㅞ"

    def render(self, ch, size):
        from PIL import Image, ImageDraw
        left, top = self._origin(size)
        img = Image.new("1", (size * 2, size * 2), 0)
        draw = ImageDraw.Draw(img)
        draw.fontmode = "1"
        draw.text((left, top), ch, font=self.font, fill=1)
        out = Bitmap(size, size)
        for y in range(size * 2):
            for x in range(size * 2):
                if img.getpixel((x, y)):
                    out.set(x, y)   # raises when the glyph does not fit
        return out

    def _origin(self, size):
        """One offset for every glyph (so baselines agree): the one that
        centres the union of the reference glyphs' boxes in the square."""
        boxes = [self.font.getbbox(ch) for ch in self.REFERENCE]
        x0 = min(b[0] for b in boxes); x1 = max(b[2] for b in boxes)
        y0 = min(b[1] for b in boxes); y1 = max(b[3] for b in boxes)
        return (size - (x1 - x0)) // 2 - x0, (size - (y1 - y0)) // 2 - y0


def open_font(spec):
    kind, _, rest = spec.partition(":")
    if kind == "bdf":
        path, _, em = rest.rpartition(":")
        return BdfFont(path, int(em))
    if kind == "ttf":
        path, _, px = rest.rpartition(":")
        return OutlineFont(path, int(px))
    raise SystemExit(f"unknown font spec {spec!r} (bdf:PATH:EM or ttf:PATH:PX)")


# --- BMP writers ---------------------------------------------------------

def bmp_file(w, h, bpp, palette, rows_bottom_up):
    header_size = 14 + 40 + len(palette)
    data = b"".join(rows_bottom_up)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(data), 2835, 2835,
                       len(palette) // 4, 0)
    head = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    return head + info + palette + data


def bmp_1bit(bm):
    """Colour 0 black (ink), colour 1 white."""
    stride = ((bm.w + 31) // 32) * 4
    rows = []
    for y in reversed(range(bm.h)):
        row = bytearray([0xFF] * stride)
        for x in range(bm.w):
            if bm.get(x, y):
                row[x >> 3] &= ~(0x80 >> (x & 7)) & 0xFF
        # padding bits stay 1 (white) so a lax reader sees no stray ink
        rows.append(bytes(row))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return bmp_file(bm.w, bm.h, 1, palette, rows)


def bmp_24bit(bm):
    stride = ((bm.w * 3 + 3) // 4) * 4
    rows = []
    for y in reversed(range(bm.h)):
        row = bytearray(stride)
        for x in range(bm.w):
            v = 0 if bm.get(x, y) else 255
            row[3 * x:3 * x + 3] = bytes([v, v, v])
        rows.append(bytes(row))
    return bmp_file(bm.w, bm.h, 24, b"", rows)


# --- pictures ------------------------------------------------------------

def syllable(a, r, c):
    return chr(FIRST_SYLLABLE + 588 * a + COLS * r + c)


# The strip draws a syllable at its cell's top and a jamo picture 2 px
# lower; one row down puts both on the same baseline there.
SYLLABLE_DROP = 1


def build_atlas(font, a):
    atlas = Bitmap(ATLAS_W, ATLAS_H)
    for r in range(ROWS):
        for c in range(COLS):
            ch = syllable(a, r, c)
            glyph = font.render(ch, CELL)
            box = glyph.ink_box()
            if box is None or box[3] + SYLLABLE_DROP > CELL:
                raise ValueError(f"{ch!r} has no ink or does not fit its cell")
            atlas.blit(glyph, COL_PITCH * c, ROW_PITCH * r + SYLLABLE_DROP)
    return atlas


def build_jamo(font, n):
    """Consonants 16 x 16, vowels 18 x 18; the letter always sits in the
    top-left 16 x 16, the only part the text strip copies."""
    size = JAMO_VISIBLE if n < CONSONANTS else CELL
    picture = Bitmap(size, size)
    picture.blit(font.render(JAMO[n][1], JAMO_VISIBLE), 0, 0)
    return picture


def zoom(bm, k):
    out = Bitmap(bm.w * k, bm.h * k)
    for y in range(bm.h):
        for x in range(bm.w):
            if bm.get(x, y):
                for yy in range(k):
                    for xx in range(k):
                        out.set(x * k + xx, y * k + yy)
    return out


def save_png(bm, path):
    """Writes a 1-bit greyscale PNG, ink black."""
    raw = b""
    stride = (bm.w + 7) // 8
    for y in range(bm.h):
        row = bytearray([0xFF] * stride)
        for x in range(bm.w):
            if bm.get(x, y):
                row[x >> 3] &= ~(0x80 >> (x & 7)) & 0xFF
        raw += b"\0" + bytes(row)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", bm.w, bm.h, 1, 0, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    Path(path).write_bytes(png)


def framed(bm, k):
    """The picture zoomed k times inside a one-pixel frame, one pixel off."""
    inner = zoom(bm, k)
    out = Bitmap(inner.w + 4, inner.h + 4)
    out.blit(inner, 2, 2)
    for x in range(out.w):
        out.set(x, 0); out.set(x, out.h - 1)
    for y in range(out.h):
        out.set(0, y); out.set(out.w - 1, y)
    return out


def contact_sheet(atlases, jamo):
    """All 19 atlases at true size, four to a row, then the 40 jamo pictures
    in glyph-number order, doubled and framed to show their whole size."""
    gap, per_row, k = 20, 4, 2
    rows = (len(atlases) + per_row - 1) // per_row
    sheet_w = per_row * ATLAS_W + (per_row + 1) * gap
    jamo_pitch = CELL * k + 12
    jamo_h = 2 * jamo_pitch
    sheet = Bitmap(sheet_w, rows * (ATLAS_H + gap) + gap + jamo_h + gap)
    for i, atlas in enumerate(atlases):
        sheet.blit(atlas, gap + (i % per_row) * (ATLAS_W + gap),
                   gap + (i // per_row) * (ATLAS_H + gap))
    top = gap + rows * (ATLAS_H + gap)
    for n, picture in enumerate(jamo):
        row, col = (0, n) if n < CONSONANTS else (1, n - CONSONANTS)
        sheet.blit(framed(picture, k), gap + col * jamo_pitch, top + row * jamo_pitch)
    return sheet


def candidate_sheet(fonts, sample, k=3):
    """One zoomed line of the same syllables per font, for choosing a font."""
    pitch = CELL + 4
    sheet = Bitmap(len(sample) * pitch * k + 8, len(fonts) * (pitch * k + 8) + 8)
    for f, font in enumerate(fonts):
        for i, ch in enumerate(sample):
            sheet.blit(zoom(font.render(ch, CELL), k), 4 + i * pitch * k,
                       4 + f * (pitch * k + 8))
    return sheet


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--font", action="append", required=True,
                    help="bdf:PATH:EM or ttf:PATH:PX; the first one is used for output")
    ap.add_argument("--out", type=Path, help="folder for the .bmp files")
    ap.add_argument("--sheet", type=Path, help="contact sheet PNG of the output")
    ap.add_argument("--compare", type=Path, help="PNG comparing the fonts on a sample")
    ap.add_argument("--sample", default="가각힣뛟쀍휅괢똻쒧뷁꿻왮햏뭥쫬읽쉛붥딿")
    args = ap.parse_args()
    fonts = [open_font(spec) for spec in args.font]
    if args.compare:
        save_png(candidate_sheet(fonts, args.sample), args.compare)
    if not (args.out or args.sheet):
        return
    atlases = [build_atlas(fonts[0], a) for a in range(len(ATLAS_NAMES))]
    jamo = [build_jamo(fonts[0], n) for n in range(len(JAMO))]
    if args.out:
        args.out.mkdir(parents=True, exist_ok=True)
        for name, atlas in zip(ATLAS_NAMES, atlases):
            (args.out / f"{name}.bmp").write_bytes(bmp_1bit(atlas))
        for (name, _), picture in zip(JAMO, jamo):
            (args.out / f"{name}.bmp").write_bytes(bmp_24bit(picture))
    if args.sheet:
        save_png(contact_sheet(atlases, jamo), args.sheet)


if __name__ == "__main__":
    sys.exit(main())
