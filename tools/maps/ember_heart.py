#!/usr/bin/env python3
"""Draws the Ember Heart's map picture, adventure/images/map_ember_heart.bmp,
on the area's grid of 5 columns and 5 rows: the party's own map of the dwarves'
deep workings, scratched on hot dark rock with the rift and the heart glowing.

Run from the repository's root: tools/maps/ember_heart.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, speckled_ground, way

COLUMNS, ROWS = 5, 5
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
OUT = "adventure/images/map_ember_heart.bmp"

# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "stair": (0, 2), "gallery": (1, 2), "hollow": (1, 1), "rift": (2, 2), "forge": (2, 3),
    "cells": (1, 3), "vigil": (3, 2), "heart": (4, 2), "hoard": (4, 3),
}

GALLERIES = [
    ["stair", "gallery", "rift", "vigil", "heart", "hoard"],
    ["hollow", "gallery", "cells", "forge", "rift"],
]

LABELS = [
    ("to the Crypt", "stair", 0, -14),
    ("Miners", "hollow", 0, 20),
    ("Cells", "cells", 0, -14),
    ("Rift", "rift", -28, 4),
    ("Forge", "forge", 0, 20),
    ("Vigil", "vigil", -30, 4),
    ("Heart", "heart", 0, 20),
    ("Hoard", "hoard", 0, 20),
]


def rock(rng):
    reds = ["#2a1a14", "#33201a", "#1e1410", "#3a2218", "#24160f"]
    return speckled_ground(rng, WIDTH, HEIGHT, "#1c120d", reds, 300, 3, 8)


def glows():
    # The rift across the floor and the heart under everything.
    x, y = centre(*PLACES["rift"])
    shapes = ['<path d="M%d,%d Q%d,%d %d,%d" fill="none" stroke="#c8461e" stroke-width="5" opacity="0.8"/>'
              % (x - 60, y + 6, x, y - 10, x + 20, y + 14),
              '<path d="M%d,%d Q%d,%d %d,%d" fill="none" stroke="#ffb45a" stroke-width="1.5"/>'
              % (x - 60, y + 6, x, y - 10, x + 20, y + 14)]
    x, y = centre(*PLACES["heart"])
    shapes.append('<circle cx="%d" cy="%d" r="16" fill="#b43c14" opacity="0.6"/>' % (x, y))
    shapes.append('<circle cx="%d" cy="%d" r="9" fill="#ff8c32"/>' % (x, y))
    return shapes


def landmarks():
    marks = []
    x, y = centre(*PLACES["forge"])
    marks.append('<rect x="%d" y="%d" width="16" height="9" fill="#5a5046" stroke="#e6a050"/>' % (x - 8, y - 5))
    x, y = centre(*PLACES["hollow"])
    marks.append('<ellipse cx="%d" cy="%d" rx="12" ry="8" fill="#28465a" opacity="0.9"/>' % (x, y))
    x, y = centre(*PLACES["vigil"])
    for dx in (-8, -3, 2, 7):
        marks.append('<rect x="%d" y="%d" width="2" height="7" fill="#141014"/>' % (x + dx, y - 12))
    x, y = centre(*PLACES["hoard"])
    marks.append('<circle cx="%d" cy="%d" r="3" fill="#e6c850"/><circle cx="%d" cy="%d" r="2" fill="#e6c850"/>'
                 % (x - 6, y + 4, x + 7, y - 3))
    return marks


def ways():
    parts = [way(PLACES, gallery, 7, "#3a2a20") for gallery in GALLERIES]
    parts += [way(PLACES, gallery, 3, "#c8a070") for gallery in GALLERIES]
    return parts


def main():
    rng = random.Random(1601)
    parts = rock(rng) + glows() + ways() + landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
