"""What the adventure's map pictures share: an SVG drawing laid on an area's
grid of 48 by 45 pixel cells, rasterised with rsvg-convert and stored as the
24-bit bitmap the engine reads as it is."""
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

CELL_W, CELL_H = 48, 45


def centre(row, column):
    """The middle of a cell, where the scripts put their markers."""
    return column * CELL_W + CELL_W // 2, row * CELL_H + CELL_H // 2


def polyline(points, width, colour):
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%d" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            % (" ".join("%d,%d" % p for p in points), colour, width))


def label(text, x, y):
    """A place name, light on a dark outline so it reads on any ground."""
    return ('<text x="%d" y="%d" text-anchor="middle" font-family="DejaVu Sans" font-size="9" '
            'font-weight="bold" fill="#f4ecd8" stroke="#141414" stroke-width="2.2" '
            'paint-order="stroke">%s</text>' % (x, y, text.replace("'", "&#8217;")))


def speckled_ground(rng, width, height, ground, colours, count, smallest, largest):
    """A ground colour strewn with count round blots of the given colours: trees, rock."""
    shapes = ['<rect width="%d" height="%d" fill="%s"/>' % (width, height, ground)]
    for _ in range(count):
        x, y = rng.uniform(0, width), rng.uniform(0, height)
        shapes.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>'
                      % (x, y, rng.uniform(smallest, largest), rng.choice(colours)))
    return shapes


def place_names(places, names):
    """The labels (text, place, dx, dy), each set off from its place's middle."""
    texts = []
    for text, place, dx, dy in names:
        x, y = centre(*places[place])
        texts.append(label(text, x + dx, y + dy))
    return texts


def place_dots(places):
    """A small dot in the middle of every location's cell."""
    return ['<circle cx="%d" cy="%d" r="3" fill="#e8dcb8" stroke="#5a4a30"/>' % centre(row, column)
            for row, column in places.values()]


def places_and_labels(places, labels):
    """A small dot on every place's cell, and the names set beside their cells."""
    return place_dots(places) + place_names(places, labels)


def way(places, names, width, colour):
    """A road or a gallery through the middle of those places' cells."""
    return polyline([centre(*places[name]) for name in names], width, colour)


def way_found_late(places, pair, colour):
    """A dashed line between two places' cells: a crack, a cleft, a slot."""
    (x1, y1), (x2, y2) = (centre(*places[name]) for name in pair)
    return ('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="%s" stroke-width="1.5" '
            'stroke-dasharray="3 4"/>' % (x1, y1, x2, y2, colour))


def read_png(data):
    # rsvg-convert writes 8-bit RGB, or RGBA where anything is transparent, not interlaced.
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    if depth != 8 or colour not in (2, 6):
        sys.exit("rsvg-convert wrote a PNG of depth %d and colour type %d" % (depth, colour))
    step = 3 if colour == 2 else 4
    chunks, pos = b"", 8
    while pos < len(data):
        length = struct.unpack(">I", data[pos:pos + 4])[0]
        kind = data[pos + 4:pos + 8]
        if kind == b"IDAT":
            chunks += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    raw, stride, rows = zlib.decompress(chunks), width * step, []
    prior = bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = prior[i], prior[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                best = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - corner), 2, corner))[2]
                line[i] = (line[i] + best) & 255
        rows.append(b"".join(bytes(line[i:i + 3]) for i in range(0, stride, step)))
        prior = line
    return width, height, rows


def write_bmp(path, width, height, rows):
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for line in reversed(rows):
        bgr = b"".join(bytes((line[i + 2], line[i + 1], line[i])) for i in range(0, width * 3, 3))
        pixels += bgr + b"\0" * (stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    path.write_bytes(header + info + pixels)


def draw(out, columns, rows, parts):
    """Writes the picture of an area of that many columns and rows to out."""
    draw_picture(out, columns * CELL_W, rows * CELL_H, parts)


def draw_picture(out, width, height, parts):
    """Writes a picture of that size, drawn by the SVG parts, to out."""
    drawing = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">%s</svg>'
               % (width, height, "".join(parts)))
    with tempfile.TemporaryDirectory() as scratch:
        source = Path(scratch) / "map.svg"
        source.write_text(drawing)
        png = subprocess.run(["rsvg-convert", str(source)], check=True, capture_output=True).stdout
    drawn_width, drawn_height, pixel_rows = read_png(png)
    if (drawn_width, drawn_height) != (width, height):
        sys.exit("rsvg-convert drew %dx%d, not %dx%d" % (drawn_width, drawn_height, width, height))
    write_bmp(Path(out), width, height, pixel_rows)
