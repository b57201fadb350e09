#!/usr/bin/env python3
"""Draws the point pixmaps (small shaded dots) into resources/points/.

Run from the repository root: python3 tools/draw-points.py
Pure standard library: RGBA PNG written by hand, anti-aliased by 4x4
supersampling.
"""
import os

from rgba_png import rgba_png

SIZE = 16
COLOURS = {
    "red": (220, 40, 40),
    "green": (40, 170, 60),
    "purple": (140, 60, 180),
    "blue": (40, 90, 220),
}


def pixel(colour, x, y):
    centre = SIZE / 2.0
    radius = SIZE / 2.0 - 1.5
    hits = 0
    shade = 0.0
    for sy in range(4):
        for sx in range(4):
            px = x + (sx + 0.5) / 4.0
            py = y + (sy + 0.5) / 4.0
            dx, dy = px - centre, py - centre
            if dx * dx + dy * dy <= radius * radius:
                hits += 1
                # Lighter towards the upper left, for a little depth.
                light = max(0.0, 1.0 - ((px - centre * 0.7) ** 2 + (py - centre * 0.7) ** 2) ** 0.5 / radius)
                shade += light
    if hits == 0:
        return (0, 0, 0, 0)
    shade /= hits
    r, g, b = (min(255, int(c + (255 - c) * 0.6 * shade)) for c in colour)
    return (r, g, b, int(255 * hits / 16))


def png(colour):
    return rgba_png(SIZE, SIZE, lambda x, y: pixel(colour, x, y))


def main():
    folder = os.path.join("resources", "points")
    os.makedirs(folder, exist_ok=True)
    for name, colour in COLOURS.items():
        with open(os.path.join(folder, name + ".png"), "wb") as out:
            out.write(png(colour))


if __name__ == "__main__":
    main()
