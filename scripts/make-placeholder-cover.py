#!/usr/bin/env python3
"""Draws the placeholder cover (150 x 215 GIF) shown for a book without a
cover picture. Run: scripts/make-placeholder-cover.py resources/pictures/nocover.gif"""
import struct
import sys

W, H = 150, 215
PALETTE = [
    (236, 233, 226),  # 0 background
    (170, 164, 152),  # 1 frame
    (205, 199, 188),  # 2 book
    (120, 114, 104),  # 3 book outline, spine
    (250, 249, 246),  # 4 label
    (150, 144, 134),  # 5 title lines
    (0, 0, 0), (0, 0, 0),
]


def draw():
    px = [[0] * W for _ in range(H)]

    def rect(x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                px[y][x] = c

    def outline(x0, y0, x1, y1, c):
        rect(x0, y0, x1, y0 + 1, c)
        rect(x0, y1 - 1, x1, y1, c)
        rect(x0, y0, x0 + 1, y1, c)
        rect(x1 - 1, y0, x1, y1, c)

    outline(0, 0, W, H, 1)
    outline(3, 3, W - 3, H - 3, 1)
    # A closed book seen from the front: cover, spine, a label with title lines.
    rect(45, 62, 108, 152, 2)
    outline(45, 62, 108, 152, 3)
    rect(45, 62, 52, 152, 3)
    rect(60, 80, 100, 108, 4)
    outline(60, 80, 100, 108, 3)
    for y in (87, 93, 99):
        rect(65, y, 95, y + 2, 5)
    rect(65, 130, 95, 132, 5)
    return px


def lzw(indexes, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    size = min_size + 1

    def put(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    put(clear)
    prefix = (indexes[0],)
    for k in indexes[1:]:
        cand = prefix + (k,)
        if cand in table:
            prefix = cand
            continue
        put(table[prefix])
        if next_code < 4096:
            table[cand] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            put(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            size = min_size + 1
        prefix = (k,)
    put(table[prefix])
    put(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(px):
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", W, H, 0x80 | 0x70 | 2, 0, 0)
    for rgb in PALETTE:
        data += bytes(rgb)
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, W, H, 0)
    min_size = 3
    data.append(min_size)
    body = lzw([c for row in px for c in row], min_size)
    for i in range(0, len(body), 255):
        chunk = body[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00;"
    return bytes(data)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(gif(draw()))
