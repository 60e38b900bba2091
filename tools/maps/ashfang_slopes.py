#!/usr/bin/env python3
"""Draws the Ashfang Slopes' map picture, adventure/images/map_ashfang_slopes.bmp,
on the area's grid of 8 columns and 7 rows: the party's own sketch of the
mountainside, from the goblins' shaft head up to the five peaks.

Run from the repository's root: tools/maps/ashfang_slopes.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, speckled_ground, way, way_found_late

COLUMNS, ROWS = 8, 7
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
OUT = "adventure/images/map_ashfang_slopes.bmp"


# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "shaft": (6, 5), "heather": (5, 5), "scree": (4, 5), "goat": (4, 6), "ledge": (3, 6), "cell": (2, 6),
    "gap": (3, 4), "hut": (4, 3), "walk": (5, 2), "stile": (6, 1), "ridge": (2, 4), "crag": (1, 5),
    "cairn": (1, 3), "ruin": (0, 3), "tarn": (2, 2),
}

PATHS = [
    ["shaft", "heather", "scree", "gap", "ridge", "cairn"],
    ["scree", "goat", "ledge", "cell"],
    ["gap", "hut", "walk", "stile"],
    ["walk", "tarn", "cairn"],
    ["ridge", "crag"],
]
# The cleft behind the cairn, found at the cairn.
CLEFT = ["cairn", "ruin"]

LABELS = [
    ("Shaft", "shaft", 0, 20),
    ("Scree", "scree", -22, 4),
    ("Wind Gap", "gap", -30, 4),
    ("Hermit", "cell", 0, -14),
    ("Shepherds", "hut", 0, 20),
    ("Stile", "stile", 0, -14),
    ("Tarn", "tarn", 0, 20),
    ("Cairn", "cairn", -24, 4),
    ("Ruin", "ruin", 26, 4),
    ("Harpies", "crag", 0, 20),
    ("to Cindervale", "stile", 6, 20),
    ("to the Deeps", "shaft", 52, 4),
]


def mountainside(rng):
    heather = ["#4e3f52", "#5a4a5e", "#463a48", "#61505f", "#3f3440"]
    return speckled_ground(rng, WIDTH, HEIGHT, "#4a4048", heather, 600, 3, 8)


def peaks():
    # The five peaks along the top of the map; the third is the tallest.
    shapes = []
    for n, height in enumerate([30, 36, 44, 34, 28]):
        x = 48 + n * 64
        shapes.append('<path d="M%d,%d L%d,%d L%d,%d Z" fill="#1e1c20" stroke="#8c8c96" stroke-width="1.5"/>'
                      % (x - 30, 44, x, 44 - height, x + 30, 44))
        shapes.append('<path d="M%d,%d L%d,%d L%d,%d Z" fill="#e6e6ec"/>'
                      % (x - 6, 50 - height, x, 44 - height, x + 6, 50 - height))
    return shapes


def landmarks():
    marks = []
    x, y = centre(*PLACES["shaft"])
    marks.append('<circle cx="%d" cy="%d" r="7" fill="#0c0a08" stroke="#8c7a5a"/>' % (x, y))
    x, y = centre(*PLACES["scree"])
    for dx, dy in [(-8, -6), (4, -2), (-2, 6), (9, 5)]:
        marks.append('<circle cx="%d" cy="%d" r="2.5" fill="#b4b4aa"/>' % (x + dx, y + dy))
    x, y = centre(*PLACES["tarn"])
    marks.append('<ellipse cx="%d" cy="%d" rx="14" ry="9" fill="#101c26" stroke="#4a6a7e"/>' % (x, y))
    x, y = centre(*PLACES["hut"])
    marks.append('<rect x="%d" y="%d" width="14" height="9" fill="#6e5a3c" stroke="#2a2018"/>' % (x - 7, y - 4))
    x, y = centre(*PLACES["cell"])
    marks.append('<path d="M%d,%d a7,7 0 0 1 14,0 Z" fill="#2a2420" stroke="#a08c5a"/>' % (x - 7, y + 4))
    x, y = centre(*PLACES["cairn"])
    marks.append('<path d="M%d,%d l6,-14 l6,14 Z" fill="#8c8c82" stroke="#2a2a28"/>' % (x - 6, y + 6))
    x, y = centre(*PLACES["ruin"])
    marks.append('<rect x="%d" y="%d" width="18" height="12" fill="none" stroke="#d2c8a0" stroke-width="2"/>'
                 % (x - 9, y - 6))
    x, y = centre(*PLACES["stile"])
    marks.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#a0a0a0" stroke-width="3"/>'
                 % (x - 20, y + 10, x + 20, y + 10))
    return marks


def ways():
    parts = [way(PLACES, path, 5, "#2e2820") for path in PATHS]
    parts += [way(PLACES, path, 2, "#c8b48c") for path in PATHS]
    parts.append(way_found_late(PLACES, CLEFT, "#c8b48c"))
    return parts


def main():
    rng = random.Random(1401)
    parts = mountainside(rng) + peaks() + ways() + landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
