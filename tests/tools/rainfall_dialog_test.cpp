// Guards the rainfall dialog: the two factor tables as the designer reads them, which clicks
// select, the chain from M5-60 through Z1 and Z2 to the M10 rainfall, the labels that state
// it, and the depth "Use in Design" sends to the main window.
#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>

#include "engine/number_text.h"
#include "started_design.h"
#include "tools/rainfall_dialog_logic.h"

namespace varnholt {
namespace {

constexpr RainfallGrid sgz1 = RainfallGrid::sgz1;
constexpr RainfallGrid sgz2 = RainfallGrid::sgz2;

class RainfallDialog : public ::testing::Test {
protected:
    // A left click on a cell and its release, as the user picks a cell.
    void pick(RainfallGrid g, GridCell c) {
        dialog.click(g, c);
        dialog.mouseReleased(g);
    }
    double factor(RainfallGrid g, GridCell c) const { return parseNumber(dialog.cell(g, c)); }

    RainfallDialogLogic dialog;
};

// Exact decimal text of units / 10^decimals, with no trailing zeros: what the labels must
// show for products of two-decimal factors, worked in integers so no rounding can hide.
std::string exactDecimal(std::int64_t units, int decimals) {
    std::string digits = std::to_string(units);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fraction = digits.substr(whole.size());
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return fraction.empty() ? whole : whole + "." + fraction;
}

// "1.25" -> 125
std::int64_t hundredths(const std::string& cellText) {
    const std::string t = cellText.substr(cellText.find_first_not_of(' '));
    return std::stoll(t.substr(0, t.find('.'))) * 100 + std::stoll(t.substr(t.find('.') + 1));
}

TEST_F(RainfallDialog, WorkedChainFromRatioAndDurationToTheDesignDepth) {
    Design design;
    testing::start(design);

    pick(sgz1, {7, 6});  // r 0.30, 120 minutes
    EXPECT_EQ(dialog.lblZ1(), "M5-120min rainfall = 20mm x 1.25 = 25mm");
    pick(sgz2, {5, RainfallDialogLogic::kEnglandAndWales});  // 25 mm
    EXPECT_EQ(dialog.lblZ2(), "M10-120min rainfall = 25mm x 1.24 = ");
    EXPECT_EQ(dialog.lblresult(), "31mm");
    EXPECT_DOUBLE_EQ(dialog.m10Rainfall(), 31);

    ASSERT_TRUE(dialog.canUse());
    dialog.useInDesign(design);
    EXPECT_EQ(design.record().text(Field::txtrain), "0.031");
    // The dialog never touches the storm duration: the user sets that on the main window.
    EXPECT_EQ(design.record().text(Field::txtsdur), "60");
}

TEST_F(RainfallDialog, StartsOnTheFirstDataCellsWithNothingWorkedOut) {
    EXPECT_EQ(dialog.selected(sgz1), (GridCell{1, 1}));
    EXPECT_EQ(dialog.selected(sgz2), (GridCell{1, 1}));
    EXPECT_EQ(dialog.lblZ1(), "");
    EXPECT_EQ(dialog.lblZ2(), "");
    EXPECT_EQ(dialog.lblresult(), "");
    EXPECT_FALSE(dialog.canUse());
}

TEST_F(RainfallDialog, ZTwoBeforeZOneWorksFromNothingAndSendsNothing) {
    Design design;
    testing::start(design);
    testing::enter(design, {{Field::txtrain, "0.02"}});

    dialog.mouseReleased(sgz2);
    EXPECT_EQ(dialog.lblZ1(), "");
    EXPECT_EQ(dialog.lblZ2(), "M10-0min rainfall = 0mm x 1.19 = ");
    EXPECT_EQ(dialog.lblresult(), "0mm");
    // A depth of 0 would only wipe out the one the designer has.
    EXPECT_FALSE(dialog.canUse());
    dialog.useInDesign(design);
    EXPECT_EQ(design.record().text(Field::txtrain), "0.02");
}

TEST_F(RainfallDialog, ChainsForChosenCells) {
    struct Case {
        GridCell z1, z2;
        std::string lblZ1, lblZ2, lblresult, depth;
    };
    for (const Case& c : {
             // 60 minutes is the M5-60 storm itself, whatever r.
             Case{{1, 5},
                  {4, 1},
                  "M5-60min rainfall = 20mm x 1 = 20mm",
                  "M10-60min rainfall = 20mm x 1.24 = ",
                  "24.8mm",
                  "0.0248"},
             Case{{12, 5},
                  {4, 2},
                  "M5-60min rainfall = 20mm x 1 = 20mm",
                  "M10-60min rainfall = 20mm x 1.19 = ",
                  "23.8mm",
                  "0.0238"},
             Case{{1, 10},
                  {10, 1},
                  "M5-1440min rainfall = 20mm x 6 = 120mm",
                  "M10-1440min rainfall = 120mm x 1.13 = ",
                  "135.6mm",
                  "0.1356"},
             Case{{1, 1},
                  {1, 1},
                  "M5-5min rainfall = 20mm x 0.22 = 4.4mm",
                  "M10-5min rainfall = 4.4mm x 1.19 = ",
                  "5.236mm",
                  "0.005236"},
             Case{{8, 3},
                  {3, 2},
                  "M5-15min rainfall = 20mm x 0.61 = 12.2mm",
                  "M10-15min rainfall = 12.2mm x 1.2 = ",
                  "14.64mm",
                  "0.01464"},
         }) {
        SCOPED_TRACE(c.lblZ1 + " / " + c.lblresult);
        pick(sgz2, c.z2);
        pick(sgz1, c.z1);  // the whole chain, with the Z2 cell chosen before
        EXPECT_EQ(dialog.lblZ1(), c.lblZ1);
        EXPECT_EQ(dialog.lblZ2(), c.lblZ2);
        EXPECT_EQ(dialog.lblresult(), c.lblresult);
        EXPECT_EQ(dialog.designRainfall(), c.depth);
    }
}

TEST_F(RainfallDialog, ZTwoClickReworksOnlyTheSecondStep) {
    pick(sgz1, {7, 6});
    pick(sgz2, {3, 2});
    EXPECT_EQ(dialog.lblZ1(), "M5-120min rainfall = 20mm x 1.25 = 25mm");
    EXPECT_EQ(dialog.lblZ2(), "M10-120min rainfall = 25mm x 1.2 = ");
    EXPECT_EQ(dialog.lblresult(), "30mm");
}

TEST_F(RainfallDialog, HeadingsAndPlacesOutsideTheCellsKeepTheSelection) {
    pick(sgz1, {7, 6});
    pick(sgz2, {5, 1});
    const std::string before = dialog.lblZ2() + dialog.lblresult();
    for (GridCell heading : {GridCell{0, 0}, GridCell{0, 3}, GridCell{4, 0}, GridCell{13, 2},
                             GridCell{2, 11}, GridCell{-1, 2}}) {
        EXPECT_FALSE(dialog.click(sgz1, heading));
        dialog.mouseReleased(sgz1);
        EXPECT_EQ(dialog.selected(sgz1), (GridCell{7, 6}));
    }
    for (GridCell heading : {GridCell{0, 1}, GridCell{3, 0}, GridCell{11, 1}, GridCell{1, 3}}) {
        EXPECT_FALSE(dialog.click(sgz2, heading));
        dialog.mouseReleased(sgz2);
        EXPECT_EQ(dialog.selected(sgz2), (GridCell{5, 1}));
    }
    EXPECT_EQ(dialog.lblZ2() + dialog.lblresult(), before);
}

TEST_F(RainfallDialog, OnlyAReleaseOrAKeyWorksTheSelectionOut) {
    pick(sgz1, {7, 6});
    dialog.click(sgz1, {1, 10});  // pressed, not yet released
    EXPECT_EQ(dialog.lblZ1(), "M5-120min rainfall = 20mm x 1.25 = 25mm");
    dialog.mouseReleased(sgz1);
    EXPECT_EQ(dialog.lblZ1(), "M5-1440min rainfall = 20mm x 6 = 120mm");

    // The factors in the labels are always those highlighted.
    dialog.keyMoved(sgz1, {2, 10});
    EXPECT_EQ(dialog.lblZ1(), "M5-1440min rainfall = 20mm x 4.9 = 98mm");
    dialog.keyMoved(sgz2, {2, 1});
    EXPECT_EQ(dialog.lblresult(), "119.56mm");
    dialog.keyMoved(sgz2, {0, 1});  // never onto a heading
    EXPECT_EQ(dialog.selected(sgz2), (GridCell{2, 1}));
}

TEST_F(RainfallDialog, TablesReadAsTheyArePrinted) {
    EXPECT_EQ(RainfallDialogLogic::rowCount(sgz1), 13);
    EXPECT_EQ(RainfallDialogLogic::columnCount(sgz1), 11);
    EXPECT_EQ(RainfallDialogLogic::rowCount(sgz2), 11);
    EXPECT_EQ(RainfallDialogLogic::columnCount(sgz2), 3);
    EXPECT_EQ(dialog.cell(sgz1, {0, 0}), "Ratio r");
    EXPECT_EQ(dialog.cell(sgz2, {0, 0}), "M5 Rainfall (mm)");
    EXPECT_EQ(dialog.cell(sgz2, {0, 1}), "England and Wales");
    EXPECT_EQ(dialog.cell(sgz2, {0, 2}), "Scotland and N Ireland");
    EXPECT_EQ(dialog.durationHeadings(),
              (std::vector<std::string>{"5", "10", "15", "30", "60", "120", "240", "360", "600",
                                        "1440"}));
    EXPECT_EQ(dialog.rowHeadings(sgz1),
              (std::vector<std::string>{"0.12", "0.15", "0.18", "0.21", "0.24", "0.27", "0.30",
                                        "0.33", "0.36", "0.39", "0.42", "0.45"}));
    EXPECT_EQ(dialog.rowHeadings(sgz2), (std::vector<std::string>{"5", "10", "15", "20", "25", "30",
                                                                  "40", "50", "75", "100"}));
    // Numbers stand right-aligned in their column: whole-number headings, two-decimal factors.
    EXPECT_EQ(dialog.cell(sgz1, {0, 1}), "   5");
    EXPECT_EQ(dialog.cell(sgz1, {0, 6}), " 120");
    EXPECT_EQ(dialog.cell(sgz2, {1, 0}), "  5");
    EXPECT_EQ(dialog.cell(sgz2, {10, 0}), "100");
    const std::regex twoDecimals(R"( *\d\.\d\d)");
    for (RainfallGrid g : {sgz1, sgz2})
        for (int r = 1; r < RainfallDialogLogic::rowCount(g); ++r)
            for (int c = 1; c < RainfallDialogLogic::columnCount(g); ++c)
                EXPECT_TRUE(std::regex_match(dialog.cell(g, {r, c}), twoDecimals))
                    << r << "," << c << " '" << dialog.cell(g, {r, c}) << "'";
}

// What every growth curve must do; a mistyped factor would most likely break it.
TEST_F(RainfallDialog, FactorsRiseAndFallAsGrowthCurvesDo) {
    const int rows = RainfallDialogLogic::rowCount(sgz1);
    const int columns = RainfallDialogLogic::columnCount(sgz1);
    for (int r = 1; r < rows; ++r) {
        EXPECT_EQ(factor(sgz1, {r, 5}), 1.0) << "60 minutes, row " << r;
        for (int c = 2; c < columns; ++c)
            EXPECT_GT(factor(sgz1, {r, c}), factor(sgz1, {r, c - 1})) << r << "," << c;
    }
    // The higher the ratio r, the more of the two-day rain falls in the short storms.
    for (int c = 1; c < columns; ++c)
        for (int r = 2; r < rows; ++r) {
            if (c < 5) {
                EXPECT_GT(factor(sgz1, {r, c}), factor(sgz1, {r - 1, c})) << r << "," << c;
            }
            if (c > 5) {
                EXPECT_LT(factor(sgz1, {r, c}), factor(sgz1, {r - 1, c})) << r << "," << c;
            }
        }
    for (int r = 1; r < RainfallDialogLogic::rowCount(sgz2); ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_GE(factor(sgz2, {r, c}), 1.13);
            EXPECT_LE(factor(sgz2, {r, c}), 1.24);
            EXPECT_GE(factor(sgz2, {r, 1}), factor(sgz2, {r, 2})) << "row " << r;
        }
}

// Every pair of cells: the labels and the depth are the exact decimals of the products, with
// none of the binary noise that 20 x 0.22 or 31 / 1000 carry in floating point.
TEST_F(RainfallDialog, EveryPairOfCellsPrintsExactDecimals) {
    for (int z1r = 1; z1r < RainfallDialogLogic::rowCount(sgz1); ++z1r)
        for (int z1c = 1; z1c < RainfallDialogLogic::columnCount(sgz1); ++z1c) {
            const std::int64_t a = hundredths(dialog.cell(sgz1, {z1r, z1c}));
            const std::string minutes =
                dialog.durationHeadings()[static_cast<std::size_t>(z1c - 1)];
            pick(sgz1, {z1r, z1c});
            const std::string m5 = exactDecimal(a * 20, 2);
            ASSERT_EQ(dialog.lblZ1(), "M5-" + minutes + "min rainfall = 20mm x " +
                                          exactDecimal(a, 2) + " = " + m5 + "mm");
            for (int z2r = 1; z2r < RainfallDialogLogic::rowCount(sgz2); ++z2r)
                for (int z2c = 1; z2c < RainfallDialogLogic::columnCount(sgz2); ++z2c) {
                    const std::int64_t b = hundredths(dialog.cell(sgz2, {z2r, z2c}));
                    pick(sgz2, {z2r, z2c});
                    const std::string trace = std::to_string(a) + " x " + std::to_string(b);
                    ASSERT_EQ(dialog.lblZ2(), "M10-" + minutes + "min rainfall = " + m5 + "mm x " +
                                                  exactDecimal(b, 2) + " = ")
                        << trace;
                    ASSERT_EQ(dialog.lblresult(), exactDecimal(a * 20 * b, 4) + "mm") << trace;
                    ASSERT_EQ(dialog.designRainfall(), exactDecimal(a * 20 * b, 7)) << trace;
                }
        }
}

TEST_F(RainfallDialog, HeadingsFoundByTheirValues) {
    EXPECT_EQ(dialog.rowHeaded(sgz1, 0.3), 7);
    EXPECT_EQ(dialog.rowHeaded(sgz1, 0.45), 12);
    EXPECT_EQ(dialog.durationColumn(120), 6);
    EXPECT_EQ(dialog.durationColumn(1440), 10);
    EXPECT_EQ(dialog.rowHeaded(sgz2, 25), 5);
    EXPECT_EQ(dialog.rowHeaded(sgz1, 0.31), std::nullopt);
    EXPECT_EQ(dialog.durationColumn(45), std::nullopt);
    EXPECT_EQ(dialog.rowHeaded(sgz2, 35), std::nullopt);
}

}  // namespace
}  // namespace varnholt
