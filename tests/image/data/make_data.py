#!/usr/bin/env python3
"""Writes the damaged and hostile PNG files the codec tests feed to the loader.

Run from anywhere; the files land beside this script. The output is deterministic.
"""
import base64
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data, crc=None):
    if crc is None:
        crc = zlib.crc32(kind + data)
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc & 0xFFFFFFFF)


def ihdr(width, height, depth, colour_type):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0))


def good_pixel(x, y):
    # Must match the expectation in png_test.cpp.
    return (x * 8 + y) & 255, (255 - y * 8) & 255, (x * y * 7) & 255


def good_rows(size):
    raw = bytearray()
    for y in range(size):
        raw.append(0)  # no filter
        for x in range(size):
            raw.extend(good_pixel(x, y))
    return bytes(raw)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    size = 32
    idat = zlib.compress(good_rows(size), 9)
    head = SIGNATURE + ihdr(size, size, 8, 2)
    end = chunk(b"IEND", b"")

    # A sound file, made by another encoder than the one under test.
    write("good.png", head + chunk(b"IDAT", idat) + end)

    # Cut off in the middle of the image data.
    whole = head + chunk(b"IDAT", idat) + end
    write("truncated.png", whole[: len(head) + 8 + len(idat) // 2])

    # Image data intact but its checksum wrong.
    write("bad_crc.png", head + chunk(b"IDAT", idat, zlib.crc32(b"IDAT" + idat) ^ 0x5A5A5A5A) + end)

    # A checksum that fits, over deflate data that cannot be decoded: after the zlib
    # header comes a block of the reserved type 3.
    damaged = idat[:2] + b"\x07" + idat[3:]
    write("bad_zlib.png", head + chunk(b"IDAT", damaged) + end)

    # A JPEG file under a PNG name.
    write("jpeg_named.png", base64.b64decode(JPEG))

    write("empty.png", b"")

    # A header beyond the side limit in front of a little data.
    write("bomb_20000.png", SIGNATURE + ihdr(20000, 20000, 8, 2)
          + chunk(b"IDAT", zlib.compress(bytes(3 * 20000 + 1) * 4, 9)) + end)

    # A complete, valid 16000 x 16000 black bilevel image: about 31 KB on disk, close to
    # a gigabyte once decoded to 32-bit pixels.
    side = 16000
    row = bytes(1 + (side + 7) // 8)
    packer = zlib.compressobj(9)
    data = b"".join(packer.compress(row) for _ in range(side)) + packer.flush()
    write("bomb_16000.png", SIGNATURE + ihdr(side, side, 1, 0) + chunk(b"IDAT", data) + end)


# The passes of Adam7 interlacing: first column and row, and the steps between them.
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def encode(width, height, depth, colour_type, samples, interlace=False, palette=b"", trns=b""):
    """A PNG of any kind from samples[y][x] (a tuple of channel values), rows unfiltered."""
    def rows(xs, ys):
        out = bytearray()
        for y in ys:
            out.append(0)
            acc = bits = 0
            for x in xs:
                for v in samples[y][x]:
                    if depth == 16:
                        out += struct.pack(">H", v)
                    elif depth == 8:
                        out.append(v)
                    else:
                        acc, bits = acc << depth | v, bits + depth
                        if bits == 8:
                            out.append(acc)
                            acc = bits = 0
            if bits:
                out.append(acc << (8 - bits))
        return out

    if interlace:
        raw = b"".join(rows(range(x0, width, dx), range(y0, height, dy)) for x0, y0, dx, dy in ADAM7
                       if x0 < width and y0 < height)
    else:
        raw = rows(range(width), range(height))
    head = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, int(interlace))
    return (SIGNATURE + chunk(b"IHDR", head) + (chunk(b"PLTE", palette) if palette else b"")
            + (chunk(b"tRNS", trns) if trns else b"") + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def kinds():
    """Every kind of PNG the loader must read as 8-bit RGB, each beside the 8-bit RGB file it
    must read as: kind-NAME.png and kind-NAME-rgb.png. Odd sizes reach every interlace pass
    and sub-byte packing."""
    import random
    rng = random.Random(5)
    width, height = 13, 11
    palette = [(255, 0, 0), (0, 128, 255), (20, 30, 40)]
    table = [  # name, depth, colour type, channels, interlaced
        ("palette4-trns", 4, 3, 1, False), ("grey8", 8, 0, 1, False), ("grey2", 2, 0, 1, False),
        ("greyalpha8", 8, 4, 2, False), ("grey16-interlaced", 16, 0, 1, True), ("rgb16", 16, 2, 3, False),
        ("rgba8", 8, 6, 4, False), ("rgba16-interlaced", 16, 6, 4, True), ("rgb8-interlaced", 8, 2, 3, True),
    ]
    for name, depth, colour_type, channels, interlace in table:
        top = 3 if colour_type == 3 else (1 << depth)
        samples = [[tuple(rng.randrange(top) for _ in range(channels)) for _ in range(width)] for _ in range(height)]
        # High byte of 16 bits, low-bit grey scaled to the full range, the palette looked up, alpha ignored.
        to8 = (lambda v: v >> 8) if depth == 16 else (lambda v: v * 255 // ((1 << depth) - 1))
        rgb = [[palette[s[0]] if colour_type == 3 else (to8(s[0]),) * 3 if channels <= 2 else tuple(map(to8, s[:3]))
                for s in row] for row in samples]
        write("kind-%s.png" % name, encode(width, height, depth, colour_type, samples, interlace,
                                           bytes(sum(palette, ())) if colour_type == 3 else b"",
                                           bytes([0, 128]) if colour_type == 3 else b""))
        write("kind-%s-rgb.png" % name, encode(width, height, 8, 2, rgb))


JPEG = (
    "/9j/4AAQSkZJRgABAQEAYABgAAD/2wBDABALDA4MChAODQ4SERATGCgaGBYWGDEjJR0oOjM9PDkz"
    "ODdASFxOQERXRTc4UG1RV19iZ2hnPk1xeXBkeFxlZ2P/2wBDARESEhgVGC8aGi9jQjhCY2NjY2Nj"
    "Y2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2NjY2P/wAARCAAIAAgDASIA"
    "AhEBAxEB/8QAHwAAAQUBAQEBAQEAAAAAAAAAAAECAwQFBgcICQoL/8QAtRAAAgEDAwIEAwUFBAQA"
    "AAF9AQIDAAQRBRIhMUEGE1FhByJxFDKBkaEII0KxwRVS0fAkM2JyggkKFhcYGRolJicoKSo0NTY3"
    "ODk6Q0RFRkdISUpTVFVWV1hZWmNkZWZnaGlqc3R1dnd4eXqDhIWGh4iJipKTlJWWl5iZmqKjpKWm"
    "p6ipqrKztLW2t7i5usLDxMXGx8jJytLT1NXW19jZ2uHi4+Tl5ufo6erx8vP09fb3+Pn6/8QAHwEA"
    "AwEBAQEBAQEBAQAAAAAAAAECAwQFBgcICQoL/8QAtREAAgECBAQDBAcFBAQAAQJ3AAECAxEEBSEx"
    "BhJBUQdhcRMiMoEIFEKRobHBCSMzUvAVYnLRChYkNOEl8RcYGRomJygpKjU2Nzg5OkNERUZHSElK"
    "U1RVVldYWVpjZGVmZ2hpanN0dXZ3eHl6goOEhYaHiImKkpOUlZaXmJmaoqOkpaanqKmqsrO0tba3"
    "uLm6wsPExcbHyMnK0tPU1dbX2Nna4uPk5ebn6Onq8vP09fb3+Pn6/9oADAMBAAIRAxEAPwCrYaJ0"
    "+WiiisauIqc25eBxVX2K1P/Z"
)

if __name__ == "__main__":
    main()
    kinds()
