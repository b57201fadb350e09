"""Writes an RGBA PNG by hand (pure standard library), for the drawing
scripts under tools/ that compute their pictures pixel by pixel."""
import struct
import zlib


def rgba_png(width, height, pixel):
    """The PNG bytes of a width x height picture; pixel(x, y) gives the
    (red, green, blue, alpha) of each pixel, not premultiplied."""
    rows = b""
    for y in range(height):
        rows += b"\x00" + b"".join(struct.pack("4B", *pixel(x, y)) for x in range(width))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
