#!/usr/bin/env python3
"""Draws the Sunken Crypt's map picture, adventure/images/map_sunken_crypt.bmp,
on the area's grid of 7 columns and 8 rows: the party's own plan of the crypt
under Ashara's old temple, inked on grey stone.

Run from the repository's root: tools/maps/sunken_crypt.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, speckled_ground, way, way_found_late

COLUMNS, ROWS = 7, 8
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
OUT = "adventure/images/map_sunken_crypt.bmp"


# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "doors": (0, 3), "stair": (1, 3), "nave": (2, 3), "font": (2, 2), "inscriptions": (3, 2),
    "ossuary": (2, 4), "refuge": (1, 4), "quarters": (3, 4), "cells": (3, 5), "iron_door": (3, 3),
    "processional": (4, 3), "chapel": (5, 3), "tombs": (5, 2), "high_tomb": (6, 2), "embalmers": (4, 2),
    "bell": (0, 4), "cloister": (1, 2), "sisters": (1, 1), "shrine": (5, 4), "gallery": (6, 4),
    "champions": (6, 3), "heart_stair": (7, 3), "sexton": (4, 4), "well": (4, 5),
}

PASSAGES = [
    ["doors", "stair", "nave", "iron_door", "processional", "chapel", "tombs", "high_tomb"],
    ["sisters", "cloister", "font", "nave", "ossuary", "refuge", "bell"],
    ["font", "inscriptions", "nave"],
    ["inscriptions", "iron_door", "quarters", "cells"],
    ["processional", "embalmers", "tombs"],
    ["processional", "sexton", "well"],
    ["chapel", "shrine", "gallery", "champions", "heart_stair"],
]
# The slot between the ossuary's bone-stacks, with no compass direction.
SLOTS = [["ossuary", "quarters"]]

LABELS = [
    ("Doors", "doors", 0, -14),
    ("Nave", "nave", 22, -12),
    ("Font", "font", 0, -14),
    ("Refuge", "refuge", 6, -14),
    ("Cells", "cells", 0, 20),
    ("Iron Door", "iron_door", 0, 20),
    ("Altar", "chapel", -4, 20),
    ("Tomb", "high_tomb", -10, 20),
    ("Sisters", "sisters", 0, -14),
    ("Shrine", "shrine", 14, -12),
    ("Champions", "champions", 16, 20),
    ("to the Heart", "heart_stair", 0, 20),
]


def stone(rng):
    greys = ["#2e2e33", "#35353b", "#26262b", "#3b3b41", "#2a2a2f"]
    return speckled_ground(rng, WIDTH, HEIGHT, "#242428", greys, 700, 3, 9)


def rooms():
    shapes = []
    for name in PLACES:
        x, y = centre(*PLACES[name])
        shapes.append('<rect x="%d" y="%d" width="30" height="24" fill="#45454e" stroke="#6e6e78"/>'
                      % (x - 15, y - 12))
    return shapes


def landmarks():
    marks = []
    x, y = centre(*PLACES["nave"])
    marks.append('<rect x="%d" y="%d" width="26" height="18" fill="#32506e" opacity="0.9"/>' % (x - 13, y - 9))
    x, y = centre(*PLACES["font"])
    marks.append('<circle cx="%d" cy="%d" r="6" fill="#6e96c8"/>' % (x, y))
    for place in ["chapel", "doors", "high_tomb"]:
        x, y = centre(*PLACES[place])
        marks.append('<circle cx="%d" cy="%d" r="5" fill="#e6c850"/>' % (x, y))
    for place in ["quarters", "cells", "shrine", "gallery"]:
        x, y = centre(*PLACES[place])
        marks.append('<path d="M%d,%d l4,8 l4,-8 Z" fill="#c83c28"/>' % (x - 4, y - 4))
    x, y = centre(*PLACES["iron_door"])
    marks.append('<rect x="%d" y="%d" width="10" height="14" fill="#141418" stroke="#8c8c96"/>' % (x - 5, y - 7))
    x, y = centre(*PLACES["well"])
    marks.append('<circle cx="%d" cy="%d" r="7" fill="#0a0a0c" stroke="#5a5a46"/>' % (x, y))
    x, y = centre(*PLACES["heart_stair"])
    marks.append('<circle cx="%d" cy="%d" r="11" fill="#a04614" opacity="0.85"/>' % (x, y))
    return marks


def ways():
    parts = [way(PLACES, passage, 7, "#45454e") for passage in PASSAGES]
    parts += [way(PLACES, passage, 3, "#b4b4be") for passage in PASSAGES]
    parts += [way_found_late(PLACES, slot, "#8c8c78") for slot in SLOTS]
    return parts


def main():
    rng = random.Random(1501)
    parts = stone(rng) + ways() + rooms() + landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
