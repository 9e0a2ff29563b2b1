#include "sketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varnholt::drawings {

namespace {

// Cuts the line through `p` along `d` to the box (Liang and Barsky); false when it misses.
bool clip(const Box& b, Point p, Point d, double& t0, double& t1) {
    t0 = -1e12;
    t1 = 1e12;
    const double q[4][2] = {
        {-d.x, p.x - b.left}, {d.x, b.right - p.x}, {-d.y, p.y - b.bottom}, {d.y, b.top - p.y}};
    for (const auto& [pk, qk] : q) {
        if (pk == 0) {
            if (qk < 0) return false;
            continue;
        }
        const double t = qk / pk;
        if (pk < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

}  // namespace

Sketch::Sketch(std::string title) {
    drawing_.title = std::move(title);
}

std::size_t Sketch::addLayer(Layer layer) {
    drawing_.layers.push_back(std::move(layer));
    return drawing_.layers.size() - 1;
}

void Sketch::add(Shape shape) {
    Entity& e = drawing_.entities.emplace_back();
    e.layer = layer_;
    e.shape = std::move(shape);
}

void Sketch::line(Point from, Point to) {
    add(Line{from, to});
}

void Sketch::polyline(std::vector<Point> points, bool closed) {
    add(Polyline{std::move(points), closed});
}

void Sketch::box(const Box& b) {
    polyline({{b.left, b.bottom}, {b.right, b.bottom}, {b.right, b.top}, {b.left, b.top}}, true);
}

void Sketch::circle(Point centre, double radius) {
    add(Circle{centre, radius});
}

void Sketch::solid(std::vector<Point> corners) {
    add(Solid{std::move(corners)});
}

void Sketch::text(Point at, double height, std::string text, Align align) {
    add(Text{at, height, std::move(text), align});
}

double Sketch::random() {
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return seed_ / 4294967296.0;
}

void Sketch::hatch(const Box& b, double degrees, double spacing) {
    const double a = degrees * std::numbers::pi / 180;
    const Point d{std::cos(a), std::sin(a)};
    const Point n{-d.y, d.x};
    const Point centre{(b.left + b.right) / 2, (b.bottom + b.top) / 2};
    const double reach = std::hypot(b.right - b.left, b.top - b.bottom) / 2;
    // Lines on a grid anchored at the origin, so that neighbouring boxes' hatching lines up.
    const double offset = centre.x * n.x + centre.y * n.y;
    for (double k = std::ceil((offset - reach) / spacing); k * spacing <= offset + reach; ++k) {
        const Point p{n.x * k * spacing, n.y * k * spacing};
        double t0 = 0;
        double t1 = 0;
        if (!clip(b, p, d, t0, t1)) continue;
        line({p.x + d.x * t0, p.y + d.y * t0}, {p.x + d.x * t1, p.y + d.y * t1});
    }
}

void Sketch::stones(const Box& b, double size) {
    const double cell = 2.6 * size;
    for (double y = b.bottom + cell / 2; y < b.top; y += cell) {
        const bool odd = std::fmod((y - b.bottom) / cell, 2.0) >= 1.0;
        for (double x = b.left + (odd ? cell : cell / 2); x < b.right; x += cell) {
            const double r = size * (0.45 + 0.35 * random());
            const double cx = x + (random() - 0.5) * (cell - 2 * r) * 0.8;
            const double cy = y + (random() - 0.5) * (cell - 2 * r) * 0.8;
            if (cx - r < b.left || cx + r > b.right || cy - r < b.bottom || cy + r > b.top)
                continue;
            circle({cx, cy}, r);
        }
    }
}

void Sketch::aggregate(const Box& b, double size) {
    const double cell = 3.2 * size;
    for (double y = b.bottom + cell / 2; y + size / 2 < b.top; y += cell) {
        for (double x = b.left + cell / 2; x + size / 2 < b.right; x += cell) {
            const double cx = x + (random() - 0.5) * cell * 0.5;
            const double cy = y + (random() - 0.5) * cell * 0.5;
            const double r = size * (0.35 + 0.2 * random());
            if (cx - r < b.left || cx + r > b.right || cy - r < b.bottom || cy + r > b.top)
                continue;
            if (random() < 0.55) {
                const double turn = random() * 2 * std::numbers::pi;
                std::vector<Point> corners;
                for (int i = 0; i < 3; ++i) {
                    const double a = turn + i * 2 * std::numbers::pi / 3;
                    corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
                }
                polyline(std::move(corners), true);
            } else {
                circle({cx, cy}, r * 0.3);
            }
        }
    }
}

void Sketch::brickCourses(const Box& b, int courses) {
    const double course = (b.top - b.bottom) / courses;
    for (int i = 1; i < courses; ++i)
        line({b.left, b.bottom + i * course}, {b.right, b.bottom + i * course});
    hatch(b, 45, std::min(course, b.right - b.left) * 0.45);
}

void Sketch::earth(double fromX, double toX, double y, double spacing) {
    const double stroke = spacing * 0.45;
    for (double x = fromX + spacing / 2; x + stroke < toX; x += spacing)
        for (int i = 0; i < 3; ++i) {
            const double sx = x + i * stroke * 0.45;
            line({sx, y - stroke * 0.15}, {sx + stroke * 0.6, y - stroke});
        }
}

void Sketch::arrowHead(Point from, Point tip, double length) {
    const double dx = tip.x - from.x;
    const double dy = tip.y - from.y;
    const double l = std::hypot(dx, dy);
    if (l == 0) return;
    const Point u{dx / l, dy / l};
    const Point base{tip.x - u.x * length, tip.y - u.y * length};
    const double half = length * 0.28;
    solid({tip,
           {base.x - u.y * half, base.y + u.x * half},
           {base.x + u.y * half, base.y - u.x * half}});
}

void Sketch::note(Point at, double height, const std::vector<std::string>& lines, Point target) {
    const bool right = at.x > target.x;
    const double gap = 0.4 * height;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text({at.x, at.y - static_cast<double>(i) * 1.45 * height}, height, lines[i],
             right ? Align::left : Align::right);
    const Point start{right ? at.x - gap : at.x + gap, at.y + 0.4 * height};
    // A short level tail at the text, then straight to the target.
    const Point knee{right ? start.x - 1.5 * height : start.x + 1.5 * height, start.y};
    line(start, knee);
    line(knee, target);
    arrowHead(knee, target, 1.1 * height);
}

void Sketch::dimension(Point from, Point to, double height, const std::string& label) {
    line(from, to);
    arrowHead(to, from, 1.1 * height);
    arrowHead(from, to, 1.1 * height);
    text({(from.x + to.x) / 2, (from.y + to.y) / 2 + 0.5 * height}, height, label, Align::centre);
}

}  // namespace varnholt::drawings
