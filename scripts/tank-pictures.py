#!/usr/bin/env python3
"""Writes the window's tank diagrams for the flat, dished (torispherical)
and conical heads, in the style of HorizontalTank.svg and VerticalTank.svg
(which show the semi-ellipsoidal head): the outline, the liquid below the
level, and the dimension arrows for D, L, H and, where the head takes a
depth, b.

    scripts/tank-pictures.py resources/pictures
"""
import math
import sys

LEVEL_H = 116  # liquid surface, lying
LEVEL_V = 110  # liquid surface, standing


def profile(shape, radius):
    """(depth, r(x)) of a head in pixels for a shell of `radius`."""
    if shape == "flat":
        return 0.0, lambda x: radius
    if shape == "conical":
        depth = 0.63 * radius
        return depth, lambda x: radius * (1 - x / depth)
    # Dished: crown radius D, knuckle radius 0.1 D (a DIN 28011 head).
    d = 2 * radius
    rc, rk = d, 0.1 * d
    centre = math.sqrt((rc - rk) ** 2 - (radius - rk) ** 2)
    rim = rk * centre / (rc - rk)

    def r(x):
        if x <= rim:
            return radius - rk + math.sqrt(max(0.0, rk * rk - x * x))
        return math.sqrt(max(0.0, rc * rc - (x + centre) ** 2))

    return rc - centre, r


def head_points(shape, radius, steps=48):
    """Points (x, offset) from the seam's one edge round the apex to the
    other, x outward along the axis, offset across it."""
    depth, r = profile(shape, radius)
    if depth == 0:
        return [(0.0, -radius), (0.0, radius)]
    xs = [depth * (1 - math.cos(math.pi / 2 * i / steps)) for i in range(steps + 1)]
    xs = sorted(set(xs))
    side = [(x, r(x)) for x in xs]
    return [(x, -o) for x, o in side] + [(x, o) for x, o in reversed(side)]


def clip_below(points, level):
    """The polygon's part with y >= level (Sutherland-Hodgman, one edge)."""
    out = []
    for i, (x1, y1) in enumerate(points):
        x0, y0 = points[i - 1]
        inside0, inside1 = y0 >= level, y1 >= level
        if inside0 != inside1:
            t = (level - y0) / (y1 - y0)
            out.append((x0 + t * (x1 - x0), level))
        if inside1:
            out.append((x1, y1))
    return out


def path(points):
    return "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points) + " Z"


def arrow(x1, y1, x2, y2):
    """A dimension line with a filled arrowhead at both ends."""
    def head(xa, ya, xb, yb):
        length = math.hypot(xb - xa, yb - ya)
        ux, uy = (xb - xa) / length, (yb - ya) / length
        bx, by = xa + 8 * ux, ya + 8 * uy
        return (f'    <path d="M{xa},{ya} L{bx - 3 * uy:.2f},{by + 3 * ux:.2f} '
                f'L{bx + 3 * uy:.2f},{by - 3 * ux:.2f} Z" fill="#000" stroke="none"/>\n')
    return (f'    <line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}"/>\n'
            + head(x1, y1, x2, y2) + head(x2, y2, x1, y1))


def svg(comment, outline, fill, level_line, dims, labels, white):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f"<!-- {comment} -->",
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'width="261" height="228" viewBox="0 0 261 228">',
           '  <rect x="0" y="0" width="261" height="228" fill="#ffffff"/>',
           f'  <path d="{path(fill)}" fill="#4f8fe8" stroke="none"/>',
           f'  <line x1="{level_line[0]:.2f}" y1="{level_line[1]}" x2="{level_line[2]:.2f}" '
           f'y2="{level_line[1]}" stroke="#1446a0" stroke-width="1"/>',
           '  <g fill="none" stroke="#000000" stroke-width="1.5">']
    out += [f'    {item}' for item in outline]
    out += ["  </g>", '  <g fill="none" stroke="#000000" stroke-width="0.8">']
    out.append("".join(dims).rstrip("\n"))
    out.append("  </g>")
    out += [f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" fill="#ffffff"/>' for x, y, w, h in white]
    out.append('  <g font-family="Liberation Sans" font-size="15" font-weight="bold" '
               'font-style="italic" fill="#000000" text-anchor="middle">')
    out += [f'    <text x="{x:.0f}" y="{y:.0f}">{t}</text>' for t, x, y in labels]
    out += ["  </g>", "</svg>", ""]
    return "\n".join(out)


NAMES = {"flat": "flat ends", "dished": "dished (torispherical) heads",
         "conical": "conical heads"}


def horizontal(shape):
    top, bottom, left, right = 46, 166, 74, 186
    radius = (bottom - top) / 2
    mid = (top + bottom) / 2
    depth, _ = profile(shape, radius)
    head = head_points(shape, radius)
    # Round the tank: left head from bottom to top, right head from top to bottom.
    pts = [(left - x, mid - o) for x, o in head] + [(right + x, mid + o) for x, o in head]
    fill = clip_below(pts, LEVEL_H)
    xs = [x for x, y in fill if abs(y - LEVEL_H) < 1e-9]
    outline = [f'<path d="{path(pts)}"/>', f'<line x1="{left}" y1="{top}" x2="{left}" y2="{bottom}"/>',
               f'<line x1="{right}" y1="{top}" x2="{right}" y2="{bottom}"/>']
    dims = [f'    <line x1="{left - 2}" y1="{top}" x2="8" y2="{top}"/>\n',
            f'    <line x1="{left - 2}" y1="{bottom}" x2="8" y2="{bottom}"/>\n',
            arrow(14, top, 14, bottom),
            f'    <line x1="{right + 2}" y1="{bottom}" x2="250" y2="{bottom}"/>\n',
            f'    <line x1="{max(xs) + 2:.2f}" y1="{LEVEL_H}" x2="250" y2="{LEVEL_H}"/>\n',
            arrow(244, bottom, 244, LEVEL_H),
            f'    <line x1="{left}" y1="{bottom + 2}" x2="{left}" y2="200"/>\n',
            f'    <line x1="{right}" y1="{bottom + 2}" x2="{right}" y2="200"/>\n',
            arrow(left, 192, right, 192)]
    labels = [("D", 14, 112), ("H", 232, 146), ("L", 130, 215)]
    if shape == "conical":
        dims.append(arrow(round(left - depth, 2), 96, left, 96))
        labels.append(("b", left - depth / 2, 89))
    comment = (f"Horizontal cylindrical tank with {NAMES[shape]} seen from the side. D across the "
               "full height at the left, H from the bottom to the liquid surface, L between the "
               "head seams" + (", b the depth of the left cone." if shape == "conical" else "."))
    return svg(comment, outline, fill, (min(xs), LEVEL_H, max(xs)), dims, labels,
               [(5, 97, 18, 20)])


def vertical(shape):
    left, right, seam_top, seam_bottom = 80, 180, 54, 168
    radius = (right - left) / 2
    centre = (left + right) / 2
    depth, _ = profile(shape, radius)
    head = head_points(shape, radius)
    pts = [(centre + o, seam_top - x) for x, o in head]  # top head, left to right
    pts += [(centre - o, seam_bottom + x) for x, o in head]  # bottom head, right to left
    fill = clip_below(pts, LEVEL_V)
    outline = [f'<path d="{path(pts)}"/>',
               f'<line x1="{left}" y1="{seam_top}" x2="{right}" y2="{seam_top}"/>',
               f'<line x1="{left}" y1="{seam_bottom}" x2="{right}" y2="{seam_bottom}"/>']
    low = round(seam_bottom + depth, 2)
    dims = [f'    <line x1="{left}" y1="{seam_top - 2}" x2="{left}" y2="3"/>\n',
            f'    <line x1="{right}" y1="{seam_top - 2}" x2="{right}" y2="3"/>\n',
            arrow(left, 10, right, 10),
            f'    <line x1="{left - 2}" y1="{seam_top}" x2="42" y2="{seam_top}"/>\n',
            f'    <line x1="{left - 2}" y1="{seam_bottom}" x2="42" y2="{seam_bottom}"/>\n',
            arrow(48, seam_top, 48, seam_bottom),
            f'    <line x1="{centre + 2 if depth else right + 2}" y1="{low}" x2="222" y2="{low}"/>\n',
            f'    <line x1="{right + 2}" y1="{LEVEL_V}" x2="222" y2="{LEVEL_V}"/>\n',
            arrow(216, low, 216, LEVEL_V)]
    labels = [("D", 130, 15), ("L", 36, 116), ("H", 228, 161)]
    if shape == "conical":
        dims.append(arrow(130, round(seam_top - depth, 2), 130, seam_top))
        labels.append(("b", 141, seam_top - depth / 2 + 5))
    comment = (f"Vertical cylindrical tank with {NAMES[shape]}, standing upright. D across the top, "
               "L the shell length at the left, H at the right from the lowest point to the liquid "
               "surface" + (", b the height of the top cone." if shape == "conical" else "."))
    return svg(comment, outline, fill, (left, LEVEL_V, right), dims, labels,
               [(120, 2, 20, 16)])


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources/pictures"
    for shape, suffix in (("flat", "Flat"), ("dished", "Dished"), ("conical", "Conical")):
        for name, make in (("HorizontalTank", horizontal), ("VerticalTank", vertical)):
            with open(f"{folder}/{name}{suffix}.svg", "w", encoding="utf-8") as out:
                out.write(make(shape))


if __name__ == "__main__":
    main()
