#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the hand-made UDS-1992 samples used by the CLI tests, byte by byte,
# without the library: sun_xy.uds (big-endian IEEE, "X-Y", second-object
# record) and vax_y.uds (VAX F reals, "Y"). Run from this directory.
import struct

REC = 512


def text(buf, off, width, s):
    buf[off:off + width] = s.encode().ljust(width, b" ")[:width]


def vax(value):
    """VAX F bytes of a float: IEEE little-endian i0 i1 i2 i3 -> i2 (i3 + 1) i0 i1."""
    if value == 0.0:
        return b"\0\0\0\0"
    i = struct.pack("<f", value)
    return bytes([i[2], (i[3] + 1) & 0xFF, i[0], i[1]])


# (offset, width) of every text field of the test, second-object and curve records.
TEST_TEXTS = [(0, 12), (16, 10), (26, 5), (31, 3), (34, 15), (53, 12), (65, 70), (135, 25),
              (160, 10), (170, 3), (185, 2), (187, 30), (217, 15), (232, 25), (261, 25),
              (286, 4), (298, 6), (308, 1), (313, 2), (315, 20), (335, 20), (379, 1)]
OBJECT2_TEXTS = [(0, 12), (16, 2), (18, 30), (48, 15), (63, 25), (92, 25), (117, 4), (129, 6),
                 (139, 1), (144, 2), (146, 20), (166, 20)]
CURVE_TEXTS = [(0, 12), (16, 10), (30, 12), (42, 30), (72, 2), (86, 2), (88, 20), (108, 20),
               (128, 20), (148, 20), (168, 20), (188, 20), (208, 70), (354, 20), (374, 70)]


def blank(buf, base, fields):
    for off, width in fields:
        text(buf, base + off, width, "")


def header(buf, numform, fileform, i32, f32):
    blank(buf, 0, TEST_TEXTS)
    text(buf, 0, 12, "UDS-1992")
    i32(12, 1)
    text(buf, 16, 10, fileform)
    text(buf, 26, 5, numform)
    text(buf, 31, 3, "MET")
    text(buf, 34, 15, "VEHICLE DB")
    i32(49, 4711)
    text(buf, 53, 12, "4711")
    text(buf, 65, 70, "FRONTAL BARRIER 56 KPH")
    f32(177, 56.3)
    i32(181, 1)
    text(buf, 217, 15, "VOLVO")
    i32(257, 97)
    f32(309, 77.7)
    text(buf, 315, 20, "BELT")


def curve(buf, base, i32, f32, fileform, nfp, nlp, dt):
    blank(buf, base, CURVE_TEXTS)
    text(buf, base, 12, "CURVE HDR")
    i32(base + 12, 1)
    text(buf, base + 16, 10, fileform)
    i32(base + 26, 12)
    text(buf, base + 30, 12, "12")
    text(buf, base + 42, 30, "VEHICLE CG")
    text(buf, base + 108, 20, "G'S")
    text(buf, base + 128, 20, "TIME")
    text(buf, base + 148, 20, "SECONDS")
    text(buf, base + 168, 20, "AM")
    i32(base + 278, nfp)
    i32(base + 282, nlp)
    f32(base + 286, dt)
    f32(base + 294, 1650.0)
    f32(base + 310, 1.0)


def sun_xy():
    buf = bytearray(5 * REC)
    i32 = lambda off, v: buf.__setitem__(slice(off, off + 4), struct.pack(">i", v))
    f32 = lambda off, v: buf.__setitem__(slice(off, off + 4), struct.pack(">f", v))
    header(buf, "SUN", "X-Y", i32, f32)
    blank(buf, REC, OBJECT2_TEXTS)
    text(buf, REC, 12, "CMP-2 HDR")
    i32(REC + 12, 2)
    text(buf, REC + 48, 15, "SAAB")
    i32(REC + 88, 88)
    curve(buf, 2 * REC, i32, f32, "X-Y", 0, 2, 0.0)
    text(buf, 3 * REC, 12, "Y DATA")
    text(buf, 4 * REC, 12, "X DATA")
    for j, (x, y) in enumerate([(0.0, 1.5), (0.25, -2.0), (0.75, 3.25)]):
        f32(3 * REC + 12 + 4 * j, y)
        f32(4 * REC + 12 + 4 * j, x)
    return buf


def vax_y():
    buf = bytearray(3 * REC)
    i32 = lambda off, v: buf.__setitem__(slice(off, off + 4), struct.pack("<i", v))
    f32 = lambda off, v: buf.__setitem__(slice(off, off + 4), vax(v))
    header(buf, "VAX", "Y", i32, f32)
    curve(buf, REC, i32, f32, "Y", -2, 2, 0.001)
    text(buf, 2 * REC, 12, "Y DATA")
    for j, y in enumerate([0.0, -1.0, -20.5, -7.25, 0.5]):
        f32(2 * REC + 12 + 4 * j, y)
    return buf


if __name__ == "__main__":
    with open("sun_xy.uds", "wb") as f:
        f.write(sun_xy())
    with open("vax_y.uds", "wb") as f:
        f.write(vax_y())
