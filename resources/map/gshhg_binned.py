"""Whole shoreline polygons from GMT's binned GSHHG files (binned_GSHHS_<res>.nc).

GMT cuts every GSHHS polygon into pieces, one per bin of the global grid it passes through,
each piece a run of points relative to its bin's south-west corner. Joining a polygon's pieces
end to start gives the polygon back.
"""

from collections import defaultdict

from hdf5_lite import Hdf5File


class Polygon:
    def __init__(self, gshhs_id, level, points):
        self.id = gshhs_id
        self.level = level  # 1 land, 2 lake, 3 island in a lake, 4 pond in such an island
        self.points = points  # [(lon, lat)], degrees, longitudes continuous, not repeated at end

    def bounds(self):
        lons = [p[0] for p in self.points]
        lats = [p[1] for p in self.points]
        return min(lons), min(lats), max(lons), max(lats)


def _key(lon, lat):
    return (round(lon % 360.0, 6) % 360.0, round(lat, 6))


def read_polygons(path, wanted):
    """The polygons that have a piece in a bin that `wanted(lon_sw, lat_sw, size)` accepts,
    each joined whole from its pieces anywhere on the globe."""
    f = Hdf5File(path)
    bin_size = f.read("Bin_size_in_minutes")[0] / 60.0
    bins_x = f.read("N_bins_in_360_longitude_range")[0]
    first_segment = f.read("Id_of_first_segment_in_a_bin")
    segments_in_bin = f.read("N_segments_in_a_bin")
    info = f.read("Embedded_npts_levels_exit_entry_for_a_segment")
    first_point = f.read("Id_of_first_point_in_a_segment")
    ids = f.read("Id_of_GSHHS_ID")
    rel_lon = f.read("Relative_longitude_from_SW_corner_of_bin")
    rel_lat = f.read("Relative_latitude_from_SW_corner_of_bin")
    scale = bin_size / 65535.0

    def bin_corner(b):
        return (b % bins_x) * bin_size, 90.0 - (b // bins_x + 1) * bin_size

    wanted_ids = set()
    for b in range(len(first_segment)):
        lon_sw, lat_sw = bin_corner(b)
        if segments_in_bin[b] and wanted(lon_sw, lat_sw, bin_size):
            start = first_segment[b]
            wanted_ids.update(ids[start:start + segments_in_bin[b]])

    pieces = defaultdict(list)  # polygon id -> [(level, closed, points)]
    for b in range(len(first_segment)):
        lon_sw, lat_sw = bin_corner(b)
        start = first_segment[b]
        for s in range(start, start + segments_in_bin[b]):
            if ids[s] not in wanted_ids:
                continue
            n, level = info[s] >> 9, (info[s] >> 6) & 7
            closed = (info[s] & 7) == 4 and ((info[s] >> 3) & 7) == 4
            p0 = first_point[s]
            points = [(lon_sw + (rel_lon[i] & 0xFFFF) * scale,
                       lat_sw + (rel_lat[i] & 0xFFFF) * scale) for i in range(p0, p0 + n)]
            pieces[ids[s]].append((level, closed, points))

    polygons = []
    for gshhs_id, parts in pieces.items():
        level = parts[0][0]
        if len(parts) == 1 and parts[0][1]:
            polygons.append(Polygon(gshhs_id, level, _unrepeated(parts[0][2])))
            continue
        polygons.extend(Polygon(gshhs_id, level, ring) for ring in _join(parts, gshhs_id))
    return polygons


def _unrepeated(points):
    if len(points) > 1 and _key(*points[0]) == _key(*points[-1]):
        return points[:-1]
    return points


def _join(parts, gshhs_id):
    """Chains the pieces of one polygon end to start into closed rings."""
    by_start = {}
    for index, (_, _, points) in enumerate(parts):
        by_start.setdefault(_key(*points[0]), []).append(index)
    used = set()
    rings = []
    for first in range(len(parts)):
        if first in used:
            continue
        ring = []
        index = first
        while index is not None and index not in used:
            used.add(index)
            points = parts[index][2]
            if ring:
                points = _continued(ring[-1][0], points)[1:]
            ring.extend(points)
            following = [i for i in by_start.get(_key(*ring[-1]), []) if i not in used]
            index = following[0] if following else None
        if _key(*ring[0]) != _key(*ring[-1]):
            raise ValueError(f"GSHHS polygon {gshhs_id}: its pieces do not close")
        rings.append(ring[:-1])
    return rings


def _continued(previous_lon, points):
    """The points shifted by whole turns so that they continue from `previous_lon`."""
    shift = round((previous_lon - points[0][0]) / 360.0) * 360.0
    return [(lon + shift, lat) for lon, lat in points] if shift else points
