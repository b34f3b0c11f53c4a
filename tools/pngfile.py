"""The PNG writer of the artwork tools: 8-bit RGB or RGBA, one IDAT, no other chunks."""

import struct
import zlib


def png_bytes(rows):
    """rows: equal rows of (r, g, b) or (r, g, b, a) tuples of 0..255 -> PNG file bytes."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    channels = len(rows[0][0])
    colour_type = {3: 2, 4: 6}[channels]
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))
