#!/usr/bin/env python3
"""Writes the EDID templates of the gallery and the tests.

Each template is a 256-byte EDID 1.3 image made here from first principles: a base block for a
digital display (header, maker code "VIR", a monitor name, display range limits and the first
detailed timing) and a CEA-861 extension with one video data block and no timings of its own.
Every block ends with the byte that makes its sum 0 modulo 256.

Run it from any folder:  python3 gallery/data/edid/make_templates.py
It writes vireo_*.bin beside itself; the output is byte-for-byte reproducible.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def seal(block):
    block[127] = (256 - sum(block[:127]) % 256) % 256
    return block


def text_descriptor(tag, text):
    body = text.encode("ascii")[:13]
    if len(body) < 13:
        body += b"\n"
    body += b" " * (13 - len(body))
    return bytes([0, 0, 0, tag, 0]) + body


def range_limits():
    # 23..121 Hz vertical, 15..255 kHz horizontal, 600 MHz pixel clock, no timing formula.
    return bytes([0, 0, 0, 0xFD, 0, 23, 121, 15, 255, 60, 0x00, 0x0A]) + b" " * 6


def detailed_timing(clock_khz, h_active, h_blank, h_front, h_sync, v_active, v_blank, v_front, v_sync,
                    h_positive, v_positive, size_mm):
    c = clock_khz // 10
    flags = 0x18 | (0x04 if v_positive else 0) | (0x02 if h_positive else 0)
    return bytes([
        c & 0xFF, c >> 8,
        h_active & 0xFF, h_blank & 0xFF, ((h_active >> 8) << 4) | (h_blank >> 8),
        v_active & 0xFF, v_blank & 0xFF, ((v_active >> 8) << 4) | (v_blank >> 8),
        h_front & 0xFF, h_sync & 0xFF, ((v_front & 0x0F) << 4) | (v_sync & 0x0F),
        ((h_front >> 8) << 6) | ((h_sync >> 8) << 4) | ((v_front >> 4) << 2) | (v_sync >> 4),
        size_mm[0] & 0xFF, size_mm[1] & 0xFF, ((size_mm[0] >> 8) << 4) | (size_mm[1] >> 8),
        0, 0, flags,
    ])


def base_block(product, name, dtd, size_cm):
    b = bytearray(128)
    b[0:8] = bytes([0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00])
    # "VIR": three 5-bit letters, A = 1.
    letters = [ord(ch) - ord("A") + 1 for ch in "VIR"]
    b[8:10] = struct.pack(">H", (letters[0] << 10) | (letters[1] << 5) | letters[2])
    b[10:12] = struct.pack("<H", product)
    b[12:16] = struct.pack("<I", 0)  # no serial number
    b[16] = 1  # week 1
    b[17] = 2024 - 1990
    b[18], b[19] = 1, 3  # EDID 1.3
    b[20] = 0x80  # digital input
    b[21], b[22] = size_cm
    b[23] = 120  # gamma 2.2
    b[24] = 0x0E  # RGB colour, sRGB default colour space, first detailed timing is the preferred one
    # sRGB chromaticity, 10-bit values packed as the standard lays them out.
    rx, ry, gx, gy, bx, by, wx, wy = 655, 338, 307, 614, 154, 61, 320, 337
    b[25] = ((rx & 3) << 6) | ((ry & 3) << 4) | ((gx & 3) << 2) | (gy & 3)
    b[26] = ((bx & 3) << 6) | ((by & 3) << 4) | ((wx & 3) << 2) | (wy & 3)
    b[27:35] = bytes(v >> 2 for v in (rx, ry, gx, gy, bx, by, wx, wy))
    b[35:38] = bytes([0x21, 0x08, 0x00])  # 640x480@60, 800x600@60, 1024x768@60
    b[38:54] = bytes([0x01] * 16)  # no standard timings
    b[54:72] = dtd
    b[72:90] = range_limits()
    b[90:108] = text_descriptor(0xFC, name)
    b[108:126] = bytes([0, 0, 0, 0x10, 0]) + bytes(13)  # dummy descriptor
    b[126] = 1  # one extension block
    return seal(b)


def cea_block(vic):
    b = bytearray(128)
    b[0], b[1] = 0x02, 0x03  # CEA-861 extension, revision 3
    # Video data block with one VIC, then a video
    # capability data block: RGB quantisation range selectable, IT and CE formats underscanned.
    data = bytes([(2 << 5) | 1, vic, (7 << 5) | 2, 0x00, 0x4A])
    b[2] = 4 + len(data)  # detailed timings would start here: there are none
    b[3] = 0x81  # underscanned IT formats, one native detailed timing (the base block's); no audio
    b[4:4 + len(data)] = data
    return seal(b)


TEMPLATES = [
    # file, product, monitor name, timing (kHz, H active/blank/front/sync, V active/blank/front/sync,
    # H+, V+), image size in mm, size in cm, native VIC
    ("vireo_1080p60.bin", 0x0110, "Vireo 1080p",
     (148500, 1920, 280, 88, 44, 1080, 45, 4, 5, True, True), (598, 336), (60, 34), 16),
    ("vireo_2160p30.bin", 0x0130, "Vireo 2160p",
     (297000, 3840, 560, 176, 88, 2160, 90, 8, 10, True, True), (697, 392), (70, 39), 95),
    ("vireo_720p60.bin", 0x0107, "Vireo 720p",
     (74250, 1280, 370, 110, 40, 720, 30, 5, 5, True, True), (410, 230), (41, 23), 4),
]


def main():
    for file_name, product, name, timing, size_mm, size_cm, vic in TEMPLATES:
        dtd = detailed_timing(*timing, size_mm)
        image = bytes(base_block(product, name, dtd, size_cm)) + bytes(cea_block(vic))
        assert len(image) == 256
        with open(os.path.join(HERE, file_name), "wb") as out:
            out.write(image)
        print(file_name)


if __name__ == "__main__":
    main()
