#!/usr/bin/env python3
"""Writes the damaged and unusual JPEG, BMP and GIF files the picture loader must survive.

Run from anywhere; the files land beside this script. Deterministic, standard library only.
"""

import base64
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# A 16 x 16 baseline JPEG, quality 90, 4:2:0: rows 0-7 red (220, 30, 30), rows 8-15 blue
# (30, 30, 220).
JPEG_16 = base64.b64decode(
    "/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQEBQoHBwYIDAoMDAsK"
    "CwsNDhIQDQ4RDgsLEBYQERMUFRUVDA8XGBYUGBIUFRT/2wBDAQMEBAUEBQkFBQkUDQsNFBQUFBQU"
    "FBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBT/wAARCAAQABADASIA"
    "AhEBAxEB/8QAHwAAAQUBAQEBAQEAAAAAAAAAAAECAwQFBgcICQoL/8QAtRAAAgEDAwIEAwUFBAQA"
    "AAF9AQIDAAQRBRIhMUEGE1FhByJxFDKBkaEII0KxwRVS0fAkM2JyggkKFhcYGRolJicoKSo0NTY3"
    "ODk6Q0RFRkdISUpTVFVWV1hZWmNkZWZnaGlqc3R1dnd4eXqDhIWGh4iJipKTlJWWl5iZmqKjpKWm"
    "p6ipqrKztLW2t7i5usLDxMXGx8jJytLT1NXW19jZ2uHi4+Tl5ufo6erx8vP09fb3+Pn6/8QAHwEA"
    "AwEBAQEBAQEBAQAAAAAAAAECAwQFBgcICQoL/8QAtREAAgECBAQDBAcFBAQAAQJ3AAECAxEEBSEx"
    "BhJBUQdhcRMiMoEIFEKRobHBCSMzUvAVYnLRChYkNOEl8RcYGRomJygpKjU2Nzg5OkNERUZHSElK"
    "U1RVVldYWVpjZGVmZ2hpanN0dXZ3eHl6goOEhYaHiImKkpOUlZaXmJmaoqOkpaanqKmqsrO0tba3"
    "uLm6wsPExcbHyMnK0tPU1dbX2Nna4uPk5ebn6Onq8vP09fb3+Pn6/9oADAMBAAIRAxEAPwDxKivI"
    "aK/VP+IGf9TL/wApf/dT9r/4jJ/1L/8Ayr/9zP/Z"
)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def bmp_header(width, height, image_size=None, file_size=None):
    stride = (3 * width + 3) & ~3
    if image_size is None:
        image_size = (stride * abs(height)) & 0xFFFFFFFF
    if file_size is None:
        file_size = (54 + image_size) & 0xFFFFFFFF
    return (b"BM" + struct.pack("<IHHI", file_size, 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 0, 0, 0, 0))


def gif(width, height, palette, frames, screen=None):
    """frames: lists of palette indices (row by row) for full-size frames. Each pixel is
    coded after a clear code, so the code size never grows: valid LZW without a dictionary."""
    screen_w, screen_h = screen or (width, height)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", screen_w, screen_h, 0xF1, 0, 0)  # global table of 4 colours
    for r, g, b in palette:
        out += bytes((r, g, b))
    if len(frames) > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for pixels in frames:
        out += b"\x21\xF9\x04\x00\x0A\x00\x00\x00"  # 0.1 s per frame
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        min_code = 2
        clear, end = 4, 5
        codes = []
        for p in pixels:
            codes += [clear, p]
        codes.append(end)
        bits = 0
        nbits = 0
        data = bytearray()
        for c in codes:
            bits |= c << nbits
            nbits += 3
            while nbits >= 8:
                data.append(bits & 0xFF)
                bits >>= 8
                nbits -= 8
        if nbits:
            data.append(bits & 0xFF)
        out.append(min_code)
        for i in range(0, len(data), 255):
            block = data[i:i + 255]
            out.append(len(block))
            out += block
        out.append(0)
    out += b"\x3B"
    return bytes(out)


def main():
    # JPEG: cut inside the scan data (may load partly, must not crash), cut inside the
    # tables (cannot load), and a sound JPEG under the names of other formats.
    write("jpeg-truncated-scan.jpg", JPEG_16[:-20])
    write("jpeg-truncated-header.jpg", JPEG_16[:300])
    write("jpeg-named.bmp", JPEG_16)
    write("jpeg-named.gif", JPEG_16)
    write("jpeg-empty.jpg", b"")

    # BMP: headers that claim far more than the file holds.
    write("bmp-huge.bmp", bmp_header(20000, 20000) + b"\0" * 64)
    write("bmp-widest.bmp", bmp_header(0x7FFFFFFF, 1, image_size=0, file_size=0) + b"\0" * 64)
    write("bmp-truncated.bmp", bmp_header(8, 8) + b"\x40" * 50)
    # An info header the reader refuses, so no size is claimed to it, over the largest width
    # and height: the rows such a file would need do not fit in 64 bits.
    write("bmp-overflow.bmp", b"BM" + struct.pack("<IHHI", 0, 0, 0, 54)
          + struct.pack("<IiiHHI", 0x7A7A7A7A, 0x7FFFFFFF, 0x7FFFFFFF, 1, 32, 0) + b"\0" * 20)

    # GIF: 3 x 2, a two-frame animation, a tiny picture on a huge logical screen, a cut one.
    palette = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
    write("gif-3x2.gif", gif(3, 2, palette, [[0, 1, 2, 3, 3, 0]]))
    write("gif-two-frames.gif", gif(2, 2, palette, [[0, 0, 0, 0], [2, 2, 2, 2]]))
    write("gif-huge-screen.gif", gif(1, 1, palette, [[1]], screen=(65535, 65535)))
    write("gif-truncated.gif", gif(3, 2, palette, [[0, 1, 2, 3, 3, 0]])[:-8])


if __name__ == "__main__":
    main()
