"""Outlines of text in a TrueType font as SVG path data, standard library only.

The picture carries its letters as paths, so that it looks the same wherever it is drawn,
whatever fonts the machine has. Simple glyphs only (no composites): enough for plain Latin
text, digits and punctuation.
"""

import struct


class Font:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        count = struct.unpack_from(">H", self.data, 4)[0]
        self.tables = {}
        for i in range(count):
            tag, _, offset, length = struct.unpack_from(">4sIII", self.data, 12 + 16 * i)
            self.tables[tag.decode()] = (offset, length)
        head = self.tables["head"][0]
        self.units_per_em = struct.unpack_from(">H", self.data, head + 18)[0]
        self.long_loca = struct.unpack_from(">h", self.data, head + 50)[0] == 1
        hhea = self.tables["hhea"][0]
        self.metrics_count = struct.unpack_from(">H", self.data, hhea + 34)[0]
        self.cmap = self._unicode_map()

    def _unicode_map(self):
        base = self.tables["cmap"][0]
        count = struct.unpack_from(">H", self.data, base + 2)[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", self.data, base + 4 + 8 * i)
            sub = base + offset
            if (platform, encoding) in ((3, 1), (0, 3)) and struct.unpack_from(">H", self.data, sub)[0] == 4:
                return self._format4(sub)
        raise ValueError("no Unicode BMP character map")

    def _format4(self, sub):
        d = self.data
        segments = struct.unpack_from(">H", d, sub + 6)[0] // 2
        ends = struct.unpack_from(f">{segments}H", d, sub + 14)
        starts_at = sub + 16 + 2 * segments
        starts = struct.unpack_from(f">{segments}H", d, starts_at)
        deltas = struct.unpack_from(f">{segments}h", d, starts_at + 2 * segments)
        ranges_at = starts_at + 4 * segments
        ranges = struct.unpack_from(f">{segments}H", d, ranges_at)
        mapping = {}
        for s in range(segments):
            for c in range(starts[s], ends[s] + 1):
                if c == 0xFFFF:
                    continue
                if ranges[s] == 0:
                    glyph = (c + deltas[s]) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + ranges[s] + 2 * (c - starts[s])
                    glyph = struct.unpack_from(">H", d, at)[0]
                    if glyph:
                        glyph = (glyph + deltas[s]) & 0xFFFF
                mapping[c] = glyph
        return mapping

    def advance(self, glyph):
        hmtx = self.tables["hmtx"][0]
        index = min(glyph, self.metrics_count - 1)
        return struct.unpack_from(">H", self.data, hmtx + 4 * index)[0]

    def contours(self, glyph):
        """The glyph's closed contours, each a list of (x, y, on_curve) in font units."""
        loca = self.tables["loca"][0]
        if self.long_loca:
            start, end = struct.unpack_from(">II", self.data, loca + 4 * glyph)
        else:
            start, end = (2 * v for v in struct.unpack_from(">HH", self.data, loca + 2 * glyph))
        if start == end:
            return []
        at = self.tables["glyf"][0] + start
        d = self.data
        count = struct.unpack_from(">h", d, at)[0]
        if count < 0:
            raise ValueError(f"glyph {glyph} is a composite")
        ends = struct.unpack_from(f">{count}H", d, at + 10)
        points = ends[-1] + 1 if count else 0
        at += 10 + 2 * count
        at += 2 + struct.unpack_from(">H", d, at)[0]  # instructions
        flags = []
        while len(flags) < points:
            flag = d[at]
            at += 1
            repeat = 1
            if flag & 8:
                repeat += d[at]
                at += 1
            flags.extend([flag] * repeat)

        def coordinates(short_bit, same_bit):
            nonlocal at
            values, value = [], 0
            for flag in flags:
                if flag & short_bit:
                    step = d[at]
                    at += 1
                    value += step if flag & same_bit else -step
                elif not flag & same_bit:
                    value += struct.unpack_from(">h", d, at)[0]
                    at += 2
                values.append(value)
            return values

        xs = coordinates(2, 16)
        ys = coordinates(4, 32)
        result, first = [], 0
        for last in ends:
            result.append([(xs[i], ys[i], bool(flags[i] & 1)) for i in range(first, last + 1)])
            first = last + 1
        return result


def text_path(font, text, x, y, size, anchor="start"):
    """SVG path data of `text` set at `size` pixels with its baseline starting at (x, y)
    (or centred on x, or ending at x), and its width in pixels."""
    scale = size / font.units_per_em
    glyphs = [font.cmap.get(ord(c), 0) for c in text]
    width = sum(font.advance(g) for g in glyphs) * scale
    pen = x - {"start": 0.0, "middle": width / 2, "end": width}[anchor]
    parts = []
    for glyph in glyphs:
        for contour in font.contours(glyph):
            parts.append(_contour_path(contour, pen, y, scale))
        pen += font.advance(glyph) * scale
    return "".join(parts), width


def _contour_path(contour, x0, y0, scale):
    def at(p):
        return (x0 + p[0] * scale, y0 - p[1] * scale)

    # Start on a point on the curve; between two control points lies an implied one.
    n = len(contour)
    start = next((i for i, p in enumerate(contour) if p[2]), None)
    if start is None:
        a, b = contour[0], contour[1]
        contour = [((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, True)] + contour[1:] + [a]
        start, n = 0, len(contour)
    ordered = contour[start:] + contour[:start]
    out = ["M%s" % _pair(at(ordered[0]))]
    i = 1
    while i <= n:
        p = ordered[i % n]
        if p[2]:
            out.append("L%s" % _pair(at(p)))
            i += 1
            continue
        q = ordered[(i + 1) % n]
        if q[2]:
            end = q
            i += 2
        else:
            end = ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2, True)
            i += 1
        out.append("Q%s %s" % (_pair(at(p)), _pair(at(end))))
    out.append("Z")
    return "".join(out)


def _pair(p):
    return "%s %s" % (_num(p[0]), _num(p[1]))


def _num(v):
    text = "%.1f" % v
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text
