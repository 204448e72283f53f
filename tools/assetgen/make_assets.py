#!/usr/bin/env python3
"""Makes the program's two data files: the hand pointer H_MOVE.CUR (a 32x32 cursor) and the
entry sound ding-dong1.wav (a two-tone chime). Both are drawn and synthesised here, so that
the project owns them. Output is deterministic: run it again and the files are the same.

    make_assets.py OUTPUT_FOLDER
"""
import math
import struct
import sys
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


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    out.mkdir(parents=True, exist_ok=True)
    (out / "H_MOVE.CUR").write_bytes(cursor_bytes())
    (out / "ding-dong1.wav").write_bytes(chime_bytes())


if __name__ == "__main__":
    main()
