#!/usr/bin/env python3
"""Draws the pulse-diagram pictures of the options page into resources/pulses/.

Run from the repository root: python3 tools/draw-pulses.py
Pure standard library: RGBA PNG written by hand.

Each half picture is 247 x 61: the current pulse over columns 0 to 130 (a
5-pixel red edge, open on the baseline side, filled with translucent red),
and, in the IP variants, the decay during the pause beside it: a blue curve
with grey-blue hatching on every second column between it and the baseline.
The baseline picture (496 x 2) is solid red where the pulses stand and dashed
grey (three pixels drawn, one clear) where the pauses are.
"""
import math
import os

from rgba_png import rgba_png

WIDTH, HEIGHT = 247, 61
PULSE_END = 130            # last column of the pulse block
EDGE = 5
EDGE_RED = (237, 28, 36, 255)
FILL_RED = (255, 0, 0, 89)
CURVE_BLUE = (0, 112, 192, 255)
HATCH = (112, 146, 190, 255)
CLEAR = (0, 0, 0, 0)
DASH_GREY = (127, 127, 127, 255)
BASELINE_WIDTH = 496
BASELINE_RED = ((0, 4), (126, 252), (374, 495))


def png(width, height, pixels):
    return rgba_png(width, height, lambda x, y: pixels[y][x])


def curve_top(x):
    """Row of the decay curve at column x: starts near the top beside the
    pulse and falls towards the baseline (the lower edge)."""
    t = (x - PULSE_END - 1) / (WIDTH - PULSE_END - 1)
    return 4 + (HEIGHT - 6) * (1.0 - math.exp(-4.0 * t))


def positive_half(with_ip):
    pixels = [[CLEAR] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(PULSE_END + 1):
            edge = x < EDGE or x > PULSE_END - EDGE or y < EDGE
            pixels[y][x] = EDGE_RED if edge else FILL_RED
    if with_ip:
        for x in range(PULSE_END + 1, WIDTH):
            top = curve_top(x)
            for y in range(HEIGHT):
                if abs(y - top) <= 1.2:
                    pixels[y][x] = CURVE_BLUE
                elif y > top + 1.2 and x % 2 == 0:
                    pixels[y][x] = HATCH
    return pixels


def baseline():
    row = []
    for x in range(BASELINE_WIDTH):
        red = [span for span in BASELINE_RED if span[0] <= x <= span[1]]
        if red:
            row.append(EDGE_RED)
        else:
            start = max(span[1] for span in BASELINE_RED if span[1] < x) + 1
            row.append(DASH_GREY if (x - start) % 4 < 3 else CLEAR)
    return [row, list(row)]


def main():
    folder = os.path.join("resources", "pulses")
    os.makedirs(folder, exist_ok=True)
    pictures = {}
    for name, with_ip in (("res", False), ("resIp", True)):
        positive = positive_half(with_ip)
        pictures[name + "Pos"] = (WIDTH, HEIGHT, positive)
        pictures[name + "Neg"] = (WIDTH, HEIGHT, positive[::-1])
    pictures["resIpNull"] = (BASELINE_WIDTH, 2, baseline())
    for name, (width, height, pixels) in pictures.items():
        with open(os.path.join(folder, name + ".png"), "wb") as out:
            out.write(png(width, height, pixels))


if __name__ == "__main__":
    main()
