// Guards the trench elevation and the 3D trench it sizes. Faults it catches: pixels rounded in
// double precision or away from even; the 15-pixel minimum not held on screen, or pushed back
// into the field; handles left off the face after a sizing pass or a drag; drags that get past
// the splitter or the input pages, or that are held back to the right or below; a drag step
// that does not write its field and re-size the design before it places the handles; an
// outline that is more or less than one rectangle in the outline colour; and 3D objects sized
// from the wrong dimension or placed for a length left over from an earlier pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>

#include "engine/design.h"
#include "engine/number_text.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::enterWorkedInputs;
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

// A field text as the scene holds it.
float metres(const std::string& text) {
    return static_cast<float>(parseNumber(text));
}

void expectVec(const Vec3& got, const Vec3& want, const std::string& what) {
    for (std::size_t i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(got[i], want[i]) << what << " axis " << i;
}

// Where the face is at start; only drags move it.
constexpr int kL = 288, kT = 340;

// The worked inputs with a trench 1.20 m wide and 1.5 m deep, whose length solves to 3.25 m
// (the half-empty time is 3.65 h). The width is entered as the sizing shows it, so the pass
// that first shows the trench runs no nested pass: that one pass must place everything.
struct SizedTrench {
    explicit SizedTrench(const std::string& halfEmptyLimit = "24") {
        start(design);
        enterWorkedInputs(design);
        design.write(Field::txthalfempty, halfEmptyLimit);
        enter(design,
              {{Field::txtdepth, "1.5"}, {Field::lblwid, "1.20"}, {Field::txtlength, "3.25"}});
    }
    TrenchElevation& editor() { return design.trenchElevation(); }
    const TrenchElevation::Shapes& shapes() const { return design.trenchElevation().shapes(); }
    const std::string& text(Field f) const { return design.record().text(f); }
    const SceneNode& node(N id) const { return design.scene().node(id); }
    const std::string& caption(SceneCaptionId id) const { return design.scene().caption(id); }

    Design design;
};

TEST(TrenchPixels, AreRoundedInSinglePrecisionWithHalvesToEven) {
    struct Case {
        double value;
        int pixels;
    };
    for (const Case& c : {Case{0.125 * 100, 12},
                          {0.135 * 100, 14},
                          {1.2 * 100, 120},
                          {3.4999999999999996, 4},  // 3.5 once in single precision
                          {-22.5, -22}}) {
        EXPECT_EQ(toPixel(c.value), c.pixels) << c.value;
    }
}

TEST(TrenchElevation, ASizingPassDrawsTheFaceToScaleWithItsHandlesOnIt) {
    const SizedTrench t;
    ASSERT_EQ(t.text(Field::txtlength), "3.25");
    ASSERT_EQ(t.text(Field::lblwid), "1.20");
    EXPECT_TRUE(t.shapes().visible);
    EXPECT_EQ(box(t.shapes().face), (Box{kL, kT, 120, 150}));
    EXPECT_EQ(t.shapes().depthGrip.left, kL + 56);
    EXPECT_EQ(spot(t.shapes().widthGrip), (Spot{kL + 112, kT + 71}));
    EXPECT_EQ(t.caption(SceneCaptionId::GLtxtwidth), "Width = 1.20m");
    EXPECT_EQ(t.caption(SceneCaptionId::GLtxtlength), "Length = 3.25m");
    EXPECT_EQ(t.caption(SceneCaptionId::GLtxtdepth), "Depth = 1.5m");
}

TEST(TrenchElevation, ShallowDepthsStandInTheFieldWhileTheFaceKeepsItsMinimum) {
    struct Case {
        std::string depth;
        int height;
        int wettedTop;  // upper end of the traced lower half of the left edge
    };
    for (const Case& c : {Case{"0.125", 15, kT + 8 - 1},  // 12.5 px: 12, held at 15
                          {"0.135", 15, kT + 8 - 1},      // 13.5 px: 14, held at 15
                          {"0.155", 16, kT + 8 - 1},      // 15.5 px: 16
                          {"0.25", 25, kT + 12 - 1},      // half of 25 rounds to 12
                          {"0.27", 27, kT + 14 - 1}}) {   // half of 27 rounds to 14
        SizedTrench t;
        t.design.write(Field::txtdepth, c.depth);
        EXPECT_EQ(t.text(Field::txtdepth), c.depth);
        EXPECT_EQ(box(t.shapes().face), (Box{kL, kT, 120, c.height})) << c.depth;
        EXPECT_FLOAT_EQ(t.node(N::GLTrench).extent[1], metres(c.depth));

        const auto& lines = t.design.canvas().lines;
        const Point bottomLeft{kL, kT + c.height - 1};
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const TracedLine& l) {
            return l.from == bottomLeft && l.to == Point{kL, c.wettedTop};
        })) << c.depth;
    }
}

// Every traced pixel lies on the face's border and every border pixel is traced, so the
// picture is one rectangle; moving the face first shows that old lines are wiped.
TEST(TrenchElevation, TheOutlineIsOneRectangleInTheOutlineColour) {
    struct Case {
        std::string limit;
        Rgb colour;
    };
    for (const Case& c : {Case{"24", colours::black}, {"2", colours::red}}) {
        SizedTrench t(c.limit);
        t.editor().facePressed({10, 10});
        t.editor().faceMoved({50, 40}, true);
        t.editor().faceReleased();
        const Rect f = t.shapes().face;
        ASSERT_EQ(box(f), (Box{kL + 40, kT + 30, 120, 150}));

        std::set<std::pair<int, int>> traced, border;
        for (const TracedLine& l : t.design.canvas().lines) {
            EXPECT_EQ(l.colour, c.colour);
            ASSERT_TRUE(l.from.x == l.to.x || l.from.y == l.to.y);
            for (int x = std::min(l.from.x, l.to.x); x <= std::max(l.from.x, l.to.x); ++x)
                for (int y = std::min(l.from.y, l.to.y); y <= std::max(l.from.y, l.to.y); ++y)
                    traced.insert({x, y});
        }
        for (int x = f.left; x < f.right(); ++x) border.insert({{x, f.top}, {x, f.bottom() - 1}});
        for (int y = f.top; y < f.bottom(); ++y) border.insert({{f.left, y}, {f.right() - 1, y}});
        EXPECT_EQ(traced, border) << c.limit;
        EXPECT_EQ(t.shapes().colour, c.colour);
        EXPECT_EQ(t.design.record().notice(Notice::trenchwarning).visible,
                  c.colour == colours::red);
    }
}

TEST(TrenchElevation, TheRingPageHidesAFailingTrenchWithItsWarning) {
    SizedTrench t("2");
    auto shown = [&t] {
        return std::array<bool, 3>{t.shapes().visible, t.node(N::GLDummyTrench).visible,
                                   t.design.record().notice(Notice::trenchwarning).visible};
    };
    ASSERT_EQ(shown(), (std::array<bool, 3>{true, true, true}));
    t.design.switchPage(DetailPage::tsring);
    EXPECT_EQ(shown(), (std::array<bool, 3>{false, false, false}));
    t.design.switchPage(DetailPage::tstrench);
    EXPECT_EQ(shown(), (std::array<bool, 3>{true, true, true}));
}

TEST(TrenchElevation, BodyDragStopsOnlyAtTheSplitterAndTheInputPages) {
    struct Case {
        int splitterRight, pcmainBottom;
        int dx, dy;
        int left, top;
    };
    for (const Case& c : {Case{281, 140, 100, 200, kL + 100, kT + 200},
                          {281, 140, 2000, 2000, kL + 2000, kT + 2000},  // no right or lower limit
                          {281, 140, -7, 0, 281, kT},    // on the splitter's edge: not left of it
                          {281, 140, -8, 0, 283, kT},    // left of it: 2 right of it
                          {281, 140, 0, -200, kL, 140},  // on the pages' bottom edge
                          {281, 140, 0, -201, kL, 142},
                          {281, 140, -500, -500, 283, 142},
                          {58, 60, -500, -500, 60, 62}}) {  // splitter and pages moved
        SizedTrench t;
        t.design.setPaneBounds(c.splitterRight, c.pcmainBottom);
        t.editor().facePressed({10, 10});
        t.editor().faceMoved({10 + c.dx, 10 + c.dy}, true);

        EXPECT_EQ(box(t.shapes().face), (Box{c.left, c.top, 120, 150})) << c.dx << "," << c.dy;
        EXPECT_EQ(spot(t.shapes().depthGrip), (Spot{c.left + 56, c.top - 7}));
        EXPECT_EQ(spot(t.shapes().widthGrip), (Spot{c.left + 111, c.top + 71}));
        EXPECT_EQ(t.text(Field::txtdepth), "1.5");
        EXPECT_EQ(t.text(Field::lblwid), "1.20");
        EXPECT_EQ(t.text(Field::txtlength), "3.25");
    }
}

TEST(TrenchElevation, PointingAtTheFaceShowsTheOptionsWithoutMovingIt) {
    SizedTrench t;
    t.editor().facePressed({10, 10});
    t.editor().faceMoved({60, 60}, false);
    EXPECT_EQ(t.shapes().hint, "Void Ratio = 0.3, Factor of Safety = 1");
    EXPECT_EQ(box(t.shapes().face), (Box{kL, kT, 120, 150}));
}

// Pressed on the handle's middle row, 8 below its top, so the face's top follows the pointer
// while the bottom (at 490) stays; the depth is written and the design re-sized at once.
TEST(TrenchElevation, DepthDragMovesTheTopEdgeAndResizesTheDesignAtOnce) {
    struct Case {
        int pointerY;
        int top, height, widthGripTop;
        std::string depth, length;
    };
    for (const Case& c : {Case{310, 310, 180, 396, "1.8", "2.69"},
                          {475, 475, 15, 478, "0.15", "33.56"},  // down to the minimum
                          {600, 600, 15, 604, "0.15", "33.56"},  // past the bottom: top at pointer
                          {100, 142, 390, 333, "3.9", "1.18"}}) {  // above the pages: depth stands
        SizedTrench t;
        const int gripTop = t.shapes().depthGrip.top;
        t.editor().depthGripPressed({4, 8});
        t.editor().depthGripMoved({4, c.pointerY - gripTop}, true);

        EXPECT_EQ(t.text(Field::txtdepth), c.depth) << c.pointerY;
        EXPECT_EQ(t.text(Field::txtlength), c.length);
        EXPECT_EQ(box(t.shapes().face), (Box{kL, c.top, 120, c.height}));
        EXPECT_EQ(spot(t.shapes().depthGrip), (Spot{kL + 56, c.top - 7}));
        EXPECT_EQ(spot(t.shapes().widthGrip), (Spot{kL + 111, c.widthGripTop}));
        EXPECT_EQ(t.caption(SceneCaptionId::GLtxtdepth), "Depth = " + c.depth + "m");
        expectVec(t.node(N::GLTrench).extent, {metres(c.length), metres(c.depth), 1.2f},
                  "GLTrench");
        EXPECT_FLOAT_EQ(t.node(N::GLTrenchInflow).position[1], metres(c.depth) / 2 - 0.1f);
    }
}

// Pressed 8 into the handle; the left edge stays at 288. At 30 pixels or less the handle goes
// just right of the depth handle instead of under the pointer.
TEST(TrenchElevation, WidthDragMovesTheRightEdgeAndResizesTheDesignAtOnce) {
    struct Case {
        int dx, width;
        std::string shownWidth, length;
        int widthGripLeft, depthGripLeftOnRelease;
    };
    for (const Case& c : {Case{3, 123, "1.23", "3.18", kL + 114, kL + 58},  // 61.5 - 4 to even
                          {-89, 31, "0.31", "10.24", kL + 22, kL + 12},     // 15.5 - 4 to even
                          {-90, 30, "0.30", "10.49", kL + 22, kL + 11},     // 15 + 7
                          {-95, 25, "0.25", "11.93", kL + 20, kL + 8},      // 12.5 + 7 to even
                          {-200, 15, "0.15", "16.39", kL + 14, kL + 4}}) {  // held at 15
        SizedTrench t;
        t.editor().widthGripPressed({8, 4});
        t.editor().widthGripMoved({8 + c.dx, 4}, true);

        EXPECT_EQ(t.text(Field::lblwid), c.shownWidth) << c.dx;
        EXPECT_EQ(t.text(Field::txtlength), c.length);
        EXPECT_EQ(box(t.shapes().face), (Box{kL, kT, c.width, 150}));
        EXPECT_EQ(t.shapes().widthGrip.left, c.widthGripLeft);
        EXPECT_EQ(t.caption(SceneCaptionId::GLtxtwidth), "Width = " + c.shownWidth + "m");
        expectVec(t.node(N::GLTrench).extent, {metres(c.length), 1.5f, metres(c.shownWidth)},
                  "GLTrench");

        t.editor().widthGripReleased();
        EXPECT_EQ(t.shapes().depthGrip.left, c.depthGripLeftOnRelease);
    }
}

TEST(TrenchElevation, SizingPlacesThe3DTrenchObjects) {
    SizedTrench t;
    struct Case {
        N id;
        Vec3 position, extent;
    };
    // Length 3.25, depth 1.5, width 1.20; panels and slab 0.05 thick.
    for (const Case& c : {Case{N::GLTrench, {0, 0, 0}, {3.25f, 1.5f, 1.2f}},
                          {N::GLside1, {0, -0.375f, 0.625f}, {3.25f, 0.75f, 0.05f}},
                          {N::GLside2, {0, -0.375f, -0.625f}, {3.25f, 0.75f, 0.05f}},
                          {N::GLside3, {1.65f, -0.375f, 0}, {0.05f, 0.75f, 1.2f}},
                          {N::GLside4, {-1.65f, -0.375f, 0}, {0.05f, 0.75f, 1.2f}},
                          {N::GLTrenchbase, {0, -0.775f, 0}, {3.25f, 0.05f, 1.2f}}}) {
        expectVec(t.node(c.id).position, c.position, std::string(nameOf(c.id)));
        expectVec(t.node(c.id).extent, c.extent, std::string(nameOf(c.id)));
    }
    // The inflow pipe's top is flush with the trench top, the outflow's 0.1 below it.
    expectVec(t.node(N::GLTrenchInflow).position, {3.125f, 0.65f, 0}, "GLTrenchInflow");
    expectVec(t.node(N::GLTrenchOutflow).position, {-2.625f, 0.55f, 0}, "GLTrenchOutflow");
    expectVec(t.node(N::GLSiltTrap).position, {2.125f, 0.5f, 0}, "GLSiltTrap");
    EXPECT_TRUE(t.node(N::GLDummyTrench).visible);
    EXPECT_FALSE(t.node(N::GLDummyRing).visible);

    EXPECT_FALSE(t.node(N::GLTrenchbase).visible);
    t.design.setCheck(Check::chkbase, true);
    t.design.refreshView();
    EXPECT_TRUE(t.node(N::GLTrenchbase).visible);
    EXPECT_TRUE(t.design.record().notice(Notice::lblbaseincluded).visible);
}

}  // namespace
}  // namespace varnholt
