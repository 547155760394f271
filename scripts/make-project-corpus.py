#!/usr/bin/env python3
"""Writes the seed corpus of the project-file fuzz target to fuzz/corpus/project/.

Each seed is a small .CLG file laid out as the editor writes it (header of
2124 bytes, object records of 2428 bytes, stamp records of 72 bytes), named
"fuzz" so that it passes the project-folder test of the fuzz workspace.
"""
import pathlib
import struct

HEADER, RECORD, STAMP = 2124, 2428, 72
OUT = pathlib.Path(__file__).resolve().parent.parent / "fuzz" / "corpus" / "project"


def header(num_slots, num_objects, width=800, height=600, zoom=1.0, name=b"fuzz", texture=b""):
    h = bytearray(HEADER)
    h[0:len(name)] = name
    h[30:40] = b"Ver 3.00\t\0"
    struct.pack_into("<ii", h, 840, num_objects, num_slots)
    struct.pack_into("<ii", h, 868, 0, -1)  # SelIndex, SizingHandle
    struct.pack_into("<iiii", h, 876, width, height, int(width * zoom), int(height * zoom))
    struct.pack_into("<f", h, 968, zoom)
    h[972:972 + len(texture)] = texture
    struct.pack_into("<IiiIi", h, 1112, 0xFFFFFF, 0, 1, 0xFFFFFF, 0)
    return h


def record(photo=True, in_use=1, left=10, top=20, width=100, height=80, z=0, file=b"", mask=b"",
           rotation=0, unrotated=(0, 0), points=28):
    r = bytearray(RECORD)
    r[0] = in_use
    struct.pack_into("<iiii", r, 12, left, top, width, height)
    wrap = lambda v: (v + 2**31) % 2**32 - 2**31  # as a 32-bit sum would
    struct.pack_into("<iiii", r, 28, left, top, wrap(left + width), wrap(top + height))
    struct.pack_into("<iiii", r, 60, -1, -1, -1, -1)
    r[76:76 + len(file)] = file
    r[226:226 + len(mask)] = mask
    struct.pack_into("<i", r, 412, z)
    struct.pack_into("<f", r, 424, 1.0)
    r[428] = 1
    r[432] = 0 if photo else 1
    r[438] = 1 if photo else 0
    if not photo:
        r[444:444 + 5] = b"Hello"
    struct.pack_into("<i", r, 1396, points)
    struct.pack_into("<i", r, 1408, rotation)
    struct.pack_into("<ii", r, 1468, *unrotated)
    return r


def stamp(name=b"heart.png", x=5, y=6):
    s = bytearray(STAMP)
    s[0:len(name)] = name
    struct.pack_into("<ii", s, 52, x, y)
    return s


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    seeds = {
        "empty": header(0, 0),
        "photo_and_text": header(2, 2) + record(file=b"C:\\Photos\\a.jpg", z=1) + record(photo=False, z=0),
        "free_slot": header(3, 2) + record(z=1, file=b"/p/a.jpg") + record(in_use=0) + record(photo=False),
        "stamps": header(1, 1) + record(photo=False) + stamp() + stamp(b"Stamps\\star.png", 300, 400),
        "short_stamp": header(0, 0) + stamp() + stamp()[:40],
        "short_record": header(2, 2) + record() + record()[:100],
        "short_header": header(0, 0)[:900],
        "rotated": header(1, 1) + record(file=b"/p/r.jpg", rotation=30, unrotated=(80, 50)),
        "texture": header(0, 0, texture=b"C:\\Program Files\\Other\\Textures\\wood.bmp"),
        "zoom_40": header(1, 1, zoom=0.4) + record(photo=False),
        "mask": header(1, 1) + record(file=b"/p/m.jpg", mask=b"D:\\MASKS\\oval.bmp", points=5000),
        "slots_201": header(201, 1) + record(),
        "bad_geometry": header(2, 2) + record(width=0) + record(photo=False, left=0x7FFFFFF0, z=1),
        "bad_name": header(1, 1, name=b"..") + record(),
        "big_text": header(1, 1, 50000, 50000) + record(photo=False, width=50000, height=50000),
    }
    for name, data in seeds.items():
        (OUT / f"{name}.CLG").write_bytes(bytes(data))


if __name__ == "__main__":
    main()
