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


def pack_codes(codes, code_size=2):
    """LZW codes as a decoder reads them, in sub-blocks: the codes start one bit wider than the
    code size and widen by a bit whenever the codes read since the last clear code reach the
    next power of two, up to 12 bits."""
    clear = 1 << code_size
    width, running, limit = code_size + 1, clear + 2, 1 << (code_size + 1)
    value = count = 0
    for code in codes:
        value |= code << count
        count += width
        if running < 4097:
            running += 1
            if running > limit and width < 12:
                limit, width = limit << 1, width + 1
        if code == clear:
            width, running, limit = code_size + 1, clear + 2, 1 << (code_size + 1)
    data = value.to_bytes((count + 7) // 8, "little")
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return bytes([code_size]) + blocks + b"\0"


def whole_frame(pixels):
    """LZW data for a frame of the given colours at 2-bit code size, with a clear code after
    every two pixels so that the codes stay 3 bits wide, and the end code."""
    codes = []
    for i, pixel in enumerate(pixels):
        if i % 2 == 0:
            codes.append(4)
        codes.append(pixel)
    return pack_codes(codes + [5])


def whole_gif(screen, frames, interlaced=False):
    """A GIF whose frames, (left, top, width, height) and optionally their colours row by
    row, hold every one of their pixels; the colours default to 0."""
    out = b"GIF89a" + struct.pack("<HHBBB", *screen, 0x81, 0, 0)
    out += b"\x00\x00\x00\xff\xff\xff\x00\x00\xff\x00\xff\x00"
    for left, top, width, height, *colours in frames:
        rows = colours[0] if colours else [[0] * width for _ in range(height)]
        if interlaced:
            rows = [rows[y] for first, step in ((0, 8), (4, 8), (2, 4), (1, 2))
                    for y in range(first, height, step)]
        out += b"," + struct.pack("<HHHHB", left, top, width, height, 0x40 if interlaced else 0)
        out += whole_frame([pixel for row in rows for pixel in row])
    return out + b";"


def coded_gif(width, height, codes):
    """A GIF of one frame that fills its screen, with the LZW codes given at 2-bit code size."""
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0)
    out += b"\x00\x00\x00\xff\xff\xff\x00\x00\xff\x00\xff\x00"
    out += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    return out + pack_codes(codes) + b";"


def png(width, height, rows=None, cut=None):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    if rows is None:
        rows = b"".join(b"\x00" + bytes([(x * 32) & 0xFF for x in range(width)])
                        for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))[:cut]


def bmp(width, height, bits=24, pixel_bytes=None, compression=0, table=b"", offset=None,
        data=None):
    """A Windows BMP of black pixels, the first pixel_bytes of them if given; the table is its
    colours, or its three masks with compression 3; offset says where its pixels begin."""
    size = (width * bits + 31) // 32 * 4 * abs(height) if data is None else len(data)
    if data is None:
        data = bytes(size if pixel_bytes is None else min(size, pixel_bytes))
    colours = len(table) // 4 if compression != 3 else 0
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, size, 2835, 2835,
                       colours, 0)
    start = 14 + 40 + len(table)
    offset = start if offset is None else offset
    return b"BM" + struct.pack("<IHHI", start + len(data), 0, 0, offset) + info + table + data


def jpeg(width, height, scans, data=b""):
    """A grey JPEG whose blocks are all zero: a DC scan with the given entropy data, then that
    many more AC scans with none (progressive when there are any), then the end marker."""
    def segment(marker, body):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(body) + 2) + body

    one_code = bytes([1] + [0] * 15) + b"\x00"  # a single code, "0", for the symbol 0
    out = b"\xff\xd8" + segment(0xDB, b"\x00" + bytes([1] * 64))
    out += segment(0xC2 if scans else 0xC0, struct.pack(">BHHBBBB", 8, height, width, 1, 1,
                                                          0x11, 0))
    out += segment(0xC4, b"\x00" + one_code) + segment(0xC4, b"\x10" + one_code)
    out += segment(0xDA, bytes([1, 1, 0, 0, 0 if scans else 63, 0])) + data
    for _ in range(scans):
        out += segment(0xDA, bytes([1, 1, 0, 1, 63, 0]))
    return out + b"\xff\xd9"


def ico(width, height, image):
    """An icon file of one image, whose directory gives the size (0 for 256)."""
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32, len(image), 22) + image)


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
write("png-wide-named.gif", png(16, 4))
write("bmp-named.gif", bmp(8, 8))
write("huge-png-named.gif", png(30000, 30000, rows=b"\x00"))
write("widest-png-named.gif", png(0xFFFFFFFF, 0xFFFFFFFF, rows=b"\x00"))
write("huge-bmp-named.gif", bmp(30000, 30000, pixel_bytes=0))
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
# Other formats named like a picture: whole or not, only GIF, PNG and uncompressed BMP are read.
# A progressive JPEG's scans are read one by one, however many there are.
write("jpeg-progressive-many-scans.gif", jpeg(2048, 2048, scans=4000))
write("jpeg-cut-in-half.gif", jpeg(64, 64, scans=0, data=bytes(16))[:-10])
write("ico-hiding-huge-png.gif",
      ico(0, 0, png(2800, 2800, rows=bytes(2801 * 2800))))
write("xpm-named.gif",
      b'/* XPM */\nstatic char *x[] = {\n"2 2 1 1",\n"  c #000000",\n"  ",\n"  "\n};\n')
write("pbm-named.gif", b"P1\n2 2\n0 1\n1 0\n")
# PNGs and BMPs that end before their last row are refused.
write("png-cut-in-image-data.gif", png(64, 64, cut=60))
write("png-image-data-short.gif",
      png(64, 64, rows=b"".join(b"\x00" + bytes(64) for _ in range(32))))
write("bmp-bottom-row-only.gif", bmp(64, 64, pixel_bytes=64 * 3))
write("bmp-cut-by-one-byte.gif", bmp(5, 5)[:-1])  # rows of 15 bytes and one to fill
write("bmp-rle-claims-2048.gif", bmp(2048, 2048, bits=8, compression=1,
                                     table=bytes(8), data=b"\x00\x01"))
write("bmp-rle-padded.gif", bmp(8, 8, bits=8, compression=1, table=bytes(8),
                                data=b"\x00\x01" + bytes(62)))
GREYS = b"".join(bytes([i, i, i, 0]) for i in range(256))
MASKS = struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
write("bmp-8-bit-named.gif", bmp(8, 8, bits=8, table=GREYS))
write("bmp-bitfields-named.gif", bmp(8, 8, bits=32, compression=3, table=MASKS))
write("bmp-top-down-named.gif", bmp(8, -4))
# Pixels said to begin inside the colours or the masks.
write("bmp-offset-inside-colours.gif", bmp(8, 8, bits=8, table=GREYS, offset=54 + 512))
write("bmp-offset-on-masks.gif", bmp(8, 8, bits=32, compression=3, table=MASKS, offset=54))
# LZW code streams (2-bit code size: 4 clears, 5 ends, 6 is the first code of the table).
write("lzw-code-before-defined.gif", coded_gif(4, 1, [4, 0, 7, 1, 5]))
write("lzw-table-code-after-clear.gif", coded_gif(4, 1, [4, 6, 1, 5]))
write("lzw-end-before-last-pixel.gif", coded_gif(4, 1, [4, 1, 5]))
write("lzw-later-frame-code-before-defined.gif",
      coded_gif(4, 1, [4, 0, 1, 2, 3, 5])[:-1] + b"," + struct.pack("<HHHHB", 0, 0, 4, 1, 0)
      + pack_codes([4, 0, 7, 1, 5]) + b";")
# Well formed: a code used as it is defined, no clear code first, a table filled to its last
# code and used at 12 bits without a clear, and codes after the last pixel left unread.
write("lzw-code-as-it-is-defined.gif", coded_gif(3, 1, [4, 1, 6, 5]))
write("lzw-without-clear.gif", coded_gif(4, 1, [1, 2, 6, 5]))
write("lzw-full-table.gif",
      coded_gif(64, 64, [4] + [i % 4 for i in range(4091)] + [4095, 4094, 1, 5]))
write("lzw-undefined-code-after-last-pixel.gif", coded_gif(4, 1, [4, 0, 1, 2, 3, 7, 5]))
# Frames at an offset in the screen, one of them interlaced.
write("frame-at-offset.gif",
      whole_gif((12, 10), [(5, 3, 4, 4, [[(x + y) % 4 for x in range(4)] for y in range(4)])]))
write("interlaced-frame-at-offset.gif",
      whole_gif((12, 12), [(2, 1, 3, 9, [[(x + 2 * y) % 4 for x in range(3)] for y in range(9)])],
                interlaced=True))
# More frames than any picture has, and as many as a long animation.
write("many-frames.gif", gif((16, 16), [(0, 0, 1, 1)] * 5000))
write("some-frames.gif", gif((16, 16), [(0, 0, 1, 1)] * 500))
