#!/usr/bin/env python3
"""make_icon.py SOURCE.txt OUTPUT.ico: builds a Windows icon file from the
text picture in SOURCE (see its header): one 16-colour image per picture,
with the AND mask made from the transparent pixels."""
import struct
import sys

# The 16-colour system palette, in its usual order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
COLOURS = {".": 0, "K": 0, "r": 1, "S": 7, "G": 8, "R": 9, "W": 15}


def read_pictures(path):
    pictures, rows, size = [], None, None
    for line in open(path):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if line.startswith("image "):
            width, height = (int(v) for v in line.split()[1].split("x"))
            rows, size = [], (width, height)
            pictures.append((size, rows))
            continue
        if rows is None or len(line) != size[0] or any(c not in COLOURS for c in line):
            sys.exit(f"{path}: bad picture line {line!r}")
        rows.append(line)
    for (width, height), rows in pictures:
        if len(rows) != height:
            sys.exit(f"{path}: a {width}x{height} picture has {len(rows)} rows")
    return pictures


def bitmap(width, height, rows):
    """BITMAPINFOHEADER, palette, XOR image (4 bits a pixel) and AND mask,
    both bottom-up with rows padded to 32 bits."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor, mask = b"", b""
    for row in reversed(rows):
        pixels = [COLOURS[c] for c in row]
        line = bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, width, 2))
        xor += line + b"\0" * (-len(line) % 4)
        bits = "".join("1" if c == "." else "0" for c in row)
        line = int(bits, 2).to_bytes(width // 8, "big")
        mask += line + b"\0" * (-len(line) % 4)
    return header + palette + xor + mask


def main():
    source, output = sys.argv[1:3]
    pictures = read_pictures(source)
    images = [bitmap(w, h, rows) for (w, h), rows in pictures]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for ((width, height), _), image in zip(pictures, images):
        data += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(output, "wb") as out:
        out.write(data + b"".join(images))


if __name__ == "__main__":
    main()
