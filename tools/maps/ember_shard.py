#!/usr/bin/env python3
"""Draws the ember shard's item picture, adventure/images/ember_shard.bmp, shown
in the item information dialog: a dark red glassy shard with its beating light.

Run from the repository's root: tools/maps/ember_shard.py
"""
from mapdraw import draw_picture

SIZE = 128
OUT = "adventure/images/ember_shard.bmp"


def main():
    parts = [
        '<defs><radialGradient id="glow"><stop offset="0" stop-color="#ff9a3c" stop-opacity="0.7"/>'
        '<stop offset="1" stop-color="#20100a" stop-opacity="0"/></radialGradient>'
        '<radialGradient id="core"><stop offset="0" stop-color="#fff4c8"/><stop offset="0.4" stop-color="#ffb43c"/>'
        '<stop offset="1" stop-color="#b4280a"/></radialGradient></defs>',
        '<rect width="128" height="128" fill="#20100a"/>',
        '<circle cx="64" cy="66" r="60" fill="url(#glow)"/>',
        '<path d="M52,14 L86,40 L98,84 L70,116 L36,100 L28,58 Z" fill="#5a140a" stroke="#2a0804" stroke-width="3"/>',
        '<path d="M52,14 L62,60 L28,58 Z" fill="#7a2010"/>',
        '<path d="M62,60 L98,84 L70,116 Z" fill="#3c0c06"/>',
        '<path d="M52,14 L86,40 L62,60 Z" fill="#9a3014"/>',
        '<circle cx="62" cy="64" r="11" fill="url(#core)"/>',
        '<path d="M54,26 L62,32" stroke="#ffd4a0" stroke-width="2" opacity="0.7"/>',
    ]
    draw_picture(OUT, SIZE, SIZE, parts)


if __name__ == "__main__":
    main()
