#!/usr/bin/env python3
"""Writes the picture files that are not what they should be, for the picture loading tests.

Each file is named like a picture the program reads; what the loader must do with each one
is listed in tests/test_badfiles.cpp. Run from anywhere: the files land beside this script.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Clear code, pixel 0, end code in 3-bit codes: one pixel of colour 0.
ONE_PIXEL = bytes([2, 2, 0x44, 0x01, 0])


def gif(screen, frames, version=b"89a"):
    """A GIF with a two-colour table; frames are (left, top, width, height) with one pixel."""
    out = b"GIF" + version + struct.pack("<HHBBB", *screen, 0x80, 0, 0)
    out += b"\x00\x00\x00\xff\xff\xff"
    for left, top, width, height in frames:
        out += b"," + struct.pack("<HHHHB", left, top, width, height, 0) + ONE_PIXEL
    return out + b";"


def whole_frame(width, height):
    """LZW data for a frame of colour 0 at 2-bit code size, with a clear code after every two
    pixels so that the codes stay 3 bits wide: every pixel is there, and the end code."""
    codes = []
    for i in range(width * height):
        if i % 2 == 0:
            codes.append(4)
        codes.append(0)
    codes.append(5)
    bits = sum(code << (3 * i) for i, code in enumerate(codes))
    data = bits.to_bytes((3 * len(codes) + 7) // 8, "little")
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return bytes([2]) + blocks + b"\0"


def whole_gif(screen, frames):
    """A GIF whose frames, (left, top, width, height), hold every one of their pixels."""
    out = b"GIF89a" + struct.pack("<HHBBB", *screen, 0x81, 0, 0)
    out += b"\x00\x00\x00\xff\xff\xff\x00\x00\xff\x00\xff\x00"
    for left, top, width, height in frames:
        out += b"," + struct.pack("<HHHHB", left, top, width, height, 0)
        out += whole_frame(width, height)
    return out + b";"


def png(width, height, rows=None):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    if rows is None:
        rows = b"".join(b"\x00" + bytes([(x * 32) & 0xFF for x in range(width)])
                        for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


def bmp(width, height, pixels=True):
    row = (width * 3 + 3) // 4 * 4
    data = bytes(row * height) if pixels else b""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, row * height, 2835, 2835, 0,
                       0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 54) + info + data


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


with open(os.path.join(HERE, "..", "..", "assets", "1.gif"), "rb") as f:
    real = f.read()

write("empty.gif", b"")
write("text.gif", b"This is not a picture.\n")
write("html-error-page.gif", b"<html><body><h1>404 Not Found</h1></body></html>\n")
write("header-only.gif", real[:13])
write("truncated.gif", real[: len(real) // 2])
write("wrong-magic.gif", b"GIF00a" + real[6:])
write("one-pixel.gif", gif((1, 1), [(0, 0, 1, 1)]))
write("huge-screen.gif", gif((3000, 3000), [(0, 0, 1, 1)]))
write("widest-screen.gif", gif((65535, 65535), [(0, 0, 1, 1)]))
write("zero-screen.gif", gif((0, 0), [(0, 0, 0, 0)]))
write("zero-screen-huge-frame.gif", gif((0, 0), [(0, 0, 5000, 5000)]))
write("zero-height-wide-screen.gif", gif((60000, 0), [(0, 0, 1, 500)]))
write("zero-width-tall-screen.gif", gif((0, 2040), [(15000, 0, 1, 1)]))
write("frame-larger-than-screen.gif", gif((16, 16), [(0, 0, 60000, 60000)]))
write("frame-outside-screen.gif", gif((16, 16), [(65000, 65000, 100, 100)]))
write("later-frame-larger.gif", gif((16, 16), [(0, 0, 16, 16), (0, 0, 65535, 65535)]))
write("png-named.gif", png(8, 8))
write("bmp-named.gif", bmp(8, 8))
write("huge-png-named.gif", png(30000, 30000, rows=b"\x00"))
write("huge-bmp-named.gif", bmp(30000, 30000, pixels=False))
write("xpm-huge-named.gif",
      b'/* XPM */\nstatic char *x[] = {\n"30000 30000 1 1",\n"  c #000000",\n"  "\n};\n')
# Well formed, whatever follows the trailer; cut short just before it.
write("trailing-newline.gif", real + b"\n")
write("padded-after-trailer.gif", real + bytes(4096))
write("cut-before-trailer.gif", real[:-1])
# Frames that hold all their pixels, partly or wholly off the screen, or larger than it.
write("whole-frame-overhanging-screen.gif", whole_gif((16, 16), [(8, 8, 16, 16)]))
write("whole-frame-off-screen.gif", whole_gif((16, 16), [(100, 100, 4, 4)]))
write("whole-later-frame-larger.gif", whole_gif((16, 16), [(0, 0, 16, 16), (0, 0, 40, 40)]))
