#!/usr/bin/env python3
"""Draws the Goblin Deeps' map picture, adventure/images/map_goblin_deeps.bmp,
on the area's grid of 10 columns and 7 rows: the party's own map of the
goblins' tunnels, inked on dark rock.

Run from the repository's root: tools/maps/goblin_deeps.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, speckled_ground, way, way_found_late

COLUMNS, ROWS = 10, 7
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
OUT = "adventure/images/map_goblin_deeps.bmp"


# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "breach": (0, 4), "stair": (1, 4), "mouth": (2, 4), "bat_roost": (0, 5), "camp": (0, 6),
    "midden": (3, 3), "crossing": (3, 4), "burrows": (3, 5), "grotto": (3, 2), "dripping": (4, 2),
    "pens": (4, 4), "bones": (4, 3), "shaman": (5, 3), "pool": (5, 1), "forge": (4, 5),
    "gate": (5, 5), "hall": (6, 5), "hoard": (6, 6), "cell": (6, 4), "raiders": (2, 6),
    "ledge": (3, 6), "crawl": (5, 6), "shaft": (5, 7), "shelf": (1, 3),
}

TUNNELS = [
    ["breach", "stair", "mouth", "crossing", "forge", "gate", "hall"],
    ["breach", "bat_roost", "camp", "raiders", "ledge", "forge"],
    ["mouth", "shelf"],
    ["raiders", "burrows", "crossing", "midden", "grotto", "dripping", "bones", "crossing"],
    ["bones", "shaman"],
    ["crossing", "pens"],
    ["cell", "hall", "hoard"],
    ["crawl", "shaft"],
]
# Ways with no compass direction, the scree chute that filled and the crawl
# behind the hoard, found late.
CRACKS = [["dripping", "pool"], ["pens", "shaman"], ["stair", "midden"], ["hoard", "crawl"]]

LABELS = [
    ("Breach", "breach", 0, -14),
    ("Warren", "crossing", 0, 20),
    ("Midden", "midden", 0, -14),
    ("Shaman", "shaman", 0, 20),
    ("Forge", "forge", 26, 18),
    ("Chief", "hall", 0, 20),
    ("Cell", "cell", -6, 20),
    ("Daylight", "shaft", 6, -14),
    ("Bats", "bat_roost", 0, 20),
    ("Raiders", "raiders", 4, -14),
    ("Pool", "pool", 0, -14),
    ("to the Mines", "breach", -52, -4),
]


def rock(rng):
    greys = ["#231e19", "#2a241e", "#191512", "#2f2822", "#211c17"]
    return speckled_ground(rng, WIDTH, HEIGHT, "#1c1814", greys, 700, 3, 9)


def chasm():
    # The chasm east of the burrows, with its warm wind.
    x, y = centre(*PLACES["ledge"])
    return ['<path d="M%d,%d Q%d,%d %d,%d L%d,%d Q%d,%d %d,%d Z" fill="#050403"/>'
            % (x + 10, y - 30, x + 22, y, x + 14, y + 40, x + 26, y + 40, x + 34, y, x + 22, y - 30),
            '<path d="M%d,%d Q%d,%d %d,%d" fill="none" stroke="#7a2a10" stroke-width="2"/>'
            % (x + 18, y - 24, x + 28, y, x + 20, y + 34)]


def caves():
    shapes = []
    for name in PLACES:
        x, y = centre(*PLACES[name])
        shapes.append('<ellipse cx="%d" cy="%d" rx="15" ry="12" fill="#3a3128" stroke="#5a4c3c"/>' % (x, y))
    return shapes


def landmarks():
    marks = []
    x, y = centre(*PLACES["breach"])
    marks.append('<path d="M%d,%d l10,-12 l10,12 Z" fill="#6b5a48" stroke="#2a2018"/>' % (x - 10, y + 6))
    x, y = centre(*PLACES["crossing"])
    marks.append('<circle cx="%d" cy="%d" r="4" fill="#c86420"/>' % (x, y))
    x, y = centre(*PLACES["midden"])
    marks.append('<ellipse cx="%d" cy="%d" rx="13" ry="9" fill="#3c4a22"/>' % (x, y))
    for place in ["grotto", "dripping", "pool"]:
        x, y = centre(*PLACES[place])
        marks.append('<ellipse cx="%d" cy="%d" rx="12" ry="8" fill="#28465a" opacity="0.9"/>' % (x, y))
    x, y = centre(*PLACES["grotto"])
    for dx, dy in [(-7, -3), (6, 2), (0, 5)]:
        marks.append('<circle cx="%d" cy="%d" r="2.5" fill="#9adc8c"/>' % (x + dx, y + dy))
    x, y = centre(*PLACES["shaman"])
    marks.append('<circle cx="%d" cy="%d" r="10" fill="none" stroke="#b46ec8" stroke-width="1.5"/>' % (x, y))
    marks.append('<path d="M%d,%d l4,8 l4,-8 Z" fill="#ff8c28"/>' % (x - 4, y - 4))
    x, y = centre(*PLACES["forge"])
    marks.append('<rect x="%d" y="%d" width="14" height="8" fill="#5a5046" stroke="#1e1a16"/>' % (x - 7, y - 4))
    for place in ["gate", "hall", "hoard", "cell"]:
        x, y = centre(*PLACES[place])
        marks.append('<ellipse cx="%d" cy="%d" rx="15" ry="12" fill="none" stroke="#b4783c" stroke-width="1.5"/>'
                     % (x, y))
    x, y = centre(*PLACES["hoard"])
    marks.append('<circle cx="%d" cy="%d" r="3" fill="#e6c850"/><circle cx="%d" cy="%d" r="2" fill="#e6c850"/>'
                 % (x - 6, y + 4, x + 7, y - 3))
    x, y = centre(*PLACES["shaft"])
    marks.append('<circle cx="%d" cy="%d" r="11" fill="#a0b4c8" opacity="0.8"/>' % (x, y))
    for place in ["bat_roost", "ledge"]:
        x, y = centre(*PLACES[place])
        marks.append('<path d="M%d,%d q4,-5 7,0 q3,-5 7,0" fill="none" stroke="#8c8278" stroke-width="1.5"/>'
                     % (x - 7, y - 6))
    return marks


def ways():
    parts = [way(PLACES, tunnel, 7, "#3a3128") for tunnel in TUNNELS]
    parts += [way(PLACES, tunnel, 3, "#b49a6e") for tunnel in TUNNELS]
    parts += [way_found_late(PLACES, crack, "#8c7a5a") for crack in CRACKS]
    return parts


def main():
    rng = random.Random(1301)
    parts = rock(rng) + chasm() + ways() + caves() + landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
