// Guards the ring table: the published depths and times (pi as 3.1415, single-precision
// squares in the surround cases), which rows fail and why, and which ring the panel shows.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "engine/ring_formulas.h"
#include "engine/ring_sizing.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::start;

RingLoad load(bool surround, bool base, double margin = 0, double overflowFactor = 1) {
    return {100, 0.015, overflowFactor, 60, 0.00001, 0.3, surround, base, margin};
}

TEST(RingFormulas, MatchIndependentlyWorkedValues) {
    // Worked with 40-digit decimals, the surround squares taken of single-precision copies.
    struct Case {
        double radius;
        bool surround, base;
        double margin, depth, hours;
    };
    for (const Case& c : {Case{0.45, false, false, 0, 2.1832597683954371, 6.25},
                          {0.45, false, true, 0, 2.1499264350621039, 5.1686657768168205},
                          {0.525, true, false, 0.3, 1.0119836215667284, 11.982136036821057},
                          {0.525, true, true, 0.3, 0.99095356906739718, 7.8325227675194018},
                          {1.35, true, false, 0, 0.23631552919746934, 20.287184386790351}}) {
        const RingResult r = sizeRing(load(c.surround, c.base, c.margin), c.radius);
        EXPECT_NEAR(r.depth, c.depth, 1e-15 * c.depth) << c.radius;
        EXPECT_NEAR(r.halfEmptyTime, c.hours, 1e-15 * c.hours) << c.radius;
    }
}

TEST(RingFormulas, HalfEmptyTimeWithoutSurroundOrBaseIgnoresTheDepth) {
    for (double rain : {0.005, 0.015, 0.05}) {
        RingLoad l = load(false, false);
        l.rainfallDepth = rain;
        EXPECT_NEAR(sizeRing(l, 0.45).halfEmptyTime, 0.45 / (2 * 0.00001) / 3600, 1e-12);
    }
}

TEST(RingFormulas, BaseNeverMakesARingDeeper) {
    for (int row = 1; row <= RingDesign::kRows; ++row)
        for (bool surround : {false, true}) {
            const double r = RingDesign::radiusOf(row);
            EXPECT_LE(sizeRing(load(surround, true, 0.2), r).depth,
                      sizeRing(load(surround, false, 0.2), r).depth)
                << "row " << row << (surround ? " with surround" : "");
        }
}

TEST(RingFormulas, SurroundOfMarginZeroAddsTheCornersOfTheSquarePit) {
    const double r = 0.6, n = 0.3, pi = 3.1415;
    const RingLoad l = load(true, false, 0);
    const double storage = pi * r * r + n * (4 * r * r - pi * r * r);
    const double expected = 1.5 / (storage + pi * r * 0.00001 * 3600);
    EXPECT_NEAR(sizeRing(l, r).depth, expected, 1e-7);
}

class RingPage : public ::testing::Test {
protected:
    void SetUp() override {
        start(design);
        enter(design,
              {{Field::txtarea, "100"}, {Field::txtrain, "0.015"}, {Field::txtsinf, "0.00001"}});
    }
    std::string cell(int row, int column) const {
        return design.record()
            .ring.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    const DesignRecord& record() const { return design.record(); }
    const std::string& text(Field f) const { return design.record().text(f); }

    Design design;
};

TEST_F(RingPage, SwitchingToTheRingPageFillsTheTableAndChoosesTheFirstPassingRing) {
    design.switchPage(DetailPage::tsring);
    EXPECT_TRUE(record().flags.ringdrawable);
    EXPECT_EQ(cell(1, 0), "         900");
    EXPECT_EQ(cell(1, 1), "        2.18");
    EXPECT_EQ(cell(1, 2), "        6.25");
    EXPECT_EQ(cell(9, 1), "        0.25");
    EXPECT_EQ(cell(9, 2), "        18.75");
    EXPECT_EQ(record().ring.selectedRow, 1);
    EXPECT_EQ(text(Field::rvdia), "900");
    EXPECT_EQ(text(Field::rvdepth), "2.18");
    EXPECT_EQ(text(Field::rvhalf), "6.25");
    // After the table pass the current ring is the last row sized, 2700 mm.
    EXPECT_DOUBLE_EQ(record().ring.radius, 1.35);
    EXPECT_TRUE(design.scene().node(SceneNodeId::GLDummyRing).visible);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLDummyTrench).visible);
    EXPECT_FALSE(record().notice(Notice::lblringwarning).visible);
}

TEST_F(RingPage, LimitsAreInclusiveAndFailingRowsSayFail) {
    // 6.25 h exactly for the 900 mm ring; the 1050 mm ring needs 7.29 h.
    design.write(Field::txthalfempty, "6.25");
    design.switchPage(DetailPage::tsring);
    EXPECT_EQ(cell(1, 2), "        6.25");
    EXPECT_EQ(cell(2, 1), "        Fail");
    EXPECT_EQ(cell(2, 2), "        Fail");
}

// The 900 mm ring passes a 10 h limit in 6.25 h while the 2700 mm ring, sized last, does
// not: the panel's colours follow the ring it shows.
TEST_F(RingPage, ThePanelIsColouredByTheRingItShows) {
    design.write(Field::txthalfempty, "10");
    design.switchPage(DetailPage::tsring);
    ASSERT_EQ(cell(9, 2), "        Fail");
    ASSERT_EQ(text(Field::rvhalf), "6.25");
    EXPECT_EQ(record().style(Field::rvhalf).background, colours::white);
    EXPECT_EQ(record().style(Field::rvdepth).background, colours::white);
    EXPECT_EQ(record().ringcolour, colours::black);

    // A ring dragged past the limit is marked, and one dragged back is not. The grip is
    // dragged as the mouse would, one pixel a 10 mm step of the diameter.
    const auto drag = [&](double radius) {
        RingElevation& elevation = design.ringElevation();
        const int width = static_cast<int>(radius * 2 * 100 + 0.5);
        elevation.gripPressed({0, 0});
        elevation.gripMoved({width - elevation.shapes().ringtop.width, 0}, true);
        elevation.gripReleased();
        ASSERT_EQ(record().ring.radius, radius);
    };
    drag(1.0);
    EXPECT_EQ(record().style(Field::rvhalf), kWarningStyle);
    EXPECT_EQ(record().ringcolour, colours::red);
    drag(0.5);
    EXPECT_EQ(record().style(Field::rvhalf), kNormalStyle);
    EXPECT_EQ(record().ringcolour, colours::black);
}

TEST_F(RingPage, OnlyTheLargestRingPassing) {
    design.write(Field::txtringfail, "0.3");
    design.switchPage(DetailPage::tsring);
    EXPECT_EQ(record().ring.selectedRow, 9);
    EXPECT_EQ(text(Field::rvdia), "2700");
    EXPECT_EQ(text(Field::rvdepth), "0.25");
    EXPECT_FALSE(record().notice(Notice::lblringwarning).visible);
    EXPECT_EQ(record().ringcolour, colours::black);
    EXPECT_EQ(record().style(Field::rvdia).text, colours::black);
}

TEST_F(RingPage, WhenEveryRingFailsThePanelShowsTheLastRowInRed) {
    design.write(Field::txtoverflow, "100");  // no inflow: the half-empty times are 0/0
    design.switchPage(DetailPage::tsring);
    for (int row = 1; row <= RingDesign::kRows; ++row) EXPECT_EQ(cell(row, 1), "        Fail");
    EXPECT_EQ(record().ring.selectedRow, 9);
    EXPECT_EQ(text(Field::rvdia), "2700");
    EXPECT_EQ(text(Field::rvdepth), "Fail");
    EXPECT_EQ(text(Field::rvhalf), "Fail");
    EXPECT_TRUE(record().notice(Notice::lblringwarning).visible);
    EXPECT_EQ(record().ringcolour, colours::red);
    EXPECT_EQ(record().style(Field::rvdia).text, colours::red);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLDummyRing).visible);
    // The side lines the failing rows traced on their way are wiped with the ring.
    EXPECT_TRUE(design.canvas().lines.empty());
}

TEST_F(RingPage, ClickingAFailingThenAPassingRow) {
    design.write(Field::txtringfail, "1");  // rings up to 1200 mm would be too deep
    design.switchPage(DetailPage::tsring);
    ASSERT_EQ(record().ring.selectedRow, 4);
    design.chooseRingRow(1);
    EXPECT_EQ(text(Field::rvdia), "900");
    EXPECT_EQ(text(Field::rvdepth), "Fail");
    EXPECT_TRUE(record().notice(Notice::lblringwarning).visible);
    EXPECT_EQ(record().ringcolour, colours::red);
    design.chooseRingRow(5);
    EXPECT_EQ(text(Field::rvdia), "1500");
    EXPECT_EQ(text(Field::rvdepth), "0.80");
    EXPECT_FALSE(record().notice(Notice::lblringwarning).visible);
    EXPECT_EQ(record().style(Field::rvhalf).text, colours::black);
}

TEST_F(RingPage, SurroundUsesTheAppliedMarginNotTheTypedOne) {
    design.setCheck(Check::chkringsur, true);
    design.write(Field::txtringmargin, "0.3");  // typed, not yet applied with OK
    design.switchPage(DetailPage::tsring);
    const std::string unapplied = cell(2, 1);
    design.takeRingFillOver();
    design.refreshView();
    EXPECT_EQ(cell(2, 1), "        1.01");
    EXPECT_EQ(cell(2, 2), "        11.98");
    EXPECT_NE(unapplied, cell(2, 1));
}

TEST_F(RingPage, TrenchPageHidesTheRing) {
    design.switchPage(DetailPage::tsring);
    design.switchPage(DetailPage::tstrench);
    EXPECT_FALSE(record().flags.ringdrawable);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLDummyRing).visible);
    EXPECT_EQ(cell(1, 1), "        2.18");  // the table keeps its texts between passes
}

TEST(RingTableText, TrimsOnlyLeadingSpaces) {
    EXPECT_EQ(trimLeadingSpaces("        Fail"), "Fail");
    EXPECT_EQ(trimLeadingSpaces("  1.5 "), "1.5 ");
    EXPECT_EQ(trimLeadingSpaces("   "), "");
}

}  // namespace
}  // namespace varnholt
