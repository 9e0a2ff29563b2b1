#!/usr/bin/env python3
"""Draws the picture of the M5-60 map window: Great Britain and Ireland from the GSHHG
coastlines, with schematic rainfall contours and a warning that they are schematic.

    python3 resources/map/make_m560_map.py resources/pictures/map/m560.svg [GSHHG_FOLDER]

GSHHG_FOLDER holds binned_GSHHS_h.nc (Debian package gmt-gshhg-high), by default
/usr/share/gmt-gshhg. The letters are outlines of Liberation Sans Bold (fonts-liberation).
The output depends only on these files: running it again gives the same bytes.
"""

import bisect
import math
import os
import sys

sys.dont_write_bytecode = True  # nothing left behind in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gshhg_binned  # noqa: E402
from glyph_outlines import Font, text_path  # noqa: E402

WIDTH, HEIGHT = 1242, 1500

# Transverse Mercator on a sphere about 2 degrees west, as the national grid of Great Britain
# is: the island keeps its familiar shape. Kilometres east of that meridian and north of 49 N.
EARTH_RADIUS_KM = 6371.0
CENTRAL_MERIDIAN = -2.0
ORIGIN_LATITUDE = 49.0
PIXELS_PER_KM = 1.15
# The picture's top-left corner. The window opens on that corner, so it lies in the sea just
# west of Orkney: the north coast shows from the start, the caption sits over open sea, and
# Shetland at the top and Northern Ireland at the left are still whole.
WEST_KM, NORTH_KM = -411.0, 1328.0

SEA = "#cde3f1"
GB_LAND, GB_COAST = "#8dc47a", "#3f7a33"
IRELAND_LAND, IRELAND_COAST = "#bcd9ae", "#6f9a60"
CONTINENT_LAND, CONTINENT_COAST = "#dcdbd0", "#9a9a8c"
SHADOW = "#1f3a52"
CONTOUR = "#8a4a16"
WARNING = "#9e1b1b"

FONT_BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
FONT_REGULAR = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"


def project(lon, lat):
    dl = math.radians(lon - CENTRAL_MERIDIAN)
    phi = math.radians(lat)
    b = math.cos(phi) * math.sin(dl)
    x = EARTH_RADIUS_KM * math.atanh(b)
    y = EARTH_RADIUS_KM * (math.atan2(math.tan(phi), math.cos(dl)) - math.radians(ORIGIN_LATITUDE))
    return ((x - WEST_KM) * PIXELS_PER_KM, (NORTH_KM - y) * PIXELS_PER_KM)


# --- land ---------------------------------------------------------------------------------

def in_area(lon, lat, size):
    lon = (lon + 180.0) % 360.0 - 180.0
    return lon + size > -16.0 and lon < 12.0 and lat + size > 46.0 and lat < 64.0


def clip_box(points, west, south, east, north):
    """Sutherland-Hodgman: the part of a polygon inside a box of (x, y) points."""
    def clip(pts, inside, cross):
        out = []
        for i, p in enumerate(pts):
            q = pts[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cross(q, p))
                out.append(p)
            elif inside(q):
                out.append(cross(q, p))
        return out

    def at_lon(v):
        return lambda a, b: (v, a[1] + (b[1] - a[1]) * (v - a[0]) / (b[0] - a[0]))

    def at_lat(v):
        return lambda a, b: (a[0] + (b[0] - a[0]) * (v - a[1]) / (b[1] - a[1]), v)

    for inside, cross in ((lambda p: p[0] >= west, at_lon(west)),
                          (lambda p: p[0] <= east, at_lon(east)),
                          (lambda p: p[1] >= south, at_lat(south)),
                          (lambda p: p[1] <= north, at_lat(north))):
        points = clip(points, inside, cross)
        if not points:
            break
    return points


def region_of(polygon):
    """'gb' for Great Britain and the islands about it, 'ie' for Ireland's, else 'eu'."""
    west, south, east, north = polygon.bounds()
    lon, lat = (west + east) / 2, (south + north) / 2
    if lon > 1.9 or lat < 49.75:
        return "eu"
    if lon < -5.85 and 51.3 < lat < 55.33:
        return "ie"
    return "gb"


def land_rings():
    folder = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/gmt-gshhg"
    polygons = gshhg_binned.read_polygons(os.path.join(folder, "binned_GSHHS_h.nc"), in_area)
    rings = {"gb": [], "ie": [], "eu": [], "lake": []}
    for polygon in sorted(polygons, key=lambda p: p.id):
        if polygon.level > 2:
            continue  # islands in lakes are too small to see here
        pieces = []
        for shift in (-360.0, 0.0, 360.0):
            shifted = [(lon + shift, lat) for lon, lat in polygon.points]
            w, s, e, n = min(p[0] for p in shifted), min(p[1] for p in shifted), \
                max(p[0] for p in shifted), max(p[1] for p in shifted)
            if e < -16 or w > 12 or n < 46 or s > 64:
                continue
            if w < -16 or e > 12 or s < 46 or n > 64:
                shifted = clip_box(shifted, -16.0, 46.0, 12.0, 64.0)
            if len(shifted) >= 3:
                pieces.append(shifted)
        for piece in pieces:
            ring = clip_box([project(lon, lat) for lon, lat in piece], -12.0, -12.0,
                            WIDTH + 12.0, HEIGHT + 12.0)
            if len(ring) < 3:
                continue
            xs = [p[0] for p in ring]
            ys = [p[1] for p in ring]
            if max(xs) < -20 or min(xs) > WIDTH + 20 or max(ys) < -20 or min(ys) > HEIGHT + 20:
                continue
            if abs(area(ring)) < 2.0:
                continue
            kind = "lake" if polygon.level == 2 else region_of(gshhg_binned.Polygon(
                polygon.id, polygon.level, piece))
            rings[kind].append(simplify_ring(ring, 0.7))
    return rings


def area(ring):
    return sum(ring[i - 1][0] * ring[i][1] - ring[i][0] * ring[i - 1][1]
               for i in range(len(ring))) / 2.0


def simplify(points, tolerance):
    """Douglas-Peucker on an open polyline; keeps both ends."""
    if len(points) < 3:
        return list(points)
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        ax, ay = points[first]
        bx, by = points[last]
        dx, dy = bx - ax, by - ay
        length = math.hypot(dx, dy)
        worst, index = -1.0, None
        for i in range(first + 1, last):
            px, py = points[i]
            if length == 0:
                distance = math.hypot(px - ax, py - ay)
            else:
                distance = abs(dy * (px - ax) - dx * (py - ay)) / length
            if distance > worst:
                worst, index = distance, i
        if index is not None and worst > tolerance:
            keep[index] = True
            stack.append((first, index))
            stack.append((index, last))
    return [p for p, k in zip(points, keep) if k]


def simplify_ring(ring, tolerance):
    # Split at the point farthest from the first, so that both halves are open lines.
    far = max(range(len(ring)), key=lambda i: (ring[i][0] - ring[0][0]) ** 2 +
              (ring[i][1] - ring[0][1]) ** 2)
    first = simplify(ring[:far + 1], tolerance)
    second = simplify(ring[far:] + [ring[0]], tolerance)
    return first + second[1:-1]


def number(v):
    text = "%.1f" % v
    if text.endswith(".0"):
        text = text[:-2]
    if text.startswith("0."):
        text = text[1:]
    elif text.startswith("-0."):
        text = "-" + text[2:]
    return "0" if text in ("-0", "") else text


def path_data(lines, closed):
    """Compact path data: absolute first points, relative steps from rounded positions, so
    that rounding does not drift along a long coast."""
    out = []
    for line in lines:
        rounded = [(round(x, 1), round(y, 1)) for x, y in line]
        steps = [rounded[0]] + [p for i, p in enumerate(rounded[1:]) if p != rounded[i]]
        if len(steps) < 2:
            continue
        parts = ["M%s %s" % (number(steps[0][0]), number(steps[0][1]))]
        deltas = []
        for (x0, y0), (x1, y1) in zip(steps, steps[1:]):
            deltas.append("%s %s" % (number(x1 - x0), number(y1 - y0)))
        parts.append("l" + " ".join(deltas).replace(" -", "-"))
        if closed:
            parts.append("z")
        out.append("".join(parts))
    return "".join(out)


# --- which pixels are land (for the contours) ----------------------------------------------

class LandMask:
    """Even-odd crossings of the rings on each pixel row, to tell land from sea and lake."""

    def __init__(self, rings):
        self.rows = [[] for _ in range(HEIGHT)]
        for ring in rings:
            for i in range(len(ring)):
                (x1, y1), (x2, y2) = ring[i - 1], ring[i]
                if y1 == y2:
                    continue
                low, high = min(y1, y2), max(y1, y2)
                for row in range(max(0, math.ceil(low - 0.5)), min(HEIGHT, math.ceil(high - 0.5))):
                    yc = row + 0.5
                    self.rows[row].append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
        for row in self.rows:
            row.sort()

    def contains(self, x, y):
        row = int(y)
        if row < 0 or row >= HEIGHT:
            return False
        return bisect.bisect_left(self.rows[row], x) % 2 == 1


# --- contours ------------------------------------------------------------------------------

# Schematic lines of M5-60 rainfall in millimetres, as (value, closed, points in degrees
# east and north), with the places where each is labelled. They follow the broad pattern
# only: less rain in an hour in the far north, more in the south, more again on high ground.
CONTOURS = [
    (12, False, [(-13.0, 59.0), (-7.0, 58.6), (-5.0, 58.12), (-4.0, 57.98), (-3.0, 58.08),
                 (-1.5, 58.35), (3.0, 58.7)], [(-4.2, 58.0)]),
    (16, False, [(-13.0, 55.2), (-8.5, 54.85), (-6.5, 55.15), (-5.0, 55.9), (-4.2, 56.35),
                 (-3.2, 56.3), (-2.3, 55.9), (-1.0, 55.5), (3.0, 55.2)],
     [(-3.3, 56.3), (-7.3, 54.9)]),
    (16, True, [(-5.9, 56.6), (-5.3, 56.42), (-4.6, 56.62), (-4.5, 57.1), (-5.0, 57.42),
                (-5.7, 57.2)], [(-4.5, 56.9)]),
    (20, False, [(-13.0, 52.0), (-8.5, 52.75), (-6.0, 53.35), (-4.5, 53.55), (-3.2, 54.1),
                 (-2.0, 54.2), (-0.6, 54.0), (3.0, 53.5)], [(-1.5, 54.15), (-8.0, 52.85)]),
    (20, True, [(-3.5, 54.38), (-3.1, 54.24), (-2.7, 54.4), (-2.8, 54.68), (-3.2, 54.74)],
     [(-2.75, 54.55)]),
    (24, True, [(-4.2, 52.92), (-3.85, 52.76), (-3.55, 52.95), (-3.7, 53.18), (-4.05, 53.2)],
     [(-3.6, 53.05)]),
    (24, True, [(-4.12, 50.56), (-3.86, 50.47), (-3.64, 50.6), (-3.8, 50.74), (-4.05, 50.71)],
     [(-3.68, 50.66)]),
]


def catmull_rom(points, closed, step=1.0):
    """Points every `step` pixels or so along a smooth curve through `points`."""
    pts = list(points)
    n = len(pts)
    out = []
    spans = n if closed else n - 1
    for i in range(spans):
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1, p2 = pts[i], pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else pts[-1]
        count = max(2, int(math.hypot(p2[0] - p1[0], p2[1] - p1[1]) / step))
        for k in range(count):
            t = k / count
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t +
                                    (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2 +
                                    (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                             for j in range(2)))
    out.append(pts[0] if closed else pts[-1])
    return out


def contour_lines(mask):
    """The drawn pieces of every contour (on land only) and its labels' centres."""
    pieces, labels = [], []
    for value, closed, points, label_at in CONTOURS:
        curve = catmull_rom([project(*p) for p in points], closed)
        run = []
        for p in curve:
            if mask.contains(*p):
                run.append(p)
                continue
            if len(run) > 3:
                pieces.append(simplify(run, 0.25))
            run = []
        if len(run) > 3:
            pieces.append(simplify(run, 0.25))
        for lon, lat in label_at:
            target = project(lon, lat)
            nearest = min(curve, key=lambda p: (p[0] - target[0]) ** 2 + (p[1] - target[1]) ** 2)
            labels.append((value, nearest))
    return pieces, labels


# --- words ---------------------------------------------------------------------------------

NOTE = ["Contours are indicative only \u2014",
        "take site M5-60 values from the published maps."]


NOTE_SIZE = 14


def note_definition(bold):
    """The warning in a white box, drawn once with its top-left corner at (0, 0) and placed
    with <use>; and the box's size."""
    size = NOTE_SIZE
    line_gap = size * 1.3
    paths, widths = [], []
    for i, line in enumerate(NOTE):
        d, w = text_path(bold, line, size * 0.7, size * 1.25 + i * line_gap, size)
        paths.append(d)
        widths.append(w)
    box_w = max(widths) + size * 1.4
    box_h = size * 0.75 + line_gap * len(NOTE) + size * 0.15
    return ('<g id="note"><rect width="%s" height="%s" rx="5" fill="#ffffff" '
            'fill-opacity="0.92" stroke="%s" stroke-width="1.6"/>'
            '<path fill="%s" d="%s"/></g>\n' % (number(box_w), number(box_h), WARNING,
                                                 WARNING, "".join(paths))), (box_w, box_h)


def note_at(x, y, scale=1.0):
    transform = "translate(%s,%s)" % (number(x), number(y))
    if scale != 1.0:
        transform += " scale(%s)" % scale
    return '<use xlink:href="#note" transform="%s"/>\n' % transform


def main():
    bold = Font(FONT_BOLD)
    regular = Font(FONT_REGULAR)
    rings = land_rings()
    isles = rings["gb"] + rings["ie"]
    mask = LandMask(isles + rings["lake"])
    pieces, labels = contour_lines(mask)

    out = []
    w = out.append
    w('<?xml version="1.0" encoding="UTF-8"?>\n')
    w('<!-- Generated by resources/map/make_m560_map.py from the GSHHG coastlines (LGPL); '
      'edit the generator, not this file. -->\n')
    w('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
      'version="1.2" baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">\n'
      % (WIDTH, HEIGHT, WIDTH, HEIGHT))
    w('<title>Schematic M5-60 rainfall contours over Great Britain</title>\n')
    w('<defs>\n')
    for kind in ("gb", "ie", "eu"):
        w('<path id="%s" d="%s"/>\n' % (kind, path_data(rings[kind], True)))
    note, (_, note_h) = note_definition(bold)
    w(note)
    w('</defs>\n')
    w('<rect width="%d" height="%d" fill="%s"/>\n' % (WIDTH, HEIGHT, SEA))
    w('<g fill="%s" fill-opacity="0.38" transform="translate(6,6)">'
      '<use xlink:href="#eu"/><use xlink:href="#ie"/><use xlink:href="#gb"/></g>\n' % SHADOW)
    for kind, fill, coast in (("eu", CONTINENT_LAND, CONTINENT_COAST),
                              ("ie", IRELAND_LAND, IRELAND_COAST),
                              ("gb", GB_LAND, GB_COAST)):
        w('<use xlink:href="#%s" fill="%s" stroke="%s" stroke-width="0.8" '
          'stroke-linejoin="round"/>\n' % (kind, fill, coast))
    w('<path fill="%s" stroke="%s" stroke-width="0.6" d="%s"/>\n'
      % (SEA, GB_COAST, path_data(rings["lake"], True)))
    w('<path fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round" '
      'stroke-linejoin="round" d="%s"/>\n' % (CONTOUR, path_data(pieces, False)))

    # Each label on a patch of its land's colour, which also breaks the line under it.
    for value, (x, y) in labels:
        d, width = text_path(bold, str(value), x, y + 6.5, 18, "middle")
        halo = IRELAND_LAND if mask_region(x, y, rings) == "ie" else GB_LAND
        w('<path fill="%s" stroke="%s" stroke-width="6" stroke-linejoin="round" d="%s"/>\n'
          % (CONTOUR, halo, d))
        w('<path fill="%s" d="%s"/>\n' % (CONTOUR, d))

    # The warning where the window opens, below its caption, and in the seas about the
    # islands, so that a part of the map dragged into view is seldom without it.
    big = 1.25
    w(note_at(8, 72, big))
    key_y = 72 + note_h * big + 12
    w('<rect x="8" y="%s" width="270" height="34" rx="6" fill="#ffffff" fill-opacity="0.92" '
      'stroke="%s" stroke-width="1"/>\n' % (number(key_y), CONTOUR))
    w('<path fill="none" stroke="%s" stroke-width="2.2" d="M20 %sh60"/>\n'
      % (CONTOUR, number(key_y + 17)))
    d, _ = text_path(bold, "20", 50, key_y + 23, 16, "middle")
    w('<path fill="%s" stroke="#ffffff" stroke-width="5" stroke-linejoin="round" d="%s"/>\n'
      % (CONTOUR, d))
    w('<path fill="%s" d="%s"/>\n' % (CONTOUR, d))
    d, _ = text_path(regular, "M5-60 rainfall contour, mm", 92, key_y + 22, 14)
    w('<path fill="#333333" d="%s"/>\n' % d)
    for x, y in ((640, 40), (820, 420), (870, 760), (24, 1240), (760, 1360)):
        w(note_at(x, y))

    # A scale bar, true on the central meridian.
    bar = 100 * PIXELS_PER_KM
    x0, y0 = 24, 1440
    w('<path fill="none" stroke="#333333" stroke-width="2" d="M%s %sv8h%sv-8M%s %sv8"/>\n'
      % (x0, y0 - 8, number(bar), number(x0 + bar / 2), y0 - 4))
    d, _ = text_path(regular, "0", x0, y0 + 18, 13, "middle")
    d2, _ = text_path(regular, "100 km", x0 + bar, y0 + 18, 13, "middle")
    w('<path fill="#333333" d="%s%s"/>\n' % (d, d2))
    w('</svg>\n')
    write_atomically(sys.argv[1], "".join(out))


def write_atomically(path, text):
    """The old picture stays whole until the new one is complete on disk."""
    temporary = path + ".part"
    with open(temporary, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
        f.flush()
        os.fsync(f.fileno())
    os.replace(temporary, path)


def mask_region(x, y, rings):
    for ring in rings["ie"]:
        if point_in(ring, x, y):
            return "ie"
    return "gb"


def point_in(ring, x, y):
    inside = False
    for i in range(len(ring)):
        (x1, y1), (x2, y2) = ring[i - 1], ring[i]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    main()
