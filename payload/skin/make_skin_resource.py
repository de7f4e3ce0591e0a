#!/usr/bin/env python3
"""Writes cubeworks.she, the skin resource the program hands to its skin library.

Format (little-endian): ".SHE", u16 version 1, u16 record count, then records of u16 tag,
u16 length and the body. Tag 1: u32 colour count and COLORREFs (0x00BBGGRR) in the role order
of skin.c; tag 2: i32 font height, i32 weight, UTF-16 face name with its zero; tag 3: u32 corner
radius. Run again after changing the values below; the output is committed."""
import os
import struct

COLOURS = [  # (role, red, green, blue)
    ("window", 0xDD, 0xE6, 0xF0),
    ("panel", 0xF4, 0xF7, 0xFB),
    ("text", 0x1E, 0x2B, 0x3A),
    ("text disabled", 0x8E, 0x9B, 0xAA),
    ("border", 0x9F, 0xB4, 0xCC),
    ("accent", 0x2F, 0x6F, 0xB7),
    ("accent text", 0xFF, 0xFF, 0xFF),
    ("button", 0x3C, 0x82, 0xD0),
    ("button hot", 0x58, 0x98, 0xE0),
    ("button pressed", 0x27, 0x5C, 0x9C),
    ("button text", 0xFF, 0xFF, 0xFF),
    ("edit", 0xFF, 0xFF, 0xFF),
    ("edit text", 0x1E, 0x2B, 0x3A),
    ("status", 0xC9, 0xD6, 0xE4),
]
# The windows' own face and size, so that controls sized by their font (combo boxes) keep
# the places of the window tables.
FONT = (-12, 400, "宋体")
CORNER_RADIUS = 3


def record(tag, body):
    return struct.pack("<HH", tag, len(body)) + body


def main():
    colours = struct.pack("<I", len(COLOURS)) + b"".join(
        struct.pack("<I", r | (g << 8) | (b << 16)) for _, r, g, b in COLOURS)
    height, weight, face = FONT
    font = struct.pack("<ii", height, weight) + (face + "\0").encode("utf-16-le")
    shape = struct.pack("<I", CORNER_RADIUS)
    records = [record(1, colours), record(2, font), record(3, shape)]
    data = b".SHE" + struct.pack("<HH", 1, len(records)) + b"".join(records)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "cubeworks.she")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
