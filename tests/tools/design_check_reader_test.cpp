// Guards the one reader of the design check's typed inputs that the dialog and the driver
// share: each box and each option lands in its own place of the inputs (a factor of safety in
// its band and consequence, not transposed), an empty box is "not known" only where the check
// can do without it, and a refusal names the box or the option and keeps what was there.
#include <gtest/gtest.h>

#include "tools/design_check_reader.h"

namespace varnholt {
namespace {

TEST(DesignCheckReader, EachBoxLandsInItsOwnPlace) {
    DesignCheckInputs in;
    DesignCheckReader reader(in);
    struct Case {
        CheckInput input;
        std::size_t figure;
        const char* text;
        double DesignCheckInputs::*plain;
    };
    for (const Case& c :
         {Case{CheckInput::urbanCreep, 0, "10", nullptr},
          Case{CheckInput::topDepth, 0, "0.4", &DesignCheckInputs::topDepth},
          Case{CheckInput::leastGroundwater, 0, "1.5",
               &DesignCheckInputs::minimumGroundwaterClearance},
          Case{CheckInput::leastBuilding, 0, "6", &DesignCheckInputs::minimumBuildingDistance}}) {
        ASSERT_TRUE(reader.readBox(c.input, c.text, c.figure)) << reader.error();
        if (c.plain) {
            EXPECT_EQ(in.*c.plain, std::stod(c.text)) << c.text;
        }
    }
    EXPECT_EQ(in.site.urbanCreepPercent, 10);
    ASSERT_TRUE(reader.readBox(CheckInput::fosTable, "7", 1 * kConsequenceCount + 2));
    EXPECT_EQ(in.fosTable.minimum[1][2], 7);
    EXPECT_NE(in.fosTable.minimum[2][1], 7);
    ASSERT_TRUE(reader.readBox(CheckInput::fosAreas, "2000", 1));
    EXPECT_EQ(in.fosTable.largestArea, 2000);
}

TEST(DesignCheckReader, AnEmptyBoxIsUnknownOnlyWhereTheCheckCanDoWithoutIt) {
    DesignCheckInputs in;
    in.groundwaterDepth = 3;
    DesignCheckReader reader(in);
    EXPECT_TRUE(reader.readBox(CheckInput::groundwaterDepth, "  "));
    EXPECT_FALSE(in.groundwaterDepth);
    EXPECT_TRUE(reader.readBox(CheckInput::buildingDistance, "4"));
    EXPECT_EQ(in.buildingDistance, 4);
    EXPECT_FALSE(reader.readBox(CheckInput::topDepth, ""));
    EXPECT_EQ(reader.error(), "Depth to the top of the soakaway: '' is not a number.");
}

TEST(DesignCheckReader, ARefusalNamesTheBoxOrTheOptionAndKeepsWhatWasThere) {
    struct Case {
        const char* option;
        const char* value;
        const char* message;
    };
    for (const Case& c :
         {Case{"--groundwater", "deep", "--groundwater needs 1 number, not 'deep'"},
          Case{"--creep", "1,2", "--creep needs 1 number, not '1,2'"},
          Case{"--fos-areas", "100,",
               "--fos-areas needs 2 numbers separated by commas, not '100,'"},
          Case{"--fos", "1,2,3", "--fos needs 9 numbers separated by commas, not '1,2,3'"},
          Case{"--consequence", "grave",
               "--consequence is none, minor or buildings, not 'grave'"}}) {
        DesignCheckInputs in;
        DesignCheckReader reader(in);
        EXPECT_FALSE(reader.readOption(c.option, c.value));
        EXPECT_EQ(reader.error(), c.message);
        EXPECT_FALSE(in.groundwaterDepth);
        EXPECT_EQ(in.fosTable.smallAreaBelow, FosTable{}.smallAreaBelow);
        EXPECT_EQ(in.consequence, DesignCheckInputs{}.consequence);
    }
    DesignCheckInputs in;
    DesignCheckReader reader(in);
    EXPECT_FALSE(reader.readBox(CheckInput::ratio, "0.3x"));
    EXPECT_EQ(reader.error(), "Ratio r: '0.3x' is not a number.");
    EXPECT_EQ(in.site.ratio, StormSite{}.ratio);
}

TEST(DesignCheckReader, AnOptionFillsItsFiguresInOrder) {
    DesignCheckInputs in;
    DesignCheckReader reader(in);
    ASSERT_TRUE(reader.readOption("--fos", "1,2,3,4,5,6,7,8,9")) << reader.error();
    for (std::size_t b = 0; b < kFosBandCount; ++b)
        for (std::size_t c = 0; c < kConsequenceCount; ++c)
            EXPECT_EQ(in.fosTable.minimum[b][c], double(b * kConsequenceCount + c + 1));
    ASSERT_TRUE(reader.readOption("--consequence", "buildings"));
    EXPECT_EQ(in.consequence, Consequence::buildings);
    EXPECT_FALSE(DesignCheckReader::isOption("--pit"));
    EXPECT_TRUE(DesignCheckReader::isOption("--least-building"));
}

}  // namespace
}  // namespace varnholt
