#!/usr/bin/env python3
"""Writes Kymora's application icon from one drawing: a point source whose ray falls on a
mirror strip and goes up to a detector, with the mirror's neighbouring strips either side.

Writes, beside this script:
  kymora.ico      the three images of the design, on their light grey square: 32 x 32 in 2
                  colours, 32 x 32 in 16 colours and 16 x 16 in 16 colours; and, with
                  transparency, 48 x 48 and 256 x 256 in 32-bit colour
  kymora-N.png    N x N with transparency, for the desktop's icon theme: N = 16, 32, 48, 64,
                  128 and 256
  kymora.svg      the same drawing, scalable
  kymora-web-N.png, kymora-maskable.png
                  the web page's icons when it is installed as an app: N x N with transparency
                  for N = 192 and 512, and 512 x 512 on the window's grey, the drawing within
                  the middle that every mask keeps

Uses only Python's standard library. Run it again after changing the drawing.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, as (red, green, blue).
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, LIGHT_GREY, GREEN, YELLOW, WHITE = 0, 8, 7, 10, 11, 15

# The drawing, on a 32 x 32 grid: (kind, colour, two-colour ink, geometry).
# Two-colour images are black on white: ink True is black.
SHAPES = [
    ("rect", LIGHT_GREY, False, (0, 0, 32, 32)),      # background
    ("line", BLACK, True, (6, 7, 16, 25, 1.6)),        # ray down to the strip
    ("line", BLACK, True, (16, 25, 26, 7, 1.6)),       # ray up to the detector
    ("rect", DARK_GREY, True, (1, 26, 8, 3)),          # strips of the mirror
    ("rect", BLACK, True, (12, 26, 8, 3)),
    ("rect", DARK_GREY, True, (23, 26, 8, 3)),
    ("disc", YELLOW, True, (6, 7, 4.2)),               # the source
    ("disc", WHITE, False, (26, 7, 4.2)),              # the detector, lit
    ("ring", BLACK, True, (26, 7, 4.2, 1.2)),
]


def distance_to_segment(px, py, x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    t = max(0.0, min(1.0, ((px - x1) * dx + (py - y1) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (x1 + t * dx), py - (y1 + t * dy))


def covers(shape, x, y):
    """Whether the shape covers the point (x, y) of the 32 x 32 grid."""
    kind, _, _, g = shape
    if kind == "rect":
        return g[0] <= x < g[0] + g[2] and g[1] <= y < g[1] + g[3]
    if kind == "line":
        return distance_to_segment(x, y, *g[:4]) <= g[4] / 2 + 0.25
    if kind == "disc":
        return math.hypot(x - g[0], y - g[1]) <= g[2]
    if kind == "ring":
        return abs(math.hypot(x - g[0], y - g[1]) - g[2]) <= g[3] / 2 + 0.25
    raise ValueError(kind)


def render(size, two_colour):
    """Palette indexes of a size x size image, top row first."""
    scale = 32 / size
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            x, y = (column + 0.5) * scale, (row + 0.5) * scale
            value = WHITE if two_colour else LIGHT_GREY
            for shape in SHAPES:
                if covers(shape, x, y):
                    if two_colour:
                        value = BLACK if shape[2] else WHITE
                    else:
                        value = shape[1]
            pixels.append(value if not two_colour else (0 if value == BLACK else 1))
        rows.append(pixels)
    return rows


def pack_row(pixels, bits):
    """One bitmap row, padded to a whole number of 32-bit words."""
    data = bytearray()
    per_byte = 8 // bits
    for start in range(0, len(pixels), per_byte):
        byte = 0
        for i, value in enumerate(pixels[start:start + per_byte]):
            byte |= value << (8 - bits * (i + 1))
        data.append(byte)
    while len(data) % 4:
        data.append(0)
    return bytes(data)


def icon_image(size, bits):
    """An icon directory image: a DIB with its colour table, pixels and (empty) mask."""
    two_colour = bits == 1
    rows = render(size, two_colour)
    palette = [(0, 0, 0), (255, 255, 255)] if two_colour else PALETTE_16
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pixels = b"".join(pack_row(row, bits) for row in reversed(rows))
    mask = b"".join(pack_row([0] * size, 1) for _ in range(size))
    return header + colours + pixels + mask, len(palette)


# The drawing without its square, for the images with transparency.
FIGURE = [shape for shape in SHAPES if shape[0] != "rect" or shape[3] != (0, 0, 32, 32)]
# Samples per pixel along each side, for smooth edges.
SAMPLES = 4


def render_rgba(size, margin=0.0):
    """Red, green, blue and alpha of a size x size image, top row first: each pixel the mean of
    its samples, transparent where the figure does not cover them. With a margin, a share of the
    size on every side, the figure is drawn smaller, on the window's grey."""
    inner = size * (1 - 2 * margin)
    scale = 32 / inner
    offset = size * margin
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            red = green = blue = covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (column + (sx + 0.5) / SAMPLES - offset) * scale
                    y = (row + (sy + 0.5) / SAMPLES - offset) * scale
                    colour = PALETTE_16[LIGHT_GREY] if margin else None
                    for shape in FIGURE:
                        if covers(shape, x, y):
                            colour = PALETTE_16[shape[1]]
                    if colour is not None:
                        red, green, blue = red + colour[0], green + colour[1], blue + colour[2]
                        covered += 1
            if covered:
                pixels.append((round(red / covered), round(green / covered),
                               round(blue / covered), round(255 * covered / SAMPLES ** 2)))
            else:
                pixels.append((0, 0, 0, 0))
        rows.append(pixels)
    return rows


def png_bytes(size, margin=0.0):
    rows = render_rgba(size, margin)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    return png


def rgba_icon_image(size):
    """A 32-bit icon directory image with its alpha channel, and its (unused) mask."""
    rows = render_rgba(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(struct.pack("<BBBB", b, g, r, a)
                      for row in reversed(rows) for r, g, b, a in row)
    mask = b"".join(pack_row([0] * size, 1) for _ in range(size))
    return header + pixels + mask


def write_ico(path):
    # (data, width, colours, bits): 256 x 256 is stored as PNG, as Windows reads it.
    images = [(*icon_image(32, 1), 32, 1), (*icon_image(32, 4), 32, 4),
              (*icon_image(16, 4), 16, 4), (rgba_icon_image(48), 0, 48, 32),
              (png_bytes(256), 0, 256, 32)]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for data, colours, size, bits in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                                 len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + b"".join(image[0] for image in images))


def write_png(path, size, margin=0.0):
    with open(path, "wb") as out:
        out.write(png_bytes(size, margin))


def write_svg(path):
    def hex_colour(index):
        return "#%02x%02x%02x" % PALETTE_16[index]

    parts = []
    for kind, colour, _, g in FIGURE:
        fill = hex_colour(colour)
        if kind == "rect":
            parts.append(f'<rect x="{g[0]}" y="{g[1]}" width="{g[2]}" height="{g[3]}" '
                         f'fill="{fill}"/>')
        elif kind == "line":
            parts.append(f'<line x1="{g[0]}" y1="{g[1]}" x2="{g[2]}" y2="{g[3]}" '
                         f'stroke="{fill}" stroke-width="{g[4]}" stroke-linecap="round"/>')
        elif kind == "disc":
            parts.append(f'<circle cx="{g[0]}" cy="{g[1]}" r="{g[2]}" fill="{fill}"/>')
        elif kind == "ring":
            parts.append(f'<circle cx="{g[0]}" cy="{g[1]}" r="{g[2]}" fill="none" '
                         f'stroke="{fill}" stroke-width="{g[3]}"/>')
    with open(path, "w") as out:
        out.write('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
                  'viewBox="0 0 32 32">\n  ' + "\n  ".join(parts) + "\n</svg>\n")


PNG_SIZES = (16, 32, 48, 64, 128, 256)
WEB_SIZES = (192, 512)
# A maskable icon's safe zone is the middle circle of 80 % of its size: the square figure fits
# it with a margin of a fifth on every side.
MASKABLE_MARGIN = 0.2

if __name__ == "__main__":
    write_ico(os.path.join(HERE, "kymora.ico"))
    for png_size in PNG_SIZES:
        write_png(os.path.join(HERE, f"kymora-{png_size}.png"), png_size)
    write_svg(os.path.join(HERE, "kymora.svg"))
    for png_size in WEB_SIZES:
        write_png(os.path.join(HERE, f"kymora-web-{png_size}.png"), png_size)
    write_png(os.path.join(HERE, "kymora-maskable.png"), 512, MASKABLE_MARGIN)
