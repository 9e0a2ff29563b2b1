#include "dxf_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace varnholt::drawings {

namespace {

// The geotextile's dashes: 100 mm long, 50 mm apart at full size.
constexpr double dashLength = 100;
constexpr double dashGap = 50;

class GroupWriter {
public:
    explicit GroupWriter(std::ostream& out) : out_(out) {}

    void code(int code, const std::string& value) {
        std::array<char, 8> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), code).ptr;
        const std::string digits(buffer.data(), end);
        out_ << std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') << digits << '\n'
             << value << '\n';
    }
    void code(int code, int value) { this->code(code, std::to_string(value)); }
    // Numbers in the C locale's form whatever the user's locale: the format knows only ".".
    void number(int code, double value) {
        if (std::abs(value) < 5e-7) value = 0;
        std::array<char, 32> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, 6)
                             .ptr;
        std::string text(buffer.data(), end);
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.push_back('0');
        this->code(code, text);
    }
    void point(int code, Point p) {
        number(code, p.x);
        number(code + 10, p.y);
        number(code + 20, 0);
    }

private:
    std::ostream& out_;
};

struct EntityWriter {
    GroupWriter& g;
    const std::string& layer;

    void start(const char* type) {
        g.code(0, type);
        g.code(8, layer);
    }
    void operator()(const Line& s) {
        start("LINE");
        g.point(10, s.from);
        g.point(11, s.to);
    }
    void operator()(const Polyline& s) {
        start("POLYLINE");
        g.code(66, 1);
        g.point(10, {0, 0});
        g.code(70, s.closed ? 1 : 0);
        for (Point p : s.points) {
            start("VERTEX");
            g.point(10, p);
        }
        start("SEQEND");
    }
    void operator()(const Circle& s) {
        start("CIRCLE");
        g.point(10, s.centre);
        g.number(40, s.radius);
    }
    void operator()(const Solid& s) {
        if (s.corners.size() < 3) return;
        // A solid's third and fourth corners are given crosswise; a triangle repeats its last.
        const Point fourth = s.corners.size() > 3 ? s.corners[3] : s.corners[2];
        start("SOLID");
        g.point(10, s.corners[0]);
        g.point(11, s.corners[1]);
        g.point(12, s.corners.size() > 3 ? fourth : s.corners[2]);
        g.point(13, s.corners.size() > 3 ? s.corners[2] : fourth);
    }
    void operator()(const Text& s) {
        start("TEXT");
        g.point(10, s.at);
        g.number(40, s.height);
        g.code(1, s.text);
        if (s.align == Align::left) return;
        g.code(72, s.align == Align::centre ? 1 : 2);
        g.point(11, s.at);
    }
};

void header(GroupWriter& g, const Drawing& drawing) {
    const Extents e = extents(drawing);
    g.code(0, "SECTION");
    g.code(2, "HEADER");
    g.code(9, "$ACADVER");
    g.code(1, "AC1009");
    g.code(9, "$INSBASE");
    g.point(10, {0, 0});
    g.code(9, "$EXTMIN");
    g.point(10, e.min);
    g.code(9, "$EXTMAX");
    g.point(10, e.max);
    g.code(9, "$LIMMIN");
    g.number(10, e.min.x);
    g.number(20, e.min.y);
    g.code(9, "$LIMMAX");
    g.number(10, e.max.x);
    g.number(20, e.max.y);
    g.code(9, "$LTSCALE");
    g.number(40, 1);
    g.code(9, "$TEXTSTYLE");
    g.code(7, "STANDARD");
    g.code(0, "ENDSEC");
}

void tables(GroupWriter& g, const Drawing& drawing) {
    g.code(0, "SECTION");
    g.code(2, "TABLES");

    g.code(0, "TABLE");
    g.code(2, "LTYPE");
    g.code(70, 2);
    g.code(0, "LTYPE");
    g.code(2, "CONTINUOUS");
    g.code(70, 0);
    g.code(3, "Solid line");
    g.code(72, 65);
    g.code(73, 0);
    g.number(40, 0);
    g.code(0, "LTYPE");
    g.code(2, "DASHED");
    g.code(70, 0);
    g.code(3, "__ __ __ __ __ __");
    g.code(72, 65);
    g.code(73, 2);
    g.number(40, dashLength + dashGap);
    g.number(49, dashLength);
    g.number(49, -dashGap);
    g.code(0, "ENDTAB");

    g.code(0, "TABLE");
    g.code(2, "LAYER");
    // Layer 0 is every drawing's own; CAD programs expect to find it.
    std::vector<Layer> layers{{"0", 7, {}, false, 0.25}};
    for (const Layer& layer : drawing.layers)
        if (layer.name != "0") layers.push_back(layer);
    g.code(70, static_cast<int>(layers.size()));
    for (const Layer& layer : layers) {
        g.code(0, "LAYER");
        g.code(2, layer.name);
        g.code(70, 0);
        g.code(62, layer.aci);
        g.code(6, layer.dashed ? "DASHED" : "CONTINUOUS");
    }
    g.code(0, "ENDTAB");

    g.code(0, "TABLE");
    g.code(2, "STYLE");
    g.code(70, 1);
    g.code(0, "STYLE");
    g.code(2, "STANDARD");
    g.code(70, 0);
    g.number(40, 0);
    g.number(41, 1);
    g.number(50, 0);
    g.code(71, 0);
    g.number(42, 2.5);
    g.code(3, "txt");
    g.code(4, "");
    g.code(0, "ENDTAB");

    g.code(0, "ENDSEC");
}

}  // namespace

void writeDxf(std::ostream& out, const Drawing& drawing) {
    GroupWriter g(out);
    header(g, drawing);
    tables(g, drawing);
    g.code(0, "SECTION");
    g.code(2, "BLOCKS");
    g.code(0, "ENDSEC");
    g.code(0, "SECTION");
    g.code(2, "ENTITIES");
    for (const Entity& e : drawing.entities) {
        EntityWriter w{g, drawing.layers.at(e.layer).name};
        std::visit(w, e.shape);
    }
    g.code(0, "ENDSEC");
    g.code(0, "EOF");
}

}  // namespace varnholt::drawings
