// Guards the crate tank: whole units rounded up (a size on a boundary stays, one just over it
// takes another unit), the sizing with the crates' void ratio and the rounded tank, and the
// rule that the field being typed in is never rewritten.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine/critical_storm.h"
#include "engine/design.h"
#include "engine/trench_fill.h"
#include "engine/trench_sizing.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::enterWorkedInputs;
using testing::start;

TEST(CrateRounding, WholeUnitsCoverTheSizeAndABoundaryStays) {
    struct Case {
        double size, unit;
        long long units;
    };
    for (const Case& c : {Case{3, 1, 3},
                          {3.0000000001, 1, 3},  // what floating point leaves on a boundary
                          {3.001, 1, 4},
                          {2.999, 1, 3},
                          {0.1 * 3, 0.1, 3},
                          {1.2, 0.4, 3},  // 2.9999999999999996 units as divided
                          {1.21, 0.4, 4},
                          {0.0001, 0.5, 1},
                          {0, 0.5, 0},
                          {-1, 0.5, 0}}) {
        SCOPED_TRACE(std::to_string(c.size) + " / " + std::to_string(c.unit));
        EXPECT_EQ(unitsToCover(c.size, c.unit), c.units);
    }
    // The size of the units is clean, so the display cut shows it whole.
    EXPECT_EQ(displayText(sizeOfUnits(3, 0.7)), "2.1");
    EXPECT_EQ(displayText(sizeOfUnits(7, 0.1)), "0.7");
}

TEST(CrateRounding, EachSideOfTheTankRoundsOnItsOwn) {
    const CrateUnit unit{1.0, 0.5, 0.4, 0.95};
    struct Case {
        const char* what;
        double length, width, depth;
        const char* units;
        const char* size;
    };
    for (const Case& c :
         {Case{"all on boundaries", 10, 1, 1.2, "10 x 2 x 3 = 60 units", "10.00 x 1.00 x 1.20 m"},
          {"length just over", 10.001, 1, 1.2, "11 x 2 x 3 = 66 units", "11.00 x 1.00 x 1.20 m"},
          {"width just over", 10, 1.001, 1.2, "10 x 3 x 3 = 90 units", "10.00 x 1.50 x 1.20 m"},
          {"depth just over", 10, 1, 1.201, "10 x 2 x 4 = 80 units", "10.00 x 1.00 x 1.60 m"},
          {"below one unit", 0.3, 0.2, 0.1, "1 x 1 x 1 = 1 units", "1.00 x 0.50 x 0.40 m"}}) {
        SCOPED_TRACE(c.what);
        const CrateTank tank = crateTankFor(unit, c.length, c.width, c.depth);
        EXPECT_EQ(tank.unitsText(), c.units);
        EXPECT_EQ(tank.sizeText(), c.size);
    }
}

class CrateSizing : public ::testing::Test {
protected:
    void SetUp() override {
        start(design);
        design.write(Field::txtfill, kCratesFillText);
        enterWorkedInputs(design);
        enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "0.6"}});
    }
    const DesignRecord& record() const { return design.record(); }
    const std::string& text(Field f) const { return record().text(f); }
    TrenchLoad load() const { return trenchLoadOf(record()); }

    Design design;
};

TEST_F(CrateSizing, TheTypedLengthStandsAndTheTankIsRoundedAroundIt) {
    design.write(Field::txtlength, "");
    for (char key : std::string_view("10.3")) ASSERT_TRUE(design.type(Field::txtlength, key));
    EXPECT_EQ(text(Field::txtlength), "10.3");
    EXPECT_EQ(text(Field::lblwid), "0.5");    // one unit across holds it
    EXPECT_EQ(text(Field::txtdepth), "1.2");  // 1 m is three layers of 0.4 m
    // The tank built is 11 units long, and its half-empty time is the one shown.
    EXPECT_DOUBLE_EQ(record().trench.length, 11);
    EXPECT_DOUBLE_EQ(record().trench.halfEmptyTime, trenchHalfEmptyHours(load(), 11, 0.5, 1.2));
    EXPECT_EQ(text(Field::lbltime), "6.31");
}

TEST_F(CrateSizing, ATypedDepthStandsWhileTheTankTakesWholeLayers) {
    design.write(Field::txtlength, "4");
    design.write(Field::txtdepth, "");
    for (char key : std::string_view("0.9")) ASSERT_TRUE(design.type(Field::txtdepth, key));
    EXPECT_EQ(text(Field::txtdepth), "0.9");
    EXPECT_DOUBLE_EQ(record().trench.depth, 1.2);
}

// A write by the program runs the chain, which settles on whole units: the shortest tank
// that holds the storm for the width it shows.
TEST_F(CrateSizing, AWrittenLengthSettlesOnTheShortestWholeUnitTank) {
    design.write(Field::txtlength, "10");
    EXPECT_EQ(text(Field::txtlength), "4");
    EXPECT_EQ(text(Field::lblwid), "0.5");
    EXPECT_EQ(text(Field::txtdepth), "1.2");
    const double needed = solveTrenchLength(load(), 0.5, 1.2);
    EXPECT_GT(needed, 3);
    EXPECT_LE(needed, 4);
    EXPECT_DOUBLE_EQ(record().trench.halfEmptyTime, trenchHalfEmptyHours(load(), 4, 0.5, 1.2));
}

TEST_F(CrateSizing, TheCratesVoidRatioIsTheTrenchsAndTheRingKeepsItsGravel) {
    design.write(Field::txtlength, "4");
    const StormDesign d = stormDesignOf(record());
    EXPECT_DOUBLE_EQ(d.trench.voidRatio, 0.95);
    EXPECT_DOUBLE_EQ(d.ring.voidRatio, 0.3);
    EXPECT_DOUBLE_EQ(record().sizing.trenchVoidRatio, 0.95);
    EXPECT_DOUBLE_EQ(record().sizing.voidRatio, 0.3);
    design.write(Field::txtfill, kGravelFillText);
    EXPECT_DOUBLE_EQ(stormDesignOf(record()).trench.voidRatio, 0.3);
}

// The status bar names the ratio the trench is sized with, beside the gravel's.
TEST_F(CrateSizing, TheStatusBarNamesTheCratesVoidRatio) {
    design.optionsAccepted();
    EXPECT_EQ(record().status.voidRatio, "Void Ratio = 0.3, crates 0.95");
    design.write(Field::txtfill, kGravelFillText);
    design.optionsAccepted();
    EXPECT_EQ(record().status.voidRatio, "Void Ratio = 0.3");
}

// The cross-section shows a joint at each unit across and each layer up, evenly inside the
// face; the 3D view gets the units along, up and across. Gravel shows none.
TEST_F(CrateSizing, TheElevationAndTheSceneShowTheUnitsJoints) {
    design.write(Field::txtlength, "4");
    design.write(Field::lblwid, "");
    for (char key : std::string_view("1.5")) ASSERT_TRUE(design.type(Field::lblwid, key));
    const Rect& face = design.trenchElevation().shapes().face;
    ASSERT_EQ(face.width, 150);
    ASSERT_EQ(face.height, 120);
    const auto joints = design.trenchElevation().crateJoints();
    ASSERT_EQ(joints.size(), 4u);
    const int right = face.left + face.width - 2, bottom = face.top + face.height - 2;
    using J = TrenchElevation::Joint;
    for (auto [joint, from, to] :
         {std::tuple{joints[0], Point{face.left + 50, face.top + 1}, Point{face.left + 50, bottom}},
          {joints[1], Point{face.left + 100, face.top + 1}, Point{face.left + 100, bottom}},
          {joints[2], Point{face.left + 1, face.top + 40}, Point{right, face.top + 40}},
          {joints[3], Point{face.left + 1, face.top + 80}, Point{right, face.top + 80}}}) {
        const J j = joint;
        EXPECT_EQ(j.from, from);
        EXPECT_EQ(j.to, to);
    }
    const CrateTank tank = *crateTankOf(record());
    EXPECT_EQ(design.scene().crateUnits,
              (std::array<long long, 3>{tank.along, tank.layers, tank.across}));
    EXPECT_EQ(tank.across, 3);
    design.trenchElevation().faceMoved({0, 0}, false);  // pointing at the face
    EXPECT_EQ(design.trenchElevation().shapes().hint, "Void Ratio = 0.95, Factor of Safety = 1");

    design.write(Field::txtfill, kGravelFillText);
    design.refreshView();
    EXPECT_TRUE(design.trenchElevation().crateJoints().empty());
    EXPECT_EQ(design.scene().crateUnits, (std::array<long long, 3>{}));
}

TEST_F(CrateSizing, AUnitOfNoSizeLeavesTheTrenchUndrawn) {
    design.write(Field::txtcratewidth, "0");
    design.write(Field::txtlength, "5");
    EXPECT_FALSE(record().flags.trenchdrawable);
}

}  // namespace
}  // namespace varnholt
