#!/usr/bin/env python3
"""Writes the seed files of the picture decoders' fuzz corpora under fuzz/corpus/.

Usage: scripts/make-fuzz-corpus.py [path/to/quiltara-cli]

The small pictures are assembled byte by byte here (BMP, PNG, PNM, PCX, TGA,
PSD, PIC, TIFF); the JPEG and GIF seeds are made from them with quiltara-cli's
convert, and EXIF orientation blocks are spliced into copies. The output is
committed, so building needs none of this.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def pixels(width, height):
    """A small picture with a gradient and a diagonal, rows top-down, (r, g, b)."""
    return [[((x * 255) // max(width - 1, 1), (y * 255) // max(height - 1, 1), 255 if x == y else 40)
             for x in range(width)] for y in range(height)]


def bmp(rows, bits=24):
    height, width = len(rows), len(rows[0])
    if bits == 24:
        stride = (width * 3 + 3) & ~3
        data = b"".join(bytes(v for r, g, b in row for v in (b, g, r)).ljust(stride, b"\0") for row in reversed(rows))
        palette = b""
    else:  # 8-bit with a grey palette
        stride = (width + 3) & ~3
        data = b"".join(bytes((r + g + b) // 3 for r, g, b in row).ljust(stride, b"\0") for row in reversed(rows))
        palette = b"".join(bytes((i, i, i, 0)) for i in range(256))
    offset = 54 + len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       256 if bits == 8 else 0, 0)
    return header + info + palette + data


def rle8_bmp(width, height):
    data = b""
    for y in range(height):
        data += bytes((width, y % 256, 0, 0))
    data += b"\0\1"
    palette = b"".join(bytes((i, 255 - i, i // 2, 0)) for i in range(256))
    offset = 54 + len(palette)
    return (b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 0, 0, 256, 0) + palette + data)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def tiff_orientation_block(orientation):
    return b"II*\0" + struct.pack("<IHHHIHHI", 8, 1, 0x0112, 3, 1, orientation, 0, 0)


def png(rows, alpha=False, exif=None, interlaced=False):
    height, width = len(rows), len(rows[0])
    raw = b""
    for y, row in enumerate(rows):
        raw += b"\0" + b"".join(bytes((r, g, b, (x * 40) % 256) if alpha else (r, g, b)) for x, (r, g, b) in enumerate(row))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
    if exif:
        out += chunk(b"eXIf", exif)
    return out + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def palette_png(width, height):
    raw = b"".join(b"\0" + bytes((x + y) % 4 for x in range(width)) for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)) +
            chunk(b"PLTE", bytes((255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255))) +
            chunk(b"tRNS", bytes((0, 128))) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def pnm(rows, kind):
    height, width = len(rows), len(rows[0])
    if kind == "P6":
        return b"P6\n%d %d\n255\n" % (width, height) + b"".join(bytes(v for p in row for v in p) for row in rows)
    if kind == "P5":
        return b"P5 %d %d 65535\n" % (width, height) + b"".join(
            struct.pack(">H", (p[0] + p[1]) * 128) for row in rows for p in row)
    if kind == "P4":
        return b"P4\n# bitmap\n%d %d\n" % (width, height) + b"".join(
            bytes(sum(1 << (7 - b) for b in range(8) if x + b < width and (x + b + y) % 3 == 0) for x in range(0, width, 8))
            for y in range(height))
    if kind == "P3":
        return b"P3 %d %d 255\n" % (width, height) + b"\n".join(
            b" ".join(b"%d %d %d" % p for p in row) for row in rows) + b"\n"
    return b"P1\n%d %d\n" % (width, height) + b"\n".join(
        b"".join(b"1" if (x + y) % 2 else b"0" for x in range(width)) for y in range(height)) + b"\n"


def pcx(rows, planes):
    height, width = len(rows), len(rows[0])
    bpl = width + (width & 1)
    header = struct.pack("<BBBBHHHHHH", 10, 5, 1, 8, 0, 0, width - 1, height - 1, 72, 72) + bytes(48) + bytes(
        (0, planes)) + struct.pack("<HH", bpl, 1) + bytes(58)
    data = b""
    for row in rows:
        for plane in range(planes):
            line = bytes((row[x][plane] if planes == 3 else (row[x][0] // 2)) if x < width else 0 for x in range(bpl))
            for value in line:
                data += bytes((0xC1, value)) if value >= 0xC0 else bytes((value,))
    if planes == 1:
        data += b"\x0c" + b"".join(bytes((i, 255 - i, i)) for i in range(256))
    return header + data


def tga(rows, rle=False):
    height, width = len(rows), len(rows[0])
    header = bytes((0, 0, 10 if rle else 2, 0, 0, 0, 0, 0)) + struct.pack("<HHHHBB", 0, 0, width, height, 24, 0x20)
    body = b""
    for row in rows:
        for r, g, b in row:
            body += (b"\x00" if rle else b"") + bytes((b, g, r))
    return header + body


def psd(rows):
    height, width = len(rows), len(rows[0])
    header = b"8BPS" + struct.pack(">H6sHIIHH", 1, bytes(6), 3, height, width, 8, 3)
    data = b"".join(bytes(p[c] for row in rows for p in row) for c in range(3))
    return header + struct.pack(">I", 0) + struct.pack(">I", 0) + struct.pack(">I", 0) + struct.pack(">H", 0) + data


def softimage_pic(rows):
    height, width = len(rows), len(rows[0])
    header = struct.pack(">I", 0x5380F634) + struct.pack(">f", 3.71) + bytes(80) + b"PICT" + struct.pack(
        ">HHfHH", width, height, 1.0, 3, 0)
    packets = bytes((0, 8, 0, 0xE0))  # one packet: last, 8 bits, uncompressed, R G B
    body = b"".join(bytes(v for p in row for v in p) for row in rows)
    return header + packets + body


def tiff(rows, orientation=1):
    height, width = len(rows), len(rows[0])
    data = b"".join(bytes(v for p in row for v in p) for row in rows)
    entries = [(256, 3, 1, width), (257, 3, 1, height), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 2),
               (273, 4, 1, 0), (274, 3, 1, orientation), (277, 3, 1, 3), (278, 3, 1, height), (279, 4, 1, len(data))]
    ifd_offset = 8
    data_offset = ifd_offset + 2 + 12 * len(entries) + 4
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        if tag == 273:
            value = data_offset
        ifd += struct.pack("<HHI", tag, kind, count) + (struct.pack("<HH", value, 0) if kind == 3 else struct.pack("<I", value))
    return b"II*\0" + struct.pack("<I", ifd_offset) + ifd + b"\0\0\0\0" + data


def with_exif(jpeg, orientation):
    payload = b"Exif\0\0" + tiff_orientation_block(orientation)
    return jpeg[:2] + b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload + jpeg[2:]


def write(name, filename, data):
    folder = os.path.join(CORPUS, name)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, filename), "wb") as f:
        f.write(data)


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "quiltara-cli")
    small = pixels(13, 7)
    seeds = {
        "bmp": {"rgb24_13x7.bmp": bmp(small), "grey8_13x7.bmp": bmp(small, 8), "rle8_9x4.bmp": rle8_bmp(9, 4)},
        "png": {"rgb_13x7.png": png(small), "rgba_13x7.png": png(small, alpha=True),
                "exif6_13x7.png": png(small, exif=tiff_orientation_block(6)), "palette_trns_5x3.png": palette_png(5, 3)},
        "pnm": {"p6.ppm": pnm(small, "P6"), "p5_16bit.pgm": pnm(small, "P5"), "p4.pbm": pnm(small, "P4"),
                "p3.ppm": pnm(pixels(3, 2), "P3"), "p1.pbm": pnm(pixels(5, 3), "P1")},
        "pcx": {"rgb_13x7.pcx": pcx(small, 3), "palette_13x7.pcx": pcx(small, 1)},
        "stb": {"tga_13x7": b"\0" + tga(small), "tga_rle_13x7": b"\0" + tga(small, rle=True),
                "psd_13x7": b"\1" + psd(small), "pic_13x7": b"\2" + softimage_pic(small)},
        "tiff": {"rgb_13x7.tif": tiff(small), "rgb_orientation8_13x7.tif": tiff(small, 8)},
    }
    for name, files in seeds.items():
        for filename, data in files.items():
            write(name, filename, data)

    # JPEG and GIF through the program's own encoders.
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "in.bmp")
        with open(source, "wb") as f:
            f.write(bmp(pixels(40, 24)))
        encoded = {}
        for out, quality in (("q90.jpg", "90"), ("q30.jpg", "30"), ("palette.gif", "90")):
            target = os.path.join(folder, out)
            subprocess.run([cli, "convert", source, target, "--quality", quality], check=True, stdout=subprocess.DEVNULL)
            with open(target, "rb") as f:
                encoded[out] = f.read()
    write("jpeg", "q90_40x24.jpg", encoded["q90.jpg"])
    write("jpeg", "q30_40x24.jpg", encoded["q30.jpg"])
    write("jpeg", "exif6_q90_40x24.jpg", with_exif(encoded["q90.jpg"], 6))
    write("jpeg", "truncated_40x24.jpg", encoded["q90.jpg"][: len(encoded["q90.jpg"]) // 2])
    write("gif", "palette_40x24.gif", encoded["palette.gif"])

    # The generic loader sees one of each.
    for name, filename, data in (("picture", "a.png", seeds["png"]["rgba_13x7.png"]),
                                 ("picture", "a.jpg", with_exif(encoded["q30.jpg"], 5)),
                                 ("picture", "a.gif", encoded["palette.gif"]),
                                 ("picture", "a.bmp", seeds["bmp"]["rle8_9x4.bmp"]),
                                 ("picture", "a.tif", seeds["tiff"]["rgb_orientation8_13x7.tif"]),
                                 ("picture", "a.pcx", seeds["pcx"]["palette_13x7.pcx"]),
                                 ("picture", "a.pbm", seeds["pnm"]["p4.pbm"]),
                                 ("picture", "a.psd", seeds["stb"]["psd_13x7"][1:]),
                                 ("picture", "a.tga", seeds["stb"]["tga_13x7"][1:])):
        write(name, filename, data)


if __name__ == "__main__":
    main()
