#include <algorithm>

#include "section_parts.h"
#include "standard_drawings.h"

namespace varnholt::drawings {

namespace {

// Levels of both long sections, millimetres from finished ground level.
constexpr double ground = 0;
constexpr double fillTop = -700;
constexpr double fillBottom = -2200;
constexpr double pipeDiameter = 225;
constexpr double pipeInvert = -1050;
constexpr double riserDiameter = 225;

constexpr TextHeights textHeight{140, 180};

// The parts the two trenches share: the fill wrapped in geotextile under compacted backfill,
// the perforated pipe along it and a rodding pipe under a lifting cover at the far end.
void trench(Sketch& s, const SectionLayers& l, double from, double to, double pipeFrom,
            double riserAt) {
    trenchBody(s, l, {from, fillBottom, to, fillTop}, ground);
    horizontalPipe(s, l, pipeFrom, riserAt + riserDiameter / 2, pipeInvert, pipeDiameter, true);
    verticalPipe(s, l, riserAt, pipeInvert + pipeDiameter, ground - 100, riserDiameter);
    liftingCover(s, l, riserAt, ground);
    s.use(l.ground);
    s.line({to, ground}, {to + 1400, ground});
    s.use(l.earth);
    s.earth(to, to + 1400, ground, 280);
    s.earth(from + 40, to - 200, fillBottom, 320);
}

// Notes above ground stand on one line; those below the trench on another. Each note is placed
// along its line so that none runs into the next.
constexpr double notesAbove = 800;
constexpr double notesBelow = fillBottom - 500;

void trenchNotes(Sketch& s, double riserAt, double fillAt, double membraneAt, double pipeAt) {
    const double h = textHeight.note;
    s.note({fillAt + 300, notesBelow}, h, {"Type 1 fill"}, {fillAt, fillBottom + 500});
    s.note({membraneAt + 300, notesBelow}, h, {"Geotextile membrane", "wrapped round the fill"},
           {membraneAt, fillBottom + 25});
    s.note({pipeAt + 300, notesBelow}, h, {"225 mm dia. clay or plastic", "perforated pipe"},
           {pipeAt, pipeInvert});
    s.note({riserAt + 500, notesAbove}, h, {"600 x 600 mm concrete cover", "with lifting hooks"},
           {riserAt + 150, -50});
    s.note({riserAt + 500, -450}, h, {"Vertical rodding pipe"},
           {riserAt + riserDiameter / 2, -600});
}

}  // namespace

Drawing trenchWithSiltTrapDrawing() {
    Sketch s("Trench Soakaway with Silt Trap Manhole");
    const SectionLayers l = addSectionLayers(s);

    // The silt trap manhole: brick walls on a concrete foundation, the outlet set well above
    // its floor so that silt settles in the sump below it.
    constexpr double inside = 1000;
    constexpr double wall = 215;
    constexpr double floor = -1900;
    constexpr double foundation = floor - 150;
    constexpr double inletInvert = pipeInvert + 50;
    constexpr double inletDiameter = 150;
    constexpr double trenchFrom = inside + wall + 300;
    constexpr double trenchTo = 8600;
    constexpr double riserAt = trenchTo - 500;

    s.use(l.ground);
    s.line({-2600, ground}, {-wall, ground});
    s.line({inside + wall, ground}, {trenchFrom, ground});
    s.line({trenchFrom, ground}, {trenchTo, ground});
    s.polyline({{-wall - 300, ground},
                {-wall - 300, foundation},
                {inside + wall + 300, foundation},
                {inside + wall + 300, ground}});
    s.use(l.earth);
    s.earth(-2600, -wall - 300, ground, 280);
    for (double y = ground - 600; y > foundation; y -= 500)
        s.line({-wall - 360, y}, {-wall - 500, y - 140});

    coverAndFrame(s, l, inside / 2, ground, 600, 90);
    for (const Box& b : {Box{-wall, floor, 0, -120}, Box{inside, floor, inside + wall, -120}}) {
        s.use(l.brickwork);
        s.box(b);
        s.use(l.hatching);
        s.brickCourses(b, 24);
        const Box bedding{b.left, -120, b.right, -100};
        s.use(l.concrete);
        s.box(bedding);
    }
    const Box base{-wall - 150, foundation, inside + wall + 150, floor};
    s.use(l.concrete);
    s.box(base);
    s.use(l.hatching);
    s.aggregate(base, 30);
    // Silt lying in the sump.
    s.use(l.earth);
    const double siltTop = floor + 280;
    s.line({0, siltTop}, {inside, siltTop});
    for (double x = 60; x < inside - 40; x += 90)
        s.circle({x, floor + 80 + (static_cast<int>(x) % 3) * 50}, 14);

    horizontalPipe(s, l, -2600, 0, inletInvert, inletDiameter, false);
    s.use(l.pipe);
    s.line({0, inletInvert}, {0, inletInvert + inletDiameter});
    s.arrowHead({-2400, inletInvert + inletDiameter / 2}, {-2050, inletInvert + inletDiameter / 2},
                150);
    s.line({inside, pipeInvert}, {inside, pipeInvert + pipeDiameter});
    horizontalPipe(s, l, inside, trenchFrom, pipeInvert, pipeDiameter, false);

    trench(s, l, trenchFrom, trenchTo, trenchFrom, riserAt);

    s.use(l.annotation);
    const double h = textHeight.note;
    trenchNotes(s, riserAt, 3300, 5000, 7300);
    s.note({-1700, notesAbove}, h, {"Incoming surface", "water sewer"},
           {-2000, inletInvert + inletDiameter});
    s.note({1000, notesAbove}, h, {"Cover and frame"}, {inside / 2 + 200, -20});
    s.note({3300, notesAbove}, h, {"Compacted backfill"}, {3000, (fillTop + ground) / 2});
    s.note({5900, notesAbove}, h, {"Finished ground level"}, {5600, ground});
    s.note({-500, notesBelow}, h, {"Brick courses"}, {-wall / 2, -1400});
    s.note({-500, notesBelow - 450}, h, {"150 mm C20P/40", "concrete foundation"},
           {-wall - 100, (foundation + floor) / 2});
    s.note({800, notesBelow}, h, {"Silt trap manhole"}, {inside / 2, siltTop + 200});

    sectionTitle(s, l, {4000, notesBelow - 1300}, textHeight,
                 "TRENCH SOAKAWAY WITH SILT TRAP MANHOLE - TYPICAL LONG SECTION");
    return s.take();
}

Drawing trenchDrawing() {
    Sketch s("Trench Soakaway without Silt Trap Manhole");
    const SectionLayers l = addSectionLayers(s);

    constexpr double trenchFrom = 0;
    constexpr double trenchTo = 7600;
    constexpr double inletAt = 500;
    constexpr double riserAt = trenchTo - 500;
    constexpr double inletDiameter = 150;
    constexpr double inletInvert = -550;

    s.use(l.ground);
    s.line({-2400, ground}, {trenchFrom, ground});
    s.use(l.earth);
    s.earth(-2400, trenchFrom, ground, 280);

    // The inflow drops down a vertical pipe at the near end into the perforated pipe.
    trench(s, l, trenchFrom, trenchTo, inletAt - riserDiameter / 2, riserAt);
    verticalPipe(s, l, inletAt, pipeInvert + pipeDiameter, ground - 100, riserDiameter);
    s.use(l.pipe);
    s.line({inletAt - riserDiameter / 2, pipeInvert},
           {inletAt - riserDiameter / 2, pipeInvert + pipeDiameter});
    liftingCover(s, l, inletAt, ground);
    horizontalPipe(s, l, -2400, inletAt - riserDiameter / 2, inletInvert, inletDiameter, false);
    s.use(l.pipe);
    s.arrowHead({-2200, inletInvert + inletDiameter / 2}, {-1850, inletInvert + inletDiameter / 2},
                150);

    s.use(l.annotation);
    const double h = textHeight.note;
    trenchNotes(s, riserAt, 2500, 3900, 6300);
    s.note({-1500, notesAbove}, h, {"Inflow from development"},
           {-1800, inletInvert + inletDiameter});
    s.note({1100, notesAbove}, h, {"600 x 600 mm concrete cover", "with lifting hooks"},
           {inletAt + 150, -50});
    s.note({4100, notesAbove}, h, {"Compacted backfill"}, {3800, (fillTop + ground) / 2});
    s.note({5300, 300}, h, {"Finished ground level"}, {5000, ground});
    s.note({-200, notesBelow}, h, {"Vertical pipe"}, {inletAt - riserDiameter / 2, -500});

    sectionTitle(s, l, {3500, notesBelow - 1200}, textHeight,
                 "TRENCH SOAKAWAY WITHOUT SILT TRAP MANHOLE - TYPICAL LONG SECTION");
    return s.take();
}

}  // namespace varnholt::drawings
