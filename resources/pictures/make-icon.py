#!/usr/bin/python3
"""Write the program's icon, drawn pixel by pixel at every size desktops ask for.

krimvel.ico is the 32x32, 16-colour window icon, put together byte by byte so
that it stays a plain, single-image 4-bit icon (766 bytes) that every Windows
version and every icon reader understands.

krimvel-16.png ... krimvel-256.png are the same design drawn on each size's own
pixel grid, so that no size is a blurred scaling of another: lines and letters
fall on whole pixels. From 32 up the word KRIMVEL is drawn in letters of 1, 2,
4 or 8 pixels a dot; at 16 and 24 it cannot be read, so its initial stands in.
The 32x32 PNG has exactly the pixels of the .ico.

Only Python 3 is needed (zlib writes the PNGs).
Run:  /usr/bin/python3 make-icon.py   (writes the files beside it)
"""
import os
import struct
import zlib

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)

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


def draw(size=SIZE):
    """The icon at `size` pixels, as rows of palette indices."""
    unit = size / SIZE
    px = [[RED] * size for _ in range(size)]
    lo = round(2 * unit)             # the red margin
    hi = size - 1 - lo
    frame = max(1, round(unit))      # the white frame's width, and the diagonals'
    for i in range(lo, hi + 1):
        for j in range(lo, hi + 1):
            if min(i - lo, j - lo, hi - i, hi - j) < frame:
                px[i][j] = WHITE
            elif abs(i - j) < frame or abs(i + j - lo - hi) < frame:
                px[i][j] = BLACK     # the two diagonals of the blue square
            else:
                px[i][j] = BLUE

    word = WORD if size >= SIZE else WORD[0]
    dot = max(1, size // SIZE) if size >= SIZE else (size + 8) // 16
    width = (sum(len(FONT[c][0]) for c in word) + len(word) - 1) * dot
    x0, y0 = (size - width + dot) // 2, (size - 5 * dot) // 2
    # A black band one dot wider than the word all round keeps the yellow
    # readable where it crosses the frame and the diagonals.
    for y in range(y0 - dot, y0 + 6 * dot):
        for x in range(x0 - dot, x0 + width + dot):
            px[y][x] = BLACK
    x = x0
    for c in word:
        glyph = FONT[c]
        for dy, row in enumerate(glyph):
            for dx, bit in enumerate(row):
                if bit == "X":
                    for y in range(y0 + dy * dot, y0 + (dy + 1) * dot):
                        for xx in range(x + dx * dot, x + (dx + 1) * dot):
                            px[y][xx] = YELLOW
        x += (len(glyph[0]) + 1) * dot
    return px


def png_bytes(px):
    """An 8-bit RGB PNG, written the same way every time."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))
    size = len(px)
    raw = b"".join(b"\0" + bytes(v for i in row for v in PALETTE[i]) for row in px)
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


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


def write(name, data):
    path = os.path.join(HERE, name)
    with open(path, "wb") as f:
        f.write(data)
    print(path, len(data), "bytes")


def main():
    data = ico_bytes(draw())
    assert len(data) == 766, len(data)
    write("krimvel.ico", data)
    for size in PNG_SIZES:
        write(f"krimvel-{size}.png", png_bytes(draw(size)))


if __name__ == "__main__":
    main()
