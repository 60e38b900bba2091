#!/usr/bin/env python3
"""Draws the Whisperwood's map picture, adventure/images/map_whisperwood.bmp,
on the area's grid of 10 columns and 6 rows.

Run from the repository's root: tools/maps/whisperwood.py
"""
import random

from mapdraw import CELL_H, CELL_W, centre, draw, places_and_labels, speckled_ground, way

COLUMNS, ROWS = 10, 6
WIDTH, HEIGHT = COLUMNS * CELL_W, ROWS * CELL_H
GORGE_X = 7 * CELL_W - 6
OUT = "adventure/images/map_whisperwood.bmp"


# Every location's cell, as its area_data row gives it: (row, column).
PLACES = {
    "valley_road": (3, 0), "waymarker": (3, 1), "beech_fork": (3, 2), "lodge": (2, 2),
    "narrowing": (3, 3), "wolf_hollow": (4, 3), "split_oak": (5, 3), "clearing": (3, 4),
    "charcoal_ruin": (2, 4), "gorge_road": (3, 5), "approach": (3, 6), "under_bridge": (4, 6),
    "road_on": (3, 7), "blighted_path": (2, 1), "grove": (1, 1), "thicket": (1, 2),
    "spider_nest": (0, 2), "ogre_trail": (2, 5), "ogre_camp": (1, 5), "ogre_den": (1, 6),
    "shelter": (3, 8), "burnt_waggon": (2, 8), "lookout": (4, 8), "slag_tip": (4, 9),
    "foothill_road": (1, 8), "shrine": (1, 7), "road_end": (1, 9),
}

ROAD = ["valley_road", "waymarker", "beech_fork", "narrowing", "clearing", "gorge_road", "approach",
        "road_on", "shelter", "burnt_waggon", "foothill_road", "road_end"]
TRACKS = [
    ["beech_fork", "lodge"],
    ["narrowing", "wolf_hollow", "split_oak"],
    ["clearing", "charcoal_ruin"],
    ["waymarker", "blighted_path", "grove", "thicket", "spider_nest"],
    ["gorge_road", "ogre_trail", "ogre_camp", "ogre_den"],
    ["approach", "under_bridge"],
    ["shelter", "lookout", "slag_tip"],
    ["foothill_road", "shrine"],
]

# A few names, set beside their cells and clear of the markers in the middle.
LABELS = [
    ("Hunter's Lodge", "lodge", 0, -15),
    ("Druid's Grove", "grove", 0, -14),
    ("Spider Nest", "spider_nest", 30, 4),
    ("Wolf Hollow", "wolf_hollow", 34, 4),
    ("Split Oak", "split_oak", 30, 4),
    ("Ogre Camp", "ogre_camp", 0, -14),
    ("Troll Bridge", "approach", -4, -15),
    ("Shrine", "shrine", 0, -14),
    ("Mines", "road_end", 0, -15),
    ("Slag Tip", "slag_tip", -4, 18),
    ("to Cindervale", "valley_road", 22, 18),
]


def forest(rng):
    greens = ["#2f5a31", "#356437", "#2a5030", "#3b6b3a", "#24462a"]
    return speckled_ground(rng, WIDTH, HEIGHT, "#284c2a", greens, 900, 3, 7)


def slopes(rng):
    # The bare Ashfang slopes north-east of the gorge, where the trees give out.
    shapes = ['<path d="M%d,0 L%d,0 L%d,%d Q%d,%d %d,%d Z" fill="#6b6154"/>'
              % (GORGE_X + 14, WIDTH, WIDTH, 2 * CELL_H + 10, 8 * CELL_W, 2 * CELL_H + 20,
                 GORGE_X + 14, 2 * CELL_H - 4)]
    for _ in range(40):
        x, y = rng.uniform(GORGE_X + 20, WIDTH), rng.uniform(0, 2 * CELL_H)
        size = rng.uniform(5, 10)
        shapes.append('<path d="M%.1f,%.1f l%.1f,%.1f l%.1f,0 Z" fill="%s"/>'
                      % (x, y, size, -size * 1.2, size, rng.choice(["#7d7264", "#5e5549", "#8a7f70"])))
    return shapes


def water(rng):
    shapes = ['<path d="M0,0 L14,0 Q20,%d 12,%d T14,%d L0,%d Z" fill="#3c64a0"/>'
              % (HEIGHT // 4, HEIGHT // 2, HEIGHT, HEIGHT)]
    gorge = "M%d,0" % GORGE_X
    for y in range(15, HEIGHT + 15, 15):
        gorge += " L%d,%d" % (GORGE_X + rng.choice([-3, -1, 1, 3]), y)
    shapes.append('<path d="%s" fill="none" stroke="#14283c" stroke-width="9"/>' % gorge)
    shapes.append('<path d="%s" fill="none" stroke="#4678b4" stroke-width="4"/>' % gorge)
    shapes.append('<path d="%s" fill="none" stroke="#dce6f0" stroke-width="1" stroke-dasharray="2 6"/>' % gorge)
    return shapes


def landmarks():
    x, y = centre(*PLACES["lodge"])
    marks = ['<rect x="%d" y="%d" width="20" height="12" fill="#4678b4" stroke="#1e2a3a"/>' % (x - 10, y - 4),
             '<path d="M%d,%d l12,-7 l12,7 Z" fill="#7a4a2a"/>' % (x - 12, y - 4)]
    x, y = centre(*PLACES["grove"])
    marks.append('<circle cx="%d" cy="%d" r="14" fill="#5a8c50"/>' % (x, y))
    marks.append('<circle cx="%d" cy="%d" r="5" fill="#6fa8dc"/>' % (x, y))
    for dx, dy in [(-13, 0), (13, 0), (0, -12), (0, 12), (-9, -9), (9, 9), (-9, 9), (9, -9)]:
        marks.append('<circle cx="%d" cy="%d" r="3.5" fill="#1f4a22"/>' % (x + dx, y + dy))
    for place in ["thicket", "spider_nest"]:
        x, y = centre(*PLACES[place])
        marks.append('<circle cx="%d" cy="%d" r="13" fill="#828c82" opacity="0.8"/>' % (x, y))
        for angle in range(0, 180, 45):
            marks.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#e6e6e6" stroke-width="0.8" '
                         'transform="rotate(%d %d %d)"/>' % (x - 13, y, x + 13, y, angle, x, y))
    x, y = centre(*PLACES["spider_nest"])
    marks.append('<circle cx="%d" cy="%d" r="4" fill="#ff8c28"/>' % (x, y))
    x, y = centre(*PLACES["clearing"])
    marks.append('<circle cx="%d" cy="%d" r="15" fill="#7fae6a"/>' % (x, y))
    for place in ["wolf_hollow", "split_oak"]:
        x, y = centre(*PLACES[place])
        marks.append('<circle cx="%d" cy="%d" r="11" fill="#1c3322"/>' % (x, y))
    x, y = centre(*PLACES["charcoal_ruin"])
    marks.append('<rect x="%d" y="%d" width="16" height="10" fill="#3a3a3a" stroke="#1a1a1a"/>' % (x - 8, y - 5))
    for place in ["ogre_camp", "ogre_den"]:
        x, y = centre(*PLACES[place])
        marks.append('<path d="M%d,%d l15,-20 l15,20 Z" fill="#6b5a48"/>' % (x - 15, y + 12))
    x, y = centre(*PLACES["ogre_camp"])
    marks.append('<circle cx="%d" cy="%d" r="5" fill="#e06020"/>' % (x, y + 6))
    x, y = centre(*PLACES["approach"])
    marks.append('<rect x="%d" y="%d" width="%d" height="10" fill="#8c8c8c" stroke="#3c3c3c"/>'
                 % (x, y - 5, GORGE_X + 12 - x))
    x, y = centre(*PLACES["under_bridge"])
    marks.append('<circle cx="%d" cy="%d" r="9" fill="#4a4038"/>' % (x, y))
    x, y = centre(*PLACES["shelter"])
    marks.append('<path d="M%d,%d l11,-8 l11,8 Z" fill="#8a6a40" stroke="#3a2a18"/>' % (x - 11, y - 4))
    x, y = centre(*PLACES["burnt_waggon"])
    marks.append('<rect x="%d" y="%d" width="18" height="9" fill="#1e1a18" transform="rotate(-20 %d %d)"/>'
                 % (x - 9, y - 4, x, y))
    x, y = centre(*PLACES["lookout"])
    marks.append('<path d="M%d,%d l8,-16 l10,6 l6,10 Z" fill="#7d7264" stroke="#3c3630"/>' % (x - 12, y + 8))
    x, y = centre(*PLACES["slag_tip"])
    marks.append('<ellipse cx="%d" cy="%d" rx="16" ry="10" fill="#3c3836"/>' % (x, y))
    marks.append('<circle cx="%d" cy="%d" r="2.5" fill="#ff7a1a"/><circle cx="%d" cy="%d" r="2" fill="#ffb040"/>'
                 % (x - 7, y + 3, x + 8, y - 2))
    x, y = centre(*PLACES["shrine"])
    marks.append('<rect x="%d" y="%d" width="8" height="14" fill="#d8d0c0" stroke="#4a4438"/>' % (x - 4, y - 10))
    x, y = centre(*PLACES["road_end"])
    marks.append('<path d="M%d,%d l14,-18 l14,18 Z" fill="#4a4038"/>' % (x - 14, y + 10))
    marks.append('<rect x="%d" y="%d" width="10" height="9" fill="#120e0c"/>' % (x - 5, y + 1))
    for i, dy in enumerate([-14, -20, -26]):
        marks.append('<circle cx="%d" cy="%d" r="%d" fill="#9a948c" opacity="0.7"/>' % (x + 6 + 3 * i, y + dy, 3 + i))
    return marks


def main():
    rng = random.Random(1102)
    parts = forest(rng) + slopes(rng) + water(rng)
    parts += [way(PLACES, track, 3, "#a8946a") for track in TRACKS]
    parts.append(way(PLACES, ROAD, 6, "#c8b482"))
    parts += landmarks()
    parts += places_and_labels(PLACES, LABELS)
    draw(OUT, COLUMNS, ROWS, parts)


if __name__ == "__main__":
    main()
