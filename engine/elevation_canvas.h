#pragma once

#include <vector>

#include "colour.h"

namespace varnholt {

// Pixel geometry of the elevation, in the main window's client coordinates (below the menu
// bar, as the window lays its controls out).
struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct TracedLine {
    Point from, to;
    Rgb colour;
};

// The window surface under the elevation's shapes: lines traced on it stay until the window
// is next repainted, which wipes them all, as every redraw of the elevation begins by doing.
struct ElevationCanvas {
    void repaint() { lines.clear(); }
    void trace(Point from, Point to, Rgb colour) { lines.push_back({from, to, colour}); }

    std::vector<TracedLine> lines;
    // Where the drawings may not go: left of the splitter's right edge, above the input pages
    // (or above the zoom bar where that lies lower, so that no handle slips under it).
    int splitterRight = 281;
    int pcmainBottom = 140;
};

// A pixel position worked out from a fraction: reduced to single precision, then rounded to
// the nearest whole pixel with halves to even. Absurd values stay on a screen-sized range.
int toPixel(double value);

}  // namespace varnholt
