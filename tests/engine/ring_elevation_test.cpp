// Guards the ring elevation and the 3D ring it sizes. Faults it catches: a ring drawn to the
// wrong scale (10 mm of diameter or 1 cm of depth to the pixel) or with its inner ellipses,
// side lines or grip off the outline; a surround box whose corners ignore the margin; a
// diameter drag that goes below the smallest ring, sizes a ring it should not, or moves the
// bottom before the button is released; a moved drawing that gets past the splitter or the
// input pages; a "Fail" depth, or a negative one, that wrecks the drawing or the 3D ring; and
// pipes that do not touch the ring wall.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/design.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::start;
using N = SceneNodeId;

using Box = std::array<int, 4>;  // left, top, width, height
Box box(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}
using Spot = std::array<int, 2>;  // left, top
Spot spot(const Rect& r) {
    return {r.left, r.top};
}
using Segment = std::array<int, 4>;  // from x, from y, to x, to y
Segment segment(const TracedLine& l) {
    return {l.from.x, l.from.y, l.to.x, l.to.y};
}

// Where the top ellipse is at start (41 high); only drags move it.
constexpr int kL = 384, kT = 256;

// 98.5 m2 of 0.01 m rain soaking at 0.00001 m/s; with a failure depth of 1 m the 900 and
// 1050 mm rings (1.43 and 1.06 m deep) fail and the 1200 mm ring, 0.82 m deep, is shown.
// Dragged to 1230 mm it needs 0.78 m, at 1210 mm 0.80 m, at 1190 mm 0.83 m, at 910 mm 1.40 m.
struct ShownRing {
    ShownRing() {
        start(design);
        enter(design, {{Field::txtarea, "98.5"},
                       {Field::txtrain, "0.01"},
                       {Field::txtsinf, "0.00001"},
                       {Field::txtringfail, "1"}});
        design.switchPage(DetailPage::tsring);
    }
    RingElevation& editor() { return design.ringElevation(); }
    const RingElevation::Shapes& shapes() const { return design.ringElevation().shapes(); }
    const std::string& text(Field f) const { return design.record().text(f); }
    const SceneNode& node(N id) const { return design.scene().node(id); }
    std::vector<Segment> lines() const {
        std::vector<Segment> out;
        for (const TracedLine& l : design.canvas().lines) out.push_back(segment(l));
        return out;
    }

    Design design;
};

TEST(RingElevation, TheChosenRingIsDrawnToScale) {
    const ShownRing r;
    ASSERT_EQ(r.design.record().ring.selectedRow, 3);
    ASSERT_EQ(r.text(Field::rvdia), "1200");
    ASSERT_EQ(r.text(Field::rvdepth), "0.82");

    EXPECT_TRUE(r.shapes().visible);
    EXPECT_TRUE(r.shapes().innerVisible);
    EXPECT_EQ(box(r.shapes().ringtop), (Box{kL, kT, 120, 41}));
    EXPECT_EQ(box(r.shapes().ringbottom), (Box{kL, kT + 82, 120, 41}));
    EXPECT_EQ(box(r.shapes().shinringtop), (Box{kL + 16, kT + 8, 88, 25}));
    EXPECT_EQ(box(r.shapes().shinringbot), (Box{kL + 16, kT + 82 + 8, 88, 25}));
    EXPECT_EQ(spot(r.shapes().ringgrip), (Spot{kL + 112, kT + 16}));  // half of 41 to even

    // Outer and inner side lines, mid-height to mid-height, in the ring colour.
    const int mid = kT + 20, bottomMid = kT + 82 + 20;
    EXPECT_EQ(r.lines(), (std::vector<Segment>{{kL, mid, kL, bottomMid},
                                               {kL + 120, mid, kL + 120, bottomMid},
                                               {kL + 16, mid, kL + 16, bottomMid},
                                               {kL + 104, mid, kL + 104, bottomMid}}));
    for (const TracedLine& l : r.design.canvas().lines) EXPECT_EQ(l.colour, colours::black);

    EXPECT_TRUE(r.node(N::GLDummyRing).visible);
    EXPECT_FALSE(r.node(N::GLDummyTrench).visible);
    EXPECT_FLOAT_EQ(r.node(N::GLPCRing).radius, 0.6f);
    EXPECT_FLOAT_EQ(r.node(N::GLPCRing).length, 0.82f);
    // Outflow just below the top on the left wall, inflow at the top on the right wall.
    EXPECT_FLOAT_EQ(r.node(N::GLRingOutflow).position[0], -1.1f);
    EXPECT_FLOAT_EQ(r.node(N::GLRingOutflow).position[1], 0.21f);
    EXPECT_FLOAT_EQ(r.node(N::GLRingInflow).position[0], 1.6f);
    EXPECT_FLOAT_EQ(r.node(N::GLRingInflow).position[1], 0.31f);
    EXPECT_EQ(r.design.scene().caption(SceneCaptionId::GLtxtdiameter), "Diameter = 1.2m");
    EXPECT_EQ(r.design.scene().caption(SceneCaptionId::GLtxtringdepth), "Depth = 0.82m");
}

// The square pit of fill seen at an angle: a parallelogram around each ellipse, corners in
// the order back-left, back-right, front-right, front-left, then the four uprights.
TEST(RingElevation, TheSurroundBoxGrowsWithTheMargin) {
    struct Case {
        std::string margin;
        std::array<Spot, 4> top, bottom;
    };
    for (const Case& c : {Case{"0",
                               {{{407, 256}, {529, 256}, {479, 297}, {357, 297}}},
                               {{{407, 338}, {529, 338}, {479, 379}, {357, 379}}}},
                          Case{"0.3",  // 30 px above and below, the side corners 60 px further out
                               {{{407, 226}, {589, 226}, {479, 327}, {297, 327}}},
                               {{{407, 308}, {589, 308}, {479, 409}, {297, 409}}}}}) {
        ShownRing r;
        r.design.setCheck(Check::chkringsur, true);
        r.design.write(Field::txtringmargin, c.margin);
        r.design.takeRingFillOver();
        r.editor().ringlines();

        std::vector<Segment> expected;
        for (const auto& corners : {c.top, c.bottom})
            for (std::size_t i = 0; i < 4; ++i) {
                const Spot& a = corners[i];
                const Spot& b = corners[(i + 1) % 4];
                expected.push_back({a[0], a[1], b[0], b[1]});
            }
        for (std::size_t i = 0; i < 4; ++i)
            expected.push_back({c.top[i][0], c.top[i][1], c.bottom[i][0], c.bottom[i][1]});

        const auto& lines = r.design.canvas().lines;
        ASSERT_EQ(lines.size(), 4 + expected.size()) << c.margin;
        std::vector<Segment> box;
        for (std::size_t i = 4; i < lines.size(); ++i) {
            box.push_back(segment(lines[i]));
            EXPECT_EQ(lines[i].colour, colours::teal);
        }
        EXPECT_EQ(box, expected) << c.margin;
    }
}

// Pressed 8 into the grip: the left edge stays and the right edge follows the pointer, never
// below 90 px (900 mm); only from 91 px up is the ring sized, and its bottom moves to the new
// depth when the button is released.
TEST(RingElevation, TheGripSizesTheVariableRingFrom91Pixels) {
    struct Case {
        int dx, width, gripLeft;
        std::string diameter, depth;
        int bottomTop;  // once released
        float radius, height;
    };
    for (const Case& c :
         {Case{3, 123, kL + 115, "1230", "0.78", kT + 78, 0.615f, 0.78f},
          {-29, 91, kL + 83, "910", "1.40", kT + 140, 0.455f, 1.4f},
          {-30, 90, kL + 83, "1200", "0.82", kT + 82, 0.6f, 0.82f},  // stopped: nothing sized
          {-60, 90, kL + 83, "1200", "0.82", kT + 82, 0.6f, 0.82f}}) {
        ShownRing r;
        r.editor().gripPressed({8, 4});
        r.editor().gripMoved({8 + c.dx, 4}, true);

        EXPECT_EQ(box(r.shapes().ringtop), (Box{kL, kT, c.width, 41})) << c.dx;
        EXPECT_EQ(r.shapes().ringgrip.left, c.gripLeft);
        EXPECT_EQ(r.text(Field::rvdia), c.diameter);
        EXPECT_EQ(r.text(Field::rvdepth), c.depth);
        EXPECT_EQ(r.shapes().ringbottom.top, kT + 82);  // not yet

        r.editor().gripReleased();
        EXPECT_EQ(box(r.shapes().ringbottom), (Box{kL, c.bottomTop, c.width, 41}));
        EXPECT_FLOAT_EQ(r.node(N::GLPCRing).radius, c.radius);
        EXPECT_FLOAT_EQ(r.node(N::GLPCRing).length, c.height);
        // Released, the pipes touch the wall of the ring just sized.
        EXPECT_FLOAT_EQ(r.node(N::GLRingOutflow).position[0], -(c.radius + 0.5f));
        EXPECT_FLOAT_EQ(r.node(N::GLRingInflow).position[0], c.radius + 1.0f);
    }
}

// Pressed at (50, 20) in the top ellipse; the drawing may run off right and down only.
TEST(RingElevation, MovingTheDrawingStopsAtTheSplitterAndTheInputPages) {
    struct Case {
        int dx, dy;
        int left, top, gripTop;
    };
    for (const Case& c : {Case{100, 50, kL + 100, kT + 50, kT + 66},  // 16.5 to even
                          {0, 1, kL, kT + 1, kT + 18},                // 273.5 to even
                          {-103, 0, 281, kT, kT + 16},  // on the splitter's edge: not left of it
                          {-104, 0, 283, kT, kT + 16},
                          {0, -116, kL, 140, 156},  // on the pages' bottom edge
                          {0, -117, kL, 142, 158},
                          {-500, -500, 283, 142, 158}}) {
        ShownRing r;
        r.editor().topPressed({50, 20});
        r.editor().topMoved({50 + c.dx, 20 + c.dy}, true);

        EXPECT_EQ(box(r.shapes().ringtop), (Box{c.left, c.top, 120, 41})) << c.dx << "," << c.dy;
        EXPECT_EQ(spot(r.shapes().ringgrip), (Spot{c.left + 111, c.gripTop}));
        EXPECT_EQ(box(r.shapes().ringbottom), (Box{c.left, c.top + 82, 120, 41}));
        EXPECT_EQ(box(r.shapes().shinringbot), (Box{c.left + 16, c.top + 90, 88, 25}));
        EXPECT_EQ(r.lines().front(), (Segment{c.left, c.top + 20, c.left, c.top + 102}));

        r.design.refreshView();  // sizing changes the size, never the place
        EXPECT_EQ(spot(r.shapes().ringtop), (Spot{c.left, c.top}));
    }
}

TEST(RingElevation, PointingAtTheTopShowsTheRingOptionsWithoutMovingIt) {
    ShownRing r;
    r.design.setCheck(Check::chkringsur, true);
    r.design.write(Field::txtringmargin, "0.3");
    r.design.takeRingFillOver();
    r.editor().topPressed({50, 20});
    r.editor().topMoved({90, 60}, false);
    EXPECT_EQ(r.shapes().hint,
              "Failure depth = 1 metres , Factor of Safety = 1, Margin = 0.3 metres");
    EXPECT_EQ(spot(r.shapes().ringtop), (Spot{kL, kT}));
}

TEST(RingElevation, AFailingRowLeavesTheDrawingAndThe3DRingAsTheyWere) {
    ShownRing r;
    r.design.chooseRingRow(1);  // the 900 mm ring is too deep
    ASSERT_EQ(r.text(Field::rvdepth), "Fail");
    EXPECT_FALSE(r.shapes().visible);
    EXPECT_TRUE(r.design.record().notice(Notice::lblringwarning).visible);
    EXPECT_EQ(box(r.shapes().ringtop), (Box{kL, kT, 120, 41}));
    EXPECT_EQ(box(r.shapes().ringbottom), (Box{kL, kT + 82, 120, 41}));
    EXPECT_FLOAT_EQ(r.node(N::GLPCRing).radius, 0.6f);
    EXPECT_FLOAT_EQ(r.node(N::GLPCRing).length, 0.82f);
}

// With the base counted, a fast soil takes more through the base during the storm than the
// storm brings: the 900 mm ring would be -0.22 m deep. No such ring is drawn or written.
TEST(RingElevation, ARingOfNoDepthIsNotDrawnAndTheNoticeSaysWhy) {
    Design design;
    start(design);
    design.setCheck(Check::chkringbase, true);
    enter(design, {{Field::txtarea, "100"}, {Field::txtrain, "0.01"}, {Field::txtsinf, "0.001"}});
    design.switchPage(DetailPage::tsring);
    const DesignRecord& r = design.record();
    // A ring of no depth passes both limits, but there is nothing to build or time.
    EXPECT_EQ(r.ring.cells[1][1], "        none");
    EXPECT_EQ(r.ring.cells[1][2], "        none");
    EXPECT_EQ(r.text(Field::rvdia), "900");
    EXPECT_EQ(r.text(Field::rvdepth), "1");  // the panel's text before any ring
    for (Field f : {Field::rvdepth, Field::rvhalf}) EXPECT_EQ(r.style(f), kWarningStyle);
    EXPECT_TRUE(r.notice(Notice::lblringnotice).visible);
    EXPECT_EQ(r.notice(Notice::lblringnotice).text,
              "No storage is needed: the soil takes this storm through the ring's base alone. "
              "Check the inputs, or leave the base out of the calculation in the design options.");
    EXPECT_FALSE(r.notice(Notice::lblringwarning).visible);
    EXPECT_FALSE(design.ringElevation().shapes().visible);
    EXPECT_FALSE(design.scene().node(N::GLDummyRing).visible);

    // A slower soil needs storage again: the ring is drawn and the notice goes.
    design.write(Field::txtsinf, "0.00001");
    EXPECT_FALSE(r.notice(Notice::lblringnotice).visible);
    EXPECT_TRUE(design.ringElevation().shapes().visible);
    EXPECT_EQ(r.style(Field::rvhalf), kNormalStyle);
}

TEST(RingElevation, TheDiameterStepWidensOrNarrowsByOnePixel) {
    struct Case {
        bool wider;
        int width;
        std::string diameter;
        int bottomTop;
    };
    for (const Case& c : {Case{true, 121, "1210", kT + 80}, {false, 119, "1190", kT + 83}}) {
        ShownRing r;
        r.design.stepRingDiameter(c.wider);
        EXPECT_EQ(r.shapes().ringtop.width, c.width) << c.wider;
        EXPECT_EQ(r.text(Field::rvdia), c.diameter);
        EXPECT_EQ(box(r.shapes().ringbottom), (Box{kL, c.bottomTop, c.width, 41}));
    }

    ShownRing hidden;
    hidden.design.switchPage(DetailPage::tstrench);
    hidden.design.stepRingDiameter(true);
    EXPECT_EQ(hidden.text(Field::rvdia), "1200");
    EXPECT_EQ(hidden.shapes().ringtop.width, 120);
}

}  // namespace
}  // namespace varnholt
