#!/usr/bin/env python3
"""Makes the program's data files: the hand pointer H_MOVE.CUR (a 32x32 cursor), the entry
sound ding-dong1.wav (a two-tone chime) and the executable's icon verdelune.ico (the crescent
of the main window, 16, 32, 48 and 256 pixels). All are drawn and synthesised here, so that
the project owns them. Output is deterministic: run it again and the files are the same.

    make_assets.py OUTPUT_FOLDER
"""
import math
import struct
import sys
import zlib
from pathlib import Path

# The hand, as the pointer shows it while the moderator drags: '#' outline, '.' fill, blank
# transparent. The hot spot is the tip of the index finger.
HAND = [
    "                                ",
    "            ##                  ",
    "           #..#                 ",
    "           #..#                 ",
    "           #..# ##              ",
    "           #..##..##            ",
    "           #..#..#..##          ",
    "           #..#..#..#..#        ",
    "      ##   #..#..#..#..#        ",
    "     #..#  #..#..#..#..#        ",
    "     #...# #..#..#..#..#        ",
    "      #...##..........#         ",
    "       #..............#         ",
    "        #.............#         ",
    "        #.............#         ",
    "         #...........#          ",
    "          #..........#          ",
    "          #.........#           ",
    "           #........#           ",
    "           #........#           ",
    "           ##########           ",
] + [" " * 32] * 11
HOT_SPOT = (12, 1)
SIZE = 32


def cursor_bytes():
    assert len(HAND) == SIZE and all(len(row) == SIZE for row in HAND)
    # 32-bit BGRA colour image, bottom row first, then a 1-bit AND mask (1 = transparent).
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(HAND):
        bits = 0
        for x, c in enumerate(row):
            if c == "#":
                pixels += bytes((0, 0, 0, 255))
            elif c == ".":
                pixels += bytes((255, 255, 255, 255))
            else:
                pixels += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    image = header + pixels + mask
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 22)
    return icondir + entry + image


def chime_bytes(rate=22050):
    """Two bell tones, high then low (E5 then C5), each with two overtones and a decay."""
    samples = []
    for freq, start, length in ((659.25, 0.0, 0.9), (523.25, 0.45, 1.1)):
        first = int(start * rate)
        while len(samples) < first + int(length * rate):
            samples.append(0.0)
        for n in range(int(length * rate)):
            t = n / rate
            envelope = math.exp(-3.2 * t) * min(1.0, t / 0.004)
            tone = (math.sin(2 * math.pi * freq * t) + 0.35 * math.sin(2 * math.pi * 2 * freq * t)
                    + 0.12 * math.sin(2 * math.pi * 3.01 * freq * t))
            samples[first + n] += 0.42 * envelope * tone
    pcm = b"".join(struct.pack("<h", max(-32767, min(32767, round(s * 32767)))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + \
        struct.pack("<I", len(pcm)) + pcm
    return b"RIFF" + struct.pack("<I", len(body)) + body


GREEN, RIM = (0x3C, 0xB0, 0x43), (0x1E, 0x6B, 0x2A)
ICON_SIZES = (16, 32, 48, 256)


def crescent_rgba(size):
    """The emblem as the main window draws it (platform/win32/Emblem.cpp): a green disc with a
    darker rim, less a disc up and to the right; here the bite is transparent and the edges
    are smoothed by 4x4 samples a pixel. Rows top first, RGBA."""
    radius = size * 9 / 20
    centre = size / 2
    rim = max(1.0, radius / 12)  # a wider rim than on screen, or 16 px would lose it
    shift = radius * 9 / 20
    bite = (centre + shift, centre - shift / 2, radius * 17 / 20)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            green = edge = 0
            for sy in range(4):
                for sx in range(4):
                    px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                    d = math.hypot(px - centre, py - centre)
                    if d > radius or math.hypot(px - bite[0], py - bite[1]) < bite[2]:
                        continue
                    if d > radius - rim:
                        edge += 1
                    else:
                        green += 1
            covered = green + edge
            if covered == 0:
                row += bytes(4)
                continue
            colour = [(g * green + r * edge) // covered for g, r in zip(GREEN, RIM)]
            row += bytes((*colour, covered * 255 // 16))
        rows.append(bytes(row))
    return rows


def png_bytes(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + \
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rows)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def dib_bytes(size, rows):
    """A 32-bit icon image: BGRA bottom row first, then the AND mask (rows padded to 32 bits)."""
    pixels, mask = bytearray(), bytearray()
    stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        bits = bytearray(stride)
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + mask


def icon_bytes():
    # The 256-pixel image as PNG, as Windows expects it from Vista on; the others as bitmaps,
    # which every version reads.
    images = [(png_bytes if size == 256 else dib_bytes)(size, crescent_rgba(size))
              for size in ICON_SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(ICON_SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    out.mkdir(parents=True, exist_ok=True)
    (out / "H_MOVE.CUR").write_bytes(cursor_bytes())
    (out / "ding-dong1.wav").write_bytes(chime_bytes())
    (out / "verdelune.ico").write_bytes(icon_bytes())


if __name__ == "__main__":
    main()
