#!/usr/bin/python3
"""Writes a Windows icon file holding the given PNG pictures as they are.

Windows (Vista and later) reads PNG pictures inside an icon file, so every size
keeps its own drawing, alpha and all.
    make_ico.py OUT.ico PICTURE.png...
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"{name}: not a PNG picture")
    width, height = struct.unpack(">II", data[16:24])
    if not (1 <= width <= 256 and 1 <= height <= 256):
        sys.exit(f"{name}: {width}x{height} is larger than an icon can be")
    return width, height


def main(out, pictures):
    images = []
    for name in pictures:
        with open(name, "rb") as f:
            data = f.read()
        images.append((png_size(data, name), data))
    images.sort(key=lambda image: image[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for (width, height), data in images:
        # 256 is written as 0; colour count 0, planes 1, 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(data for _, data in images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
