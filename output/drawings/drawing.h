#pragma once

#include <string>
#include <variant>
#include <vector>

namespace varnholt::drawings {

// Millimetres of the real construction, y upwards: the sections are drawn at full size, so a
// CAD program measures them as built.
struct Point {
    double x = 0;
    double y = 0;
};

struct Line {
    Point from;
    Point to;
};
struct Polyline {
    std::vector<Point> points;
    bool closed = false;
};
struct Circle {
    Point centre;
    double radius = 0;
};
// A filled triangle or quadrilateral (arrow heads, lifting hooks' eyes).
struct Solid {
    std::vector<Point> corners;
};
enum class Align { left, centre, right };
// One line of text standing on its baseline; `height` is the height of its capitals.
struct Text {
    Point at;
    double height = 0;
    std::string text;
    Align align = Align::left;
};

using Shape = std::variant<Line, Polyline, Circle, Solid, Text>;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// What the shapes of one material or purpose share. `aci` is the CAD colour number, `rgb` the
// same colour as shown on a white page (AutoCAD's white layer colour prints black).
struct Layer {
    std::string name;
    int aci = 7;
    Rgb rgb;
    bool dashed = false;
    double penWidth = 0.25;  // millimetres on paper, as a plotter pen
};

struct Entity {
    std::size_t layer = 0;  // index into Drawing::layers
    Shape shape;
};

struct Extents {
    Point min;
    Point max;
    double width() const { return max.x - min.x; }
    double height() const { return max.y - min.y; }
};

struct Drawing {
    std::string title;
    std::vector<Layer> layers;
    std::vector<Entity> entities;
};

// Capitals are about 0.72 of a font's em; an average character of a sans-serif face is about
// 0.7 of the capitals' height wide. Used to place leaders and for the extents.
constexpr double averageCharacterWidth = 0.7;
double textWidth(const Text& text);

// The box round every shape, text included.
Extents extents(const Drawing& drawing);

}  // namespace varnholt::drawings
