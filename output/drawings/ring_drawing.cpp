#include <algorithm>
#include <cmath>

#include "section_parts.h"
#include "standard_drawings.h"

namespace varnholt::drawings {

namespace {

// Levels of the section, millimetres from finished ground level.
constexpr double ground = 0;
constexpr double beddingTop = -100;
constexpr double brickTop = -120;
constexpr int brickCourses = 5;
constexpr double course = 75;
constexpr double slabTop = brickTop - brickCourses * course;
constexpr double slabBottom = slabTop - 150;
constexpr double perforatedTop = slabBottom - 1000;  // two 500 mm unperforated rings
constexpr double ringJoint = perforatedTop - 1000;
constexpr double ringBottom = perforatedTop - 2000;  // two 1000 mm perforated rings
constexpr double foundationBottom = ringBottom - 150;

// Widths, from the chamber's axis.
constexpr double chamberInside = 900;  // 1800 mm internal diameter, as an example
constexpr double ringWall = 100;
constexpr double ringOutside = chamberInside + ringWall;
constexpr double shaftInside = 340;
constexpr double brickWall = 215;
constexpr double frameFlange = 90;
constexpr double frameOutside = shaftInside - 20 + frameFlange;
constexpr double excavation = ringOutside + 500;
constexpr double foundationInner = chamberInside - 150;
constexpr double foundationOuter = ringOutside + 150;

constexpr double pipeDiameter = 150;
constexpr double pipeInvert = perforatedTop - 150 - pipeDiameter;
constexpr double groundReach = 3000;

constexpr TextHeights textHeight{125, 190};

}  // namespace

Drawing ringSoakawayDrawing() {
    Sketch s("Precast Concrete Ring Soakaway");
    const SectionLayers l = addSectionLayers(s);

    // Ground: the finished level across the whole section, the excavation below it.
    s.use(l.ground);
    s.line({-groundReach, ground}, {-frameOutside, ground});
    s.line({frameOutside, ground}, {groundReach, ground});
    s.polyline({{-excavation, ground},
                {-excavation, foundationBottom},
                {excavation, foundationBottom},
                {excavation, ground}});
    s.use(l.earth);
    s.earth(-groundReach, -excavation, ground, 260);
    s.earth(excavation, groundReach, ground, 260);
    s.earth(-excavation + 40, excavation - 200, foundationBottom, 300);
    for (double y = ground - 300; y > foundationBottom + 200; y -= 500) {
        s.line({-excavation - 60, y}, {-excavation - 200, y - 140});
        s.line({excavation + 60, y}, {excavation + 200, y - 140});
    }

    // The access shaft: cover and frame bedded in mortar on brick courses.
    coverAndFrame(s, l, 0, ground, 2 * (frameOutside - frameFlange), frameFlange);
    for (double side : {-1.0, 1.0}) {
        const double inner = side * shaftInside;
        const double outer = side * (shaftInside + brickWall);
        const Box bedding{std::min(inner, outer), brickTop, std::max(inner, outer), beddingTop};
        s.use(l.concrete);
        s.box(bedding);
        s.use(l.hatching);
        s.hatch(bedding, 0, 7);
        const Box bricks{std::min(inner, outer), slabTop, std::max(inner, outer), brickTop};
        s.use(l.brickwork);
        s.box(bricks);
        s.use(l.hatching);
        s.brickCourses(bricks, brickCourses);

        // The cover slab over the rings, with the shaft's opening in it.
        const Box slab{std::min(inner, side * (ringOutside + 50)), slabBottom,
                       std::max(inner, side * (ringOutside + 50)), slabTop};
        s.use(l.concrete);
        s.box(slab);
        s.use(l.hatching);
        s.aggregate(slab, 32);

        // The rings' walls, cut by the section: unperforated above, perforated below.
        const Box upper{std::min(side * chamberInside, side * ringOutside), perforatedTop,
                        std::max(side * chamberInside, side * ringOutside), slabBottom};
        const Box lower{upper.left, ringBottom, upper.right, perforatedTop};
        s.use(l.concrete);
        s.box(upper);
        s.box(lower);
        s.line({upper.left, (perforatedTop + slabBottom) / 2},
               {upper.right, (perforatedTop + slabBottom) / 2});
        s.line({lower.left, ringJoint}, {lower.right, ringJoint});
        s.use(l.hatching);
        s.aggregate(upper, 30);
        s.use(l.concrete);
        for (double y = perforatedTop - 200; y > ringBottom + 100; y -= 300) {
            if (std::abs(y - ringJoint) < 90) continue;
            s.line({lower.left, y}, {lower.right, y});
            s.line({lower.left, y - 50}, {lower.right, y - 50});
        }

        // The strip foundation under the rings.
        const Box foundation{std::min(side * foundationInner, side * foundationOuter),
                             foundationBottom,
                             std::max(side * foundationInner, side * foundationOuter), ringBottom};
        s.use(l.concrete);
        s.box(foundation);
        s.use(l.hatching);
        s.aggregate(foundation, 30);

        // Type 1 round the perforated rings, behind the geotextile.
        const Box surround{std::min(side * ringOutside, side * excavation), foundationBottom,
                           std::max(side * ringOutside, side * excavation), perforatedTop};
        s.use(l.fill);
        s.stones({surround.left + 30, ringBottom + 10, surround.right - 30, surround.top - 30}, 45);
        s.stones({std::min(side * foundationOuter, side * excavation) + 30, foundationBottom + 20,
                  std::max(side * foundationOuter, side * excavation) - 30, ringBottom - 10},
                 40);
        s.use(l.membrane);
        s.polyline({{side * (ringOutside + 15), ringBottom},
                    {side * (ringOutside + 15), perforatedTop + 15},
                    {side * (excavation - 15), perforatedTop + 15}});
    }
    // The open base inside the foundation is type 1 too, so the water soaks away through it.
    s.use(l.fill);
    s.stones({-foundationInner + 30, foundationBottom + 20, foundationInner - 30, ringBottom - 10},
             40);

    // The far half of the perforated rings, seen from inside: rows of holes.
    s.use(l.concrete);
    for (double y = perforatedTop - 225; y > ringBottom + 100; y -= 300) {
        if (std::abs(y - ringJoint) < 60) continue;
        const bool odd = static_cast<int>((perforatedTop - y) / 300) % 2 == 1;
        for (double x = -chamberInside + (odd ? 300 : 150); x < chamberInside - 100; x += 300)
            s.circle({x, y}, 25);
    }
    s.line({-chamberInside, ringJoint}, {chamberInside, ringJoint});
    s.line({-chamberInside, (perforatedTop + slabBottom) / 2},
           {chamberInside, (perforatedTop + slabBottom) / 2});
    s.line({-chamberInside, perforatedTop}, {chamberInside, perforatedTop});

    // The incoming surface water sewer, through the surround into the top perforated ring.
    horizontalPipe(s, l, -groundReach, -chamberInside + 60, pipeInvert, pipeDiameter, false);
    s.use(l.pipe);
    s.line({-chamberInside + 60, pipeInvert}, {-chamberInside + 60, pipeInvert + pipeDiameter});
    s.arrowHead({-groundReach + 200, pipeInvert + pipeDiameter / 2},
                {-groundReach + 520, pipeInvert + pipeDiameter / 2}, 140);

    s.use(l.annotation);
    s.dimension({-chamberInside, perforatedTop + 230}, {chamberInside, perforatedTop + 230},
                textHeight.note, "Diameter as designed");

    const double h = textHeight.note;
    const double leftText = -excavation - 320;
    const double rightText = excavation + 320;
    s.note({leftText, 520}, h, {"Manhole cover and frame"}, {-shaftInside + 150, -10});
    s.note({leftText, 180}, h, {"Mortar bedding"},
           {-shaftInside - 60, (brickTop + beddingTop) / 2});
    s.note({leftText, -250}, h, {"1 to 5 courses of class B", "engineering brickwork"},
           {-shaftInside - 100, (slabTop + brickTop) / 2});
    s.note({leftText, -950}, h, {"Unperforated precast", "concrete chamber rings"},
           {-chamberInside - 50, -1100});
    s.note({leftText, pipeInvert + 550}, h, {"Incoming surface", "water sewer"},
           {-excavation - 150, pipeInvert + pipeDiameter});
    s.note({leftText, -2800}, h, {"Hardcore type 1", "surround"}, {-excavation + 200, -2900});
    s.note({leftText, foundationBottom + 120}, h, {"150 mm thick C20P/40", "concrete foundation"},
           {-foundationOuter + 100, (foundationBottom + ringBottom) / 2});

    s.note({rightText, 520}, h, {"Finished road or", "ground level"}, {excavation + 300, ground});
    s.note({rightText, -300}, h, {"Precast concrete", "cover slab"},
           {ringOutside - 100, slabTop - 40});
    s.note({rightText, -1050}, h, {"Selected backfill"}, {excavation - 200, -1200});
    s.note({rightText, -1750}, h, {"Geotextile membrane graded", "for medium to coarse soils"},
           {ringOutside + 15, -2100});
    s.note({rightText, -2850}, h, {"Perforated soakaway", "chamber rings"},
           {chamberInside + 50, -3050});

    sectionTitle(s, l, {0, foundationBottom - 450}, textHeight, "PRECAST CONCRETE RING SOAKAWAY",
                 "Typical section, sizes as designed. Dimensions in millimetres.");
    return s.take();
}

}  // namespace varnholt::drawings
