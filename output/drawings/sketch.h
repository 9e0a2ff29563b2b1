#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing.h"

namespace varnholt::drawings {

struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
};

// Builds a drawing shape by shape on the layer in use, and draws the conventional symbols of a
// construction section (hatching, stones, concrete, brick courses, leaders) out of plain lines
// and circles, so that the screen and a CAD program show exactly the same thing.
class Sketch {
public:
    explicit Sketch(std::string title);

    std::size_t addLayer(Layer layer);
    void use(std::size_t layer) { layer_ = layer; }

    void line(Point from, Point to);
    void polyline(std::vector<Point> points, bool closed = false);
    void box(const Box& b);
    void circle(Point centre, double radius);
    void solid(std::vector<Point> corners);
    void text(Point at, double height, std::string text, Align align = Align::left);

    // Parallel lines at `degrees` from the horizontal, `spacing` apart, cut to the box.
    void hatch(const Box& b, double degrees, double spacing);
    // A granular fill: rounded stones scattered evenly over the box, the same on every build.
    void stones(const Box& b, double size);
    // Concrete in section: small triangles and dots of aggregate.
    void aggregate(const Box& b, double size);
    // Brickwork in section: the courses' bed joints and a diagonal hatch.
    void brickCourses(const Box& b, int courses);
    // Natural ground beside a cut: short slanting strokes in threes below the line.
    void earth(double fromX, double toX, double y, double spacing);
    // An arrow head whose tip is at `tip`, pointing away from `from`.
    void arrowHead(Point from, Point tip, double length);
    // A note of one or more lines with a leader to what it names. Text to the right of the
    // target starts at `at`; text to its left ends there. `at` is the first line's baseline.
    void note(Point at, double height, const std::vector<std::string>& lines, Point target);
    // A dimension line with arrows at both ends and its text centred above it.
    void dimension(Point from, Point to, double height, const std::string& text);

    Drawing take() { return std::move(drawing_); }

private:
    void add(Shape shape);
    double random();  // the same sequence on every build

    Drawing drawing_;
    std::size_t layer_ = 0;
    std::uint32_t seed_ = 2463534242u;
};

}  // namespace varnholt::drawings
