#!/usr/bin/python3
"""Write krimvel.ico: the program's 32x32, 16-colour window icon.

The file is put together byte by byte so that it stays a plain, single-image
4-bit icon (766 bytes) that every Windows version and every icon reader
understands; no image library is needed.

Run:  /usr/bin/python3 make-icon.py   (writes krimvel.ico beside it)
"""
import os
import struct

SIZE = 32
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "krimvel.ico")

# The standard 16-colour palette, in the order 4-bit Windows bitmaps use.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, RED, YELLOW, BLUE, WHITE = 0, 9, 11, 12, 15

# Letters 5 pixels high. I and M get their natural widths (1 and 5) so that
# the whole word, with 1-pixel gaps, is 27 pixels wide and fits the icon.
FONT = {
    "K": ["X.X", "X.X", "XX.", "X.X", "X.X"],
    "R": ["XX.", "X.X", "XX.", "X.X", "X.X"],
    "I": ["X", "X", "X", "X", "X"],
    "M": ["X...X", "XX.XX", "X.X.X", "X...X", "X...X"],
    "V": ["X.X", "X.X", "X.X", "X.X", ".X."],
    "E": ["XXX", "X..", "XX.", "X..", "XXX"],
    "L": ["X..", "X..", "X..", "X..", "XXX"],
}
WORD = "KRIMVEL"


def draw():
    px = [[RED] * SIZE for _ in range(SIZE)]
    lo, hi = 2, SIZE - 3            # the white frame
    for i in range(lo, hi + 1):
        for j in range(lo, hi + 1):
            edge = i in (lo, hi) or j in (lo, hi)
            px[i][j] = WHITE if edge else BLUE
    for k in range(lo + 1, hi):      # the two diagonals of the blue square
        px[k][k] = BLACK
        px[k][lo + hi - k] = BLACK

    width = sum(len(FONT[c][0]) for c in WORD) + len(WORD) - 1
    x0, y0 = (SIZE - width + 1) // 2, (SIZE - 5) // 2
    # A black band one pixel wider than the word all round keeps the yellow
    # readable where it crosses the frame and the diagonals.
    for y in range(y0 - 1, y0 + 6):
        for x in range(x0 - 1, x0 + width + 1):
            px[y][x] = BLACK
    x = x0
    for c in WORD:
        glyph = FONT[c]
        for dy, row in enumerate(glyph):
            for dx, bit in enumerate(row):
                if bit == "X":
                    px[y0 + dy][x + dx] = YELLOW
        x += len(glyph[0]) + 1
    return px


def ico_bytes(px):
    xor = bytearray()
    for row in reversed(px):          # bitmaps are stored bottom row first
        for j in range(0, SIZE, 2):
            xor.append(row[j] << 4 | row[j + 1])
    and_mask = bytes(SIZE * SIZE // 8)  # all zero: every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + palette + bytes(xor) + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return icondir + entry + image


def main():
    data = ico_bytes(draw())
    assert len(data) == 766, len(data)
    with open(OUT, "wb") as f:
        f.write(data)
    print(OUT, len(data), "bytes")


if __name__ == "__main__":
    main()
