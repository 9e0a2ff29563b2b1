// Guards the soil table: the five soils with the rates shown and the texts written, the row a
// name or number picks, and that every close runs the main window's pass once more.
#include <gtest/gtest.h>

#include <string>

#include "started_design.h"
#include "tools/soil_table_logic.h"

namespace varnholt {
namespace {

class SoilTable : public ::testing::Test {
protected:
    void SetUp() override { testing::start(design); }
    const std::string& text(Field f) { return design.record().text(f); }

    Design design;
    SoilTableLogic table{design};
};

TEST_F(SoilTable, EachSoilWritesItsOwnFixedText) {
    struct Row {
        const char* soil;
        const char* shown;
        const char* written;
    };
    const Row rows[] = {{"Sand", "8.3 x 10^-6", "0.0000083"},
                        {"Sandy Loam", "5.5 x 10^-6", "0.0000055"},
                        {"Loam", "2.7 x 10^-6", "0.0000027"},
                        {"Clay Loam", "1.3 x 10^-6", "0.0000013"},
                        {"Clay", "2 x 10^-7", "0.0000002"}};
    ASSERT_EQ(std::size(rows), kSoilRows.size());
    EXPECT_EQ(table.selectedRow(), 1) << "the first soil is selected at first";
    for (int row = 1; row <= 5; ++row) {
        const Row& r = rows[row - 1];
        SCOPED_TRACE(r.soil);
        EXPECT_EQ(kSoilRows[static_cast<std::size_t>(row - 1)].soilType, r.soil);
        EXPECT_EQ(kSoilRows[static_cast<std::size_t>(row - 1)].shownRate, r.shown);
        design.write(Field::txtsinf, "1");
        table.select(row);
        table.use();
        EXPECT_EQ(text(Field::txtsinf), r.written);
    }
}

TEST_F(SoilTable, ARowOutsideTheSoilsLeavesTheSelection) {
    table.select(4);
    for (int row : {0, 6, -1}) table.select(row);
    EXPECT_EQ(table.selectedRow(), 4);
}

TEST_F(SoilTable, SoilsAreNamedInAnyCaseOrByNumber) {
    struct Case {
        const char* name;
        std::optional<int> row;
    };
    for (const Case& c :
         {Case{"Sand", 1}, Case{"sandy loam", 2}, Case{"LOAM", 3}, Case{"Clay Loam", 4},
          Case{"clay", 5}, Case{"5", 5}, Case{"1", 1}, Case{"0", std::nullopt},
          Case{"6", std::nullopt}, Case{"Peat", std::nullopt}, Case{"Clay ", std::nullopt},
          Case{"", std::nullopt}})
        EXPECT_EQ(soilRowNamed(c.name), c.row) << c.name;
}

TEST_F(SoilTable, UsingASoilResizesTheTrench) {
    testing::enterWorkedInputs(design);
    testing::enter(design,
                   {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
    const std::string length = text(Field::txtlength);
    table.select(*soilRowNamed("Clay"));
    table.use();
    EXPECT_EQ(text(Field::txtsinf), "0.0000002");
    EXPECT_NE(text(Field::txtlength), length) << "a new rate solves the length";
    EXPECT_TRUE(design.record().flags.ProjectModified);
}

TEST_F(SoilTable, ClosingRunsTheMainWindowsPass) {
    testing::enterWorkedInputs(design);
    testing::enter(design,
                   {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    ASSERT_FALSE(design.record().notice(Notice::lblfiltwarning).visible);
    design.record().place(Field::txtoverflow, "5");  // starts nothing until a pass reads it
    table.closed();
    EXPECT_TRUE(design.record().notice(Notice::lblfiltwarning).visible);
    EXPECT_EQ(text(Field::txtsinf), "0.00001");
}

}  // namespace
}  // namespace varnholt
