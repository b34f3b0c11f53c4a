#!/usr/bin/env python3
"""Draws the stock background tiles and the two starting store-slot pictures.

Standard library only, with a fixed seed, so running it again gives the same files.
Usage: tools/make_artwork.py [resources folder]  (default: resources/ beside tools/)
"""

import math
import os
import random
import sys

from pngfile import png_bytes

SIDE = 32


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


def shade(c, k):
    return tuple(clamp(v * k) for v in c)


def value_noise(rng, cells):
    """Smooth noise in 0..1 over the tile, tiling seamlessly, from a grid of cells x cells."""
    grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(x, y):
        fx, fy = x * cells / SIDE, y * cells / SIDE
        x0, y0 = int(fx) % cells, int(fy) % cells
        x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
        tx, ty = fx - int(fx), fy - int(fy)
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
        bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
        return top + (bottom - top) * ty

    return at


def tile(fn):
    return [[fn(x, y) for x in range(SIDE)] for y in range(SIDE)]


def solid(c):
    return tile(lambda x, y: c)


def gradient(a, b, vertical=True):
    return tile(lambda x, y: mix(a, b, (y if vertical else x) / (SIDE - 1)))


def radial(inner, outer):
    def fn(x, y):
        d = math.hypot(x - 15.5, y - 15.5) / 22.0
        return mix(inner, outer, min(1.0, d))
    return tile(fn)


def stone(rng, base, contrast=0.25):
    n1, n2 = value_noise(rng, 4), value_noise(rng, 8)
    return tile(lambda x, y: shade(base, 1 - contrast / 2 + contrast * (0.6 * n1(x, y) + 0.4 * n2(x, y))))


def parchment(rng, base):
    n1, n2 = value_noise(rng, 4), value_noise(rng, 16)
    def fn(x, y):
        edge = min(x, y, SIDE - 1 - x, SIDE - 1 - y)
        vignette = 0.82 + 0.18 * min(1.0, edge / 6.0)
        return shade(base, vignette * (0.92 + 0.08 * n1(x, y) + 0.05 * (n2(x, y) - 0.5)))
    return tile(fn)


def wood(rng, base, vertical=False):
    n = value_noise(rng, 4)
    phase = rng.random() * math.pi
    def fn(x, y):
        along, across = (y, x) if vertical else (x, y)
        grain = math.sin(across * 0.9 + 3.0 * n(x, y) + phase + 0.15 * along)
        return shade(base, 0.85 + 0.12 * grain)
    return tile(fn)


def bricks(rng, brick, mortar):
    n = value_noise(rng, 8)
    def fn(x, y):
        row = y // 8
        offset = 8 if row % 2 else 0
        if y % 8 == 7 or (x + offset) % 16 == 15:
            return mortar
        return shade(brick, 0.88 + 0.2 * n(x, y))
    return tile(fn)


def checker(a, b, size=8):
    return tile(lambda x, y: a if ((x // size) + (y // size)) % 2 == 0 else b)


def stripes(a, b, width=4):
    return tile(lambda x, y: a if ((x + y) // width) % 2 == 0 else b)


def framed(pixels, outer, inner=None):
    """A bevelled frame: light on the top and left, dark on the bottom and right."""
    light, dark = shade(outer, 1.25), shade(outer, 0.6)
    out = [row[:] for row in pixels]
    for y in range(SIDE):
        for x in range(SIDE):
            edge = min(x, y, SIDE - 1 - x, SIDE - 1 - y)
            if edge == 0:
                out[y][x] = light if (x == 0 or y == 0) and x != SIDE - 1 and y != SIDE - 1 else dark
            elif edge == 1:
                out[y][x] = outer
            elif edge == 2 and inner is not None:
                out[y][x] = inner
    return out


def make_tiles():
    rng = random.Random(1066)
    greys = [(96, 96, 100), (120, 116, 110), (84, 88, 96)]
    tiles = [
        # Muted solids.
        solid((72, 72, 78)), solid((58, 66, 58)), solid((74, 62, 52)), solid((52, 58, 74)),
        solid((110, 104, 96)), solid((40, 40, 44)),
        # Soft gradients.
        gradient((86, 96, 120), (38, 42, 60)), gradient((120, 100, 70), (60, 44, 30)),
        gradient((70, 100, 72), (30, 48, 34)), gradient((110, 70, 70), (48, 26, 28)),
        gradient((96, 96, 96), (40, 40, 40), vertical=False), gradient((90, 80, 110), (40, 32, 56)),
        radial((140, 130, 110), (52, 46, 40)), radial((96, 120, 150), (28, 36, 54)),
        radial((150, 110, 80), (56, 34, 22)),
    ]
    # Stone and earth.
    for base in greys + [(104, 92, 76), (70, 84, 70), (92, 76, 92)]:
        tiles.append(stone(rng, base))
    # Parchment.
    for base in [(214, 196, 156), (200, 180, 140), (226, 214, 184)]:
        tiles.append(parchment(rng, base))
    # Wood.
    for base, vertical in [((128, 88, 56), False), ((104, 70, 44), True), ((150, 112, 72), False),
                           ((86, 60, 42), True)]:
        tiles.append(wood(rng, base, vertical))
    # Masonry and patterns.
    tiles += [bricks(rng, (130, 70, 56), (70, 66, 62)), bricks(rng, (104, 104, 108), (56, 56, 60)),
              checker((70, 70, 76), (84, 84, 90)), checker((64, 52, 44), (78, 64, 52), 4),
              stripes((60, 64, 72), (70, 74, 82)), stripes((72, 60, 48), (84, 70, 56), 6)]
    # Framed variants of a few of the above, as item-slot backgrounds.
    frames = [
        (stone(rng, (80, 80, 86)), (150, 130, 80), (50, 44, 30)),
        (gradient((60, 70, 96), (30, 34, 50)), (170, 170, 180), None),
        (parchment(rng, (206, 188, 150)), (110, 76, 46), None),
        (wood(rng, (112, 78, 50)), (70, 50, 34), (40, 28, 20)),
        (solid((48, 48, 54)), (120, 120, 128), (30, 30, 34)),
        (radial((110, 90, 120), (40, 30, 50)), (180, 150, 90), None),
        (stone(rng, (70, 86, 72)), (100, 120, 96), None),
        (gradient((120, 60, 50), (50, 24, 22)), (200, 170, 100), (60, 40, 20)),
        (solid((88, 80, 70)), (60, 54, 48), None),
        (stone(rng, (96, 90, 84), 0.4), (140, 140, 150), (60, 60, 66)),
        (gradient((50, 90, 90), (20, 40, 42)), (150, 190, 180), None),
    ]
    tiles += [framed(p, o, i) for p, o, i in frames]
    assert len(tiles) == 45, len(tiles)
    return tiles


def make_slots():
    rng = random.Random(2024)
    slot5 = framed(stone(rng, (78, 78, 84)), (140, 120, 76), (44, 40, 30))
    slot6 = framed(parchment(rng, (210, 192, 152)), (104, 72, 44), None)
    return slot5, slot6


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "resources")
    os.makedirs(os.path.join(out, "tiles"), exist_ok=True)
    names = []
    for i, pixels in enumerate(make_tiles(), start=1):
        names.append("tile%02d.png" % i)
        with open(os.path.join(out, "tiles", names[-1]), "wb") as f:
            f.write(png_bytes(pixels))
    for name, pixels in zip(("slot5.png", "slot6.png"), make_slots()):
        names.append(name)
        with open(os.path.join(out, "tiles", name), "wb") as f:
            f.write(png_bytes(pixels))
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/tiles">']
    lines += ['    <file alias="%s">tiles/%s</file>' % (n, n) for n in names]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(out, "artwork.qrc"), "w", newline="\n") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
