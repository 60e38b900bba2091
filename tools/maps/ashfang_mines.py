#!/usr/bin/env python3
"""Draws the Ashfang Mines' map picture, adventure/images/map_ashfang_mines.bmp,
on the area's grid of 7 columns and 8 rows: the mine-head on top, the third
gallery in the middle and the bottom galleries below, as a section through
the mountain.

Run from the repository's root: tools/maps/ashfang_mines.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, polyline, way

COLUMNS, ROWS = 7, 8
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
OUT = "adventure/images/map_ashfang_mines.bmp"


# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "postern": (0, 0), "lift_head": (0, 1), "winding_house": (0, 2), "tally_office": (0, 3),
    "lamp_room": (1, 0), "powder_store": (1, 2),
    "bunkhouse": (2, 0), "lift_foot": (2, 1), "third_gallery": (2, 2), "dark_tunnel": (2, 3),
    "shaft_head": (2, 4), "ore_chutes": (3, 2),
    "ladderway": (4, 1), "black_drift": (4, 2), "flooded": (4, 3), "shaft_bottom": (4, 4),
    "beetle_cave": (5, 3),
    "seventh": (6, 1), "collapsing": (6, 2), "shored": (6, 3), "ninth": (6, 4), "old_working": (6, 5),
    "breach": (7, 5),
}

GALLERIES = [
    ["postern", "lift_head", "winding_house", "tally_office"],
    ["postern", "lamp_room"], ["winding_house", "powder_store"],
    ["bunkhouse", "lift_foot", "third_gallery"], ["third_gallery", "ore_chutes"],
    ["shaft_bottom", "flooded", "black_drift", "ladderway"], ["flooded", "beetle_cave", "shored"],
    ["seventh", "collapsing", "shored", "ninth"],
]
DARK = [["third_gallery", "dark_tunnel", "shaft_head"], ["ninth", "old_working"]]
SHAFTS = [("lift_head", "lift_foot"), ("shaft_head", "shaft_bottom")]

# A few names, set beside their cells and clear of the markers in the middle.
LABELS = [
    ("Gate", "postern", 2, 20),
    ("Lift", "lift_head", 14, 20),
    ("Third Gallery", "third_gallery", 0, -14),
    ("Old Shaft", "shaft_head", 0, -14),
    ("Flooded", "flooded", 0, 20),
    ("Shored Gallery", "shored", 0, 20),
    ("Old Working", "old_working", 0, -15),
    ("Breach", "breach", -34, 4),
]


def dashed(line, dash):
    return line.replace("/>", ' stroke-dasharray="%s"/>' % dash)


def mountain(rng):
    # The sky over the mine-head, then rock, darker and warmer the deeper it goes.
    shapes = ['<defs><linearGradient id="rock" x1="0" y1="0" x2="0" y2="1">'
              '<stop offset="0" stop-color="#4a4440"/><stop offset="0.6" stop-color="#2e2824"/>'
              '<stop offset="1" stop-color="#3a1c12"/></linearGradient></defs>',
              '<rect width="%d" height="%d" fill="url(#rock)"/>' % (WIDTH, HEIGHT),
              '<path d="M0,0 L%d,0 L%d,10 L%d,4 L%d,12 L%d,6 L%d,14 L0,14 Z" fill="#6e7a88"/>'
              % (WIDTH, WIDTH, WIDTH - 50, WIDTH - 110, WIDTH - 170, 90)]
    for _ in range(260):
        x, y = rng.uniform(0, WIDTH), rng.uniform(16, HEIGHT)
        shapes.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" opacity="0.5"/>'
                      % (x, y, rng.uniform(1, 3), rng.choice(["#5a524c", "#24201c", "#463c34"])))
    # Seams of ember-ore, grey now, running down toward the old working.
    for _ in range(6):
        x = rng.uniform(0, WIDTH)
        shapes.append('<path d="M%.1f,%d q%.1f,%d %.1f,%d" fill="none" stroke="#7c7c78" stroke-width="1.5" '
                      'opacity="0.6"/>' % (x, 5 * CELL_H, rng.uniform(-40, 40), CELL_H, rng.uniform(-30, 30),
                                           3 * CELL_H))
    return shapes


def landmarks():
    marks = []
    for top, bottom in SHAFTS:
        (x, y1), (_, y2) = centre(*PLACES[top]), centre(*PLACES[bottom])
        marks.append('<rect x="%d" y="%d" width="10" height="%d" fill="#0c0a08" stroke="#8a7a5a"/>'
                     % (x - 5, y1, y2 - y1))
    x, y = centre(*PLACES["lift_head"])
    marks.append('<circle cx="%d" cy="%d" r="11" fill="none" stroke="#b0a080" stroke-width="2"/>' % (x, y - 4))
    x, y = centre(*PLACES["winding_house"])
    marks.append('<rect x="%d" y="%d" width="6" height="14" fill="#3a3430"/>' % (x + 8, y - 22))
    marks.append('<circle cx="%d" cy="%d" r="3" fill="#ff7a1a"/>' % (x - 8, y + 6))
    x, y = centre(*PLACES["postern"])
    marks.append('<rect x="%d" y="%d" width="8" height="14" fill="#5a4a3a" stroke="#1a1410"/>' % (x - 20, y - 7))
    x, y = centre(*PLACES["flooded"])
    marks.append('<ellipse cx="%d" cy="%d" rx="22" ry="8" fill="#3c5a78" opacity="0.9"/>' % (x, y + 4))
    x, y = centre(*PLACES["beetle_cave"])
    marks.append('<circle cx="%d" cy="%d" r="13" fill="#4a2a1e"/>' % (x, y))
    marks.append('<circle cx="%d" cy="%d" r="2" fill="#ff7a1a"/><circle cx="%d" cy="%d" r="2" fill="#ffb040"/>'
                 % (x - 6, y + 4, x + 6, y - 3))
    x, y = centre(*PLACES["ladderway"])
    marks.append(dashed(polyline([(x, y), (x, y + 2 * CELL_H)], 2, "#8a7a5a"), "3 4"))
    x, y = centre(*PLACES["shored"])
    for dx in (-16, -12, -8):
        marks.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#a08858" stroke-width="2"/>'
                     % (x + dx, y - 10, x + dx, y + 10))
    x, y = centre(*PLACES["old_working"])
    marks.append('<circle cx="%d" cy="%d" r="16" fill="#5a2a1a"/>' % (x, y))
    marks.append('<circle cx="%d" cy="%d" r="9" fill="#8a8a86" opacity="0.8"/>' % (x, y))
    x, y = centre(*PLACES["breach"])
    marks.append('<path d="M%d,%d q10,-14 20,0 q-4,14 -10,16 q-8,-2 -10,-16 Z" fill="#080606" stroke="#6b5a48"/>'
                 % (x - 10, y - 4))
    marks.append(polyline([(x, y + 10), (x + 4, HEIGHT)], 3, "#14100c"))
    return marks


def main():
    rng = random.Random(1201)
    parts = mountain(rng)
    parts += [way(PLACES, gallery, 6, "#8c7c62") for gallery in GALLERIES]
    parts += [way(PLACES, gallery, 6, "#1a1612") for gallery in DARK]
    parts += [dashed(way(PLACES, gallery, 2, "#5a5046"), "2 4") for gallery in DARK]
    parts.append(way(PLACES, ["old_working", "breach"], 4, "#1a1612"))
    parts += landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
