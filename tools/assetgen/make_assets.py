#!/usr/bin/env python3
"""Makes the program's data files: the hand pointer H_MOVE.CUR (a 32x32 cursor), the entry
sound ding-dong1.wav (a two-tone chime) and the executable's icon verdelune.ico (the crescent
of the main window, 16, 32, 48 and 256 pixels) and the practice room's roomsim.ico (a speech
bubble, the same sizes). All are drawn and synthesised here, so that
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


def rgba_rows(size, paint):
    """An image whose pixel colours are the mean of `paint` over 4x4 samples a pixel: paint
    takes a sample's place in pixels and gives an RGB colour, or None where it is transparent.
    Rows top first, RGBA."""
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            samples = [c for sy in range(4) for sx in range(4)
                       if (c := paint(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) is not None]
            if not samples:
                row += bytes(4)
                continue
            colour = [sum(channel) // len(samples) for channel in zip(*samples)]
            row += bytes((*colour, len(samples) * 255 // 16))
        rows.append(bytes(row))
    return rows


def crescent_rgba(size):
    """The emblem as the main window draws it (platform/win32/Emblem.cpp): a green disc with a
    darker rim, less a disc up and to the right; here the bite is transparent."""
    radius = size * 9 / 20
    centre = size / 2
    rim = max(1.0, radius / 12)  # a wider rim than on screen, or 16 px would lose it
    shift = radius * 9 / 20
    bite = (centre + shift, centre - shift / 2, radius * 17 / 20)

    def paint(px, py):
        d = math.hypot(px - centre, py - centre)
        if d > radius or math.hypot(px - bite[0], py - bite[1]) < bite[2]:
            return None
        return RIM if d > radius - rim else GREEN
    return rgba_rows(size, paint)


BLUE, BLUE_RIM, WHITE = (0x3A, 0x7B, 0xD5), (0x1F, 0x4E, 0x8C), (0xFF, 0xFF, 0xFF)


def bubble_rgba(size):
    """The practice room's icon (roomsim.exe), not to be taken for the program's crescent: a
    blue speech bubble with a darker rim and a tail down to the left, three white dots of
    talk inside. Drawn on a unit square, then scaled."""
    rim = max(1 / size, 1 / 24)
    left, top, right, bottom, corner = 0.06, 0.10, 0.94, 0.70, 0.2
    tail = ((0.22, 0.62), (0.44, 0.62), (0.14, 0.93))  # its top edge lies inside the bubble

    def in_box(u, v, inset):  # the rounded rectangle shrunk by `inset`
        r = corner - inset
        cx = min(max(u, left + corner), right - corner)
        cy = min(max(v, top + corner), bottom - corner)
        return math.hypot(u - cx, v - cy) <= r

    def in_tail(u, v, inset):  # the triangle, its two outer edges moved in by `inset`
        (ax, ay), (bx, by), (cx, cy) = tail
        if v < ay:
            return False
        for (x0, y0), (x1, y1) in (((ax, ay), (cx, cy)), ((cx, cy), (bx, by))):
            side = ((x1 - x0) * (v - y0) - (y1 - y0) * (u - x0)) / math.hypot(x1 - x0, y1 - y0)
            if side > -inset:
                return False
        return True

    def paint(px, py):
        u, v = px / size, py / size
        # On pixel corners at 16 and 32 px, so that the small dots stay sharp.
        if any(math.hypot(u - x, v - 0.375) <= 0.07 for x in (0.3125, 0.5, 0.6875)):
            return WHITE
        if in_box(u, v, rim) or in_tail(u, v, rim):
            return BLUE
        if in_box(u, v, 0) or in_tail(u, v, 0):
            return BLUE_RIM
        return None
    return rgba_rows(size, paint)


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


def icon_bytes(draw):
    # The 256-pixel image as PNG, as Windows expects it from Vista on; the others as bitmaps,
    # which every version reads.
    images = [(png_bytes if size == 256 else dib_bytes)(size, draw(size))
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
    (out / "verdelune.ico").write_bytes(icon_bytes(crescent_rgba))
    (out / "roomsim.ico").write_bytes(icon_bytes(bubble_rgba))


if __name__ == "__main__":
    main()
