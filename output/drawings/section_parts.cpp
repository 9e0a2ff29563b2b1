#include "section_parts.h"

#include <cmath>

namespace varnholt::drawings {

SectionLayers addSectionLayers(Sketch& s) {
    SectionLayers l{};
    l.ground = s.addLayer({"GROUND", 7, {0, 0, 0}, false, 0.5});
    l.earth = s.addLayer({"EARTH", 8, {128, 128, 128}, false, 0.18});
    l.concrete = s.addLayer({"CONCRETE", 7, {0, 0, 0}, false, 0.35});
    l.hatching = s.addLayer({"HATCHING", 8, {128, 128, 128}, false, 0.13});
    l.brickwork = s.addLayer({"BRICKWORK", 1, {200, 0, 0}, false, 0.35});
    l.fill = s.addLayer({"TYPE1-FILL", 30, {150, 90, 30}, false, 0.13});
    l.membrane = s.addLayer({"GEOTEXTILE", 3, {0, 140, 0}, true, 0.35});
    l.pipe = s.addLayer({"PIPE", 5, {0, 0, 255}, false, 0.35});
    l.ironwork = s.addLayer({"COVER", 7, {0, 0, 0}, false, 0.5});
    l.annotation = s.addLayer({"NOTES", 7, {0, 0, 0}, false, 0.18});
    return l;
}

void coverAndFrame(Sketch& s, const SectionLayers& l, double cx, double groundY, double opening,
                   double flange) {
    s.use(l.ironwork);
    const double half = opening / 2;
    const double frameDepth = 100;
    // Each side of the frame: a flange on the bedding and an upstand round the cover.
    for (double side : {-1.0, 1.0}) {
        const double inner = cx + side * half;
        const double outer = cx + side * (half + flange);
        const double upstand = inner + side * 12;
        s.polyline({{inner, groundY},
                    {inner, groundY - frameDepth},
                    {outer, groundY - frameDepth},
                    {outer, groundY - frameDepth + 12},
                    {upstand, groundY - frameDepth + 12},
                    {upstand, groundY}},
                   true);
    }
    // The cover, solid top plate and stiffening ribs below it.
    s.box({cx - half + 5, groundY - 25, cx + half - 5, groundY});
    for (double x = cx - half + 60; x < cx + half - 40; x += 120)
        s.line({x, groundY - 25}, {x, groundY - 70});
    s.use(l.hatching);
    s.hatch({cx - half + 5, groundY - 25, cx + half - 5, groundY}, 45, 18);
}

void liftingCover(Sketch& s, const SectionLayers& l, double cx, double groundY) {
    const Box slab{cx - 300, groundY - 100, cx + 300, groundY};
    s.use(l.concrete);
    s.box(slab);
    s.use(l.hatching);
    s.aggregate(slab, 28);
    s.use(l.ironwork);
    // The hooks are cast in, their eyes recessed flush with the top.
    for (double x : {cx - 190, cx + 190}) {
        s.polyline(
            {{x - 30, groundY}, {x - 30, groundY - 60}, {x + 30, groundY - 60}, {x + 30, groundY}});
        std::vector<Point> eye;
        for (int i = 0; i <= 8; ++i) {
            const double a = 3.14159265358979 * i / 8;
            eye.push_back({x + 22 * std::cos(a), groundY - 55 + 40 * std::sin(a)});
        }
        s.polyline(std::move(eye));
    }
}

void horizontalPipe(Sketch& s, const SectionLayers& l, double fromX, double toX, double invert,
                    double diameter, bool perforated) {
    s.use(l.pipe);
    s.line({fromX, invert}, {toX, invert});
    s.line({fromX, invert + diameter}, {toX, invert + diameter});
    // The pipe wall, drawn inside the bore.
    const double wall = diameter * 0.08;
    s.use(l.hatching);
    s.line({fromX, invert + wall}, {toX, invert + wall});
    s.line({fromX, invert + diameter - wall}, {toX, invert + diameter - wall});
    if (!perforated) return;
    s.use(l.pipe);
    const double r = diameter * 0.06;
    for (double x = fromX + 300; x < toX - 300; x += 600) {
        s.circle({x, invert + diameter * 0.3}, r);
        s.circle({x + 300, invert + diameter * 0.6}, r);
    }
}

void verticalPipe(Sketch& s, const SectionLayers& l, double cx, double fromY, double topY,
                  double diameter) {
    s.use(l.pipe);
    const double half = diameter / 2;
    s.line({cx - half, fromY}, {cx - half, topY});
    s.line({cx + half, fromY - diameter}, {cx + half, topY});
    s.line({cx - half, fromY - diameter}, {cx + half, fromY - diameter});
}

void trenchBody(Sketch& s, const SectionLayers& l, const Box& fill, double groundY) {
    s.use(l.ground);
    s.polyline({{fill.left, groundY},
                {fill.left, fill.bottom},
                {fill.right, fill.bottom},
                {fill.right, groundY}});
    s.use(l.hatching);
    s.line({fill.left, fill.top}, {fill.right, fill.top});
    s.use(l.fill);
    s.stones({fill.left + 40, fill.bottom + 40, fill.right - 40, fill.top - 40}, 55);
    s.use(l.membrane);
    const double inset = 25;
    s.box({fill.left + inset, fill.bottom + inset, fill.right - inset, fill.top - inset});
    // Compacted backfill: layers rolled in 150 mm lifts.
    s.use(l.earth);
    for (double y = fill.top + 150; y < groundY - 60; y += 150)
        for (double x = fill.left + 120; x < fill.right - 200; x += 520)
            s.line({x, y}, {x + 260, y});
}

void sectionTitle(Sketch& s, const SectionLayers& l, Point at, const TextHeights& h,
                  const std::string& title, const std::string& notes) {
    s.use(l.annotation);
    s.text(at, h.title, title, Align::centre);
    if (!notes.empty()) s.text({at.x, at.y - 1.9 * h.title}, h.note, notes, Align::centre);
}

}  // namespace varnholt::drawings
