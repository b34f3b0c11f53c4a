#!/usr/bin/env python3
"""Draws the program icon: a quill over a framed picture.

One list of flat shapes (rounded rectangles, circles, polygons) is written both as SVG and
as a 256 x 256 RGBA PNG, so the two always match. Standard library only and deterministic.
Usage: tools/make_icon.py [icons folder]  (default: resources/icons/ beside tools/)
"""

import math
import os
import sys

from pngfile import png_bytes

NAME = "io.github.quillmark.Quillmark"
SIDE = 256
SUBROWS = 16  # scanlines per pixel row; across a row the coverage is exact

FRAME = "#2f4c74"
SKY = "#bfe4f8"
SUN = "#ffc93c"
HILL_FAR = "#4f9c5a"
HILL_NEAR = "#7cc35f"
SHADOW = "#0b1626"
INK = "#1b2838"
VANE = "#fffaf0"
VANE_SHADE = "#e6dcc8"
SHAFT = "#c79a4f"

# Splits in the vanes (share of the vane length from its base, depth) make it a feather.
UPPER_NOTCHES = ((0.30, 0.45), (0.55, 0.35))
LOWER_NOTCHES = ((0.42, 0.5),)


def rrect(x, y, w, h, r, fill):
    return ("rrect", (x, y, w, h, r), fill, 1.0)


def circle(cx, cy, r, fill):
    return ("circle", (cx, cy, r), fill, 1.0)


def polygon(points, fill, opacity=1.0):
    # Rounded once here, so the SVG and the PNG are drawn from the very same numbers.
    return ("polygon", tuple((round(x, 2), round(y, 2)) for x, y in points), fill, opacity)


def arc(cx, cy, r, start, end, steps=8):
    return [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


class Quill:
    """A feather along a gently bent axis from its nib end to its tip."""

    def __init__(self, base, tip, bend):
        self.base, self.tip, self.bend = base, tip, bend
        dx, dy = tip[0] - base[0], tip[1] - base[1]
        self.length = math.hypot(dx, dy)
        self.d = (dx / self.length, dy / self.length)
        self.n = (self.d[1], -self.d[0])  # to the upper left of the axis

    def at(self, t, side=0.0):
        """The point at t (0 base, 1 tip) of the axis, moved side units along the normal."""
        off = self.bend * math.sin(math.pi * t) + side
        return (self.base[0] + self.d[0] * self.length * t + self.n[0] * off,
                self.base[1] + self.d[1] * self.length * t + self.n[1] * off)

    @staticmethod
    def width(s, w):
        return w * math.sin(math.pi * (s ** 0.7)) ** 0.8

    def edge(self, start, w, sign, notches, grow=0.0, steps=40):
        """One side of the vanes, base to tip, cut by V notches at the given shares."""
        def point(s, k=1.0):
            return self.at(start + (1 - start) * s, sign * (self.width(s, w) * k + grow))

        cuts = [(s, s + 0.045, depth) for s, depth in notches]
        pts = []
        for i in range(1, steps):
            s = i / steps
            for c in cuts:
                if c[0] <= s < c[1]:
                    break
            else:
                pts.append((s, point(s)))
        for a, b, depth in cuts:
            pts += [(a, point(a)), (a + 0.012, point(a + 0.012, 1 - depth)), (b, point(b))]
        return [p for _, p in sorted(pts)]

    def vane(self, start, left, right, grow=0.0):
        """Outline of the vanes from t=start to the tip; grow widens it for the ink rim."""
        upper = self.edge(start, left, 1, UPPER_NOTCHES, grow)
        lower = self.edge(start, right, -1, LOWER_NOTCHES, grow)
        return [self.at(start - grow / self.length)] + upper + [self.at(1 + grow / self.length)] + lower[::-1]

    def lower_half(self, start, right, steps=40):
        """The vane below the axis, for its shade."""
        axis = [self.at(start + (1 - start) * i / steps) for i in range(steps + 1)]
        return axis + self.edge(start, right, -1, LOWER_NOTCHES)[::-1]

    def strip(self, t0, t1, half, steps=12):
        ts = [t0 + (t1 - t0) * i / steps for i in range(steps + 1)]
        return [self.at(t, half) for t in ts] + [self.at(t, -half) for t in reversed(ts)]


def shapes():
    out = [
        rrect(16, 16, 224, 224, 40, FRAME),
        rrect(38, 38, 180, 180, 14, SKY),
        circle(88, 86, 22, SUN),
    ]
    # Hills follow the picture's rounded bottom corners, so nothing spills onto the frame.
    bottom = arc(204, 204, 14, 0, 90) + arc(52, 204, 14, 90, 180)
    out.append(polygon([(38, 150), (92, 112), (140, 146), (180, 124), (218, 142)] + bottom, HILL_FAR))
    out.append(polygon([(38, 178), (96, 154), (150, 172), (218, 160)] + bottom, HILL_NEAR))

    q = Quill(base=(70, 200), tip=(228, 30), bend=10)
    vane_start = 0.2
    nib = [q.at(-0.17), q.at(0.0, 7), q.at(0.07, 5.5), q.at(0.07, -5.5), q.at(0.0, -7)]
    rim = q.vane(vane_start, 34, 22, grow=5)
    shaft = q.strip(-0.02, 0.93, 3)
    shadow = [(x + 5, y + 6) for x, y in rim]
    out += [
        polygon(shadow, SHADOW, 0.28),
        polygon([(x + 5, y + 6) for x, y in nib], SHADOW, 0.28),
        polygon(rim, INK),
        polygon(q.strip(-0.02, vane_start + 0.02, 6.5), INK),
        polygon(q.vane(vane_start, 34, 22), VANE),
        # The lower vane a shade darker gives the feather its fold.
        polygon(q.lower_half(vane_start, 22), VANE_SHADE),
        polygon(shaft, SHAFT),
        polygon(nib, INK),
    ]
    return out


# --- SVG ---------------------------------------------------------------------------

def svg_text(items):
    def num(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (SIDE, SIDE, SIDE, SIDE)]
    for kind, g, fill, opacity in items:
        extra = "" if opacity == 1.0 else ' fill-opacity="%s"' % num(opacity)
        if kind == "rrect":
            x, y, w, h, r = g
            lines.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"%s/>'
                         % (num(x), num(y), num(w), num(h), num(r), fill, extra))
        elif kind == "circle":
            lines.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"%s/>'
                         % (num(g[0]), num(g[1]), num(g[2]), fill, extra))
        else:
            pts = " ".join("%s,%s" % (num(x), num(y)) for x, y in g)
            lines.append('  <polygon points="%s" fill="%s"%s/>' % (pts, fill, extra))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


# --- PNG ---------------------------------------------------------------------------

def spans(kind, g, y):
    """The inside of a shape on the horizontal line at y, as (from, to) pairs."""
    if kind == "circle":
        cx, cy, r = g
        h = r * r - (y - cy) ** 2
        return [(cx - math.sqrt(h), cx + math.sqrt(h))] if h > 0 else []
    if kind == "rrect":
        x, yy, w, h, r = g
        if not yy <= y < yy + h:
            return []
        dy = max(yy + r - y, y - (yy + h - r), 0)
        inset = r - math.sqrt(max(r * r - dy * dy, 0))
        return [(x + inset, x + w - inset)]
    xs = []
    for (x0, y0), (x1, y1) in zip(g, g[1:] + g[:1]):
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return list(zip(xs[0::2], xs[1::2]))


def vertical_extent(kind, g):
    if kind == "circle":
        return g[1] - g[2], g[1] + g[2]
    if kind == "rrect":
        return g[1], g[1] + g[3]
    ys = [p[1] for p in g]
    return min(ys), max(ys)


def coverage_row(kind, g, row):
    """Covered share of each pixel in a row: SUBROWS scanlines, exact area across each."""
    cov = [0.0] * (SIDE + 1)
    full = [0] * (SIDE + 1)
    for k in range(SUBROWS):
        for a, b in spans(kind, g, row + (k + 0.5) / SUBROWS):
            a, b = max(a, 0.0), min(b, float(SIDE))
            if b <= a:
                continue
            ia, ib = int(a), int(b)
            if ia == ib:
                cov[ia] += b - a
                continue
            cov[ia] += ia + 1 - a
            full[ia + 1] += 1
            full[ib] -= 1
            cov[ib] += b - ib
    run = 0
    out = []
    for x in range(SIDE):
        run += full[x]
        out.append((cov[x] + run) / SUBROWS)
    return out


def render(items):
    px = [[(0.0, 0.0, 0.0, 0.0)] * SIDE for _ in range(SIDE)]
    for kind, g, fill, opacity in items:
        rgb = tuple(int(fill[i:i + 2], 16) / 255 for i in (1, 3, 5))
        top, bottom = vertical_extent(kind, g)
        for row in range(max(int(top), 0), min(int(math.ceil(bottom)), SIDE)):
            line = px[row]
            for x, c in enumerate(coverage_row(kind, g, row)):
                a = min(c, 1.0) * opacity
                if a <= 0:
                    continue
                r0, g0, b0, a0 = line[x]
                na = a + a0 * (1 - a)
                line[x] = tuple((rgb[i] * a + (r0, g0, b0)[i] * a0 * (1 - a)) / na for i in range(3)) + (na,)
    return px


def to_bytes(px):
    """Coverage-blended floats 0..1 -> 0..255."""
    return [[tuple(max(0, min(255, int(round(v * 255)))) for v in p) for p in row] for row in px]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "resources", "icons")
    os.makedirs(out, exist_ok=True)
    items = shapes()
    with open(os.path.join(out, NAME + ".svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg_text(items))
    with open(os.path.join(out, NAME + ".png"), "wb") as f:
        f.write(png_bytes(to_bytes(render(items))))


if __name__ == "__main__":
    main()
