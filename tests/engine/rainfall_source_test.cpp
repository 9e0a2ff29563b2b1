// The rainfall sources against figures worked by hand: the FEH99 model's worked example and its
// three segments, and the Maun FEH13 table read from its real export, at and between its
// listed values and outside them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "engine/rainfall_source.h"
#include "tools/feh_file_reader.h"

namespace varnholt {
namespace {

const Feh99Parameters kNorwich{-0.023, 0.273, 0.351, 0.236, 0.309, 2.488};

double reducedVariate(double years) {
    return -std::log(-std::log(1 - 1 / years));
}

std::string refusal(auto&& call) {
    try {
        call();
    } catch (const std::domain_error& e) {
        return e.what();
    }
    return "(not refused)";
}

TEST(Feh99Depth, TheWorkedExampleAndItsSegments) {
    EXPECT_NEAR(feh99Depth(kNorwich, 48, 100).millimetres, 106.147, 0.0005);
    EXPECT_TRUE(feh99Depth(kNorwich, 0.5, 100).extrapolated);
    EXPECT_FALSE(feh99Depth(kNorwich, 1, 100).extrapolated);

    // Each segment has its own slope in log-log, and they meet where they hand over.
    const double y = reducedVariate(100);
    struct Segment {
        double from, to, slope;
    };
    for (const Segment& s : {Segment{1, 12, kNorwich.c * y + kNorwich.d1},
                             Segment{12, 48, kNorwich.c * y + kNorwich.d2},
                             Segment{48, 192, kNorwich.c * y + kNorwich.d3}}) {
        const double a = feh99Depth(kNorwich, s.from, 100).millimetres;
        const double b = feh99Depth(kNorwich, s.to, 100).millimetres;
        EXPECT_NEAR(std::log(b / a) / std::log(s.to / s.from), s.slope, 1e-12) << s.from;
    }
    for (double joint : {12.0, 48.0}) {
        const double below = feh99Depth(kNorwich, joint * (1 - 1e-12), 100).millimetres;
        const double above = feh99Depth(kNorwich, joint * (1 + 1e-12), 100).millimetres;
        EXPECT_NEAR(above / below, 1, 1e-9) << joint;
    }
    EXPECT_NE(refusal([] { feh99Depth(kNorwich, 1, 1); }), "(not refused)");
    EXPECT_NE(refusal([] { feh99Depth(kNorwich, 0, 10); }), "(not refused)");
}

DepthTable maunFeh13() {
    std::ifstream in(VARNHOLT_SOURCE_DIR "/tests/data/feh/028115-maun-at-mansfield.xml");
    std::stringstream contents;
    contents << in.rdbuf();
    return readFehFile(contents.str(), "maun.xml").feh13.value();
}

TEST(TableDepth, TheMaunTableAtBetweenAndOutsideItsValues) {
    const DepthTable t = maunFeh13();
    struct Case {
        double hours, years, mm;
    };
    for (const Case& c : {
             Case{1, 100, 43.6},  // listed: exact
             Case{6, 10, 39.8},
             Case{0.083, 1.3, 3},  // the corners
             Case{240, 100000, 346.3},
             // 3 h between 2 h (52) and 4 h (61.8) at 100 years, straight in ln D:
             // exp(ln 52 + (ln 61.8 - ln 52) x ln(3/2) / ln 2)
             Case{3, 100, 57.52635},
             // 50 years between 31 and 56, straight in ln T: 44.00450 at 2 h, 52.38188 at 4 h;
             // then 3 h between those.
             Case{2, 50, 44.00450},
             Case{3, 50, 48.72697},
         }) {
        EXPECT_NEAR(tableDepth(t, c.hours, c.years), c.mm, 5e-6) << c.hours << " h " << c.years;
    }
    // The critical storm's 5 minutes is the table's 0.083 hours rounded, and lies inside it.
    EXPECT_GT(tableDepth(t, 5.0 / 60, 10), 8.6);

    EXPECT_EQ(refusal([&] { tableDepth(t, 300, 10); }),
              "the table holds durations 0.083 to 240 hours; 300 hours is outside it");
    EXPECT_EQ(refusal([&] { tableDepth(t, 1, 1.2); }),
              "the table holds return periods 1.3 to 100000 years; 1.2 years is outside it");
    EXPECT_NE(refusal([&] { tableDepth(t, 0.05, 10); }).find("0.05 hours is outside"),
              std::string::npos);
}

TEST(CheckDepthTable, RefusesTablesNoRainfallGives) {
    const DepthTable good{{2, 10}, {1, 6}, {{10, 20}, {20, 40}}};
    EXPECT_NO_THROW(checkDepthTable(good));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* says;
        DepthTable table;
    };
    DepthTable tooLong = good;
    tooLong.durations.clear();
    tooLong.depths.clear();
    for (std::size_t i = 0; i <= kMostDepthTableDurations; ++i) {
        tooLong.durations.push_back(1.0 + static_cast<double>(i));
        tooLong.depths.push_back({10, 20});
    }
    for (const Case& c : {
             Case{"at least two return periods and two durations; this one has 2 and 1",
                  {{2, 10}, {1}, {{10, 20}}}},
             Case{"at most 64 durations", tooLong},
             Case{"the return period 1 is not above 1 year", {{1, 10}, {1, 6}, good.depths}},
             Case{"the duration 0 is not above 0 hours", {{2, 10}, {0, 6}, good.depths}},
             Case{"the return periods must rise", {{10, 2}, {1, 6}, good.depths}},
             Case{"the durations must rise", {{2, 10}, {6, 6}, good.depths}},
             Case{"1 rows of depths for 2 durations", {{2, 10}, {1, 6}, {{10, 20}}}},
             Case{"1 depths for 6 hours, for 2 return periods",
                  {{2, 10}, {1, 6}, {{10, 20}, {20}}}},
             Case{"the depth 0 mm for 1 hour at 2 years is not above 0",
                  {{2, 10}, {1, 6}, {{0, 20}, {20, 40}}}},
             Case{"the depth NAN mm for 1 hour at 10 years is not above 0",
                  {{2, 10}, {1, 6}, {{10, nan}, {20, 40}}}},
             Case{"depths must not fall as the return period rises",
                  {{2, 10}, {1, 6}, {{10, 9}, {20, 40}}}},
             Case{"depths must not fall as the duration lengthens",
                  {{2, 10}, {1, 6}, {{10, 20}, {9, 40}}}},
         }) {
        const std::string why = refusal([&] { checkDepthTable(c.table); });
        EXPECT_NE(why.find(c.says), std::string::npos) << c.says << "\n  got: " << why;
    }
}

}  // namespace
}  // namespace varnholt
