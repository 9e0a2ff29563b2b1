#include "drawing.h"

#include <algorithm>
#include <limits>

namespace varnholt::drawings {

double textWidth(const Text& text) {
    return averageCharacterWidth * text.height * static_cast<double>(text.text.size());
}

namespace {

struct Growing {
    Extents box{{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()},
                {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()}};
    void add(Point p) {
        box.min.x = std::min(box.min.x, p.x);
        box.min.y = std::min(box.min.y, p.y);
        box.max.x = std::max(box.max.x, p.x);
        box.max.y = std::max(box.max.y, p.y);
    }
    void operator()(const Line& s) {
        add(s.from);
        add(s.to);
    }
    void operator()(const Polyline& s) {
        for (Point p : s.points) add(p);
    }
    void operator()(const Solid& s) {
        for (Point p : s.corners) add(p);
    }
    void operator()(const Circle& s) {
        add({s.centre.x - s.radius, s.centre.y - s.radius});
        add({s.centre.x + s.radius, s.centre.y + s.radius});
    }
    void operator()(const Text& s) {
        const double w = textWidth(s);
        const double left = s.align == Align::left     ? s.at.x
                            : s.align == Align::centre ? s.at.x - w / 2
                                                       : s.at.x - w;
        // Descenders reach a quarter of the capitals' height below the baseline.
        add({left, s.at.y - 0.25 * s.height});
        add({left + w, s.at.y + s.height});
    }
};

}  // namespace

Extents extents(const Drawing& drawing) {
    Growing g;
    for (const Entity& e : drawing.entities) std::visit(g, e.shape);
    if (drawing.entities.empty()) return {};
    return g.box;
}

}  // namespace varnholt::drawings
