// Guards the filter-trench report: its texts, the on/off rule that compares text and not
// number, and its silence until a sizing has run.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::enterWorkedInputs;
using testing::start;

class FilterReportTest : public ::testing::Test {
protected:
    void SetUp() override { start(design); }
    void sizeTheWorkedTrench() {
        enterWorkedInputs(design);
        enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    }
    const NoticeState& notice(Notice n) const { return design.record().notice(n); }

    Design design;
};

TEST_F(FilterReportTest, SilentUntilTheFirstSizing) {
    // Without an overflow there is no overflow pipe, also before the report first speaks.
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLTrenchOutflow).visible);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLRingOutflow).visible);
    design.write(Field::txtoverflow, "5");
    design.refreshView();
    EXPECT_FALSE(notice(Notice::lblfiltwarning).visible);
    EXPECT_FALSE(notice(Notice::lblfiltertrench).visible);
}

TEST_F(FilterReportTest, OverflowReportsTheAverageFlow) {
    sizeTheWorkedTrench();
    EXPECT_TRUE(notice(Notice::lblfiltertrench).visible);
    design.write(Field::txtoverflow, "5");
    design.refreshView();
    EXPECT_FALSE(notice(Notice::lblfiltertrench).visible);
    EXPECT_TRUE(notice(Notice::lblfiltwarning).visible);
    EXPECT_TRUE(notice(Notice::lblfiltflow).visible);
    EXPECT_TRUE(notice(Notice::lblfttrench).visible);
    EXPECT_EQ(notice(Notice::lblfiltwarning).text,
              "Soakaway has been designed as a filter trench with 5% of the impermeable area "
              "discharging to the overflow pipe.");
    EXPECT_EQ(notice(Notice::lblfiltflow).text,
              "The AVERAGE flow discharging through the overflow pipe is 0.0277 litres/second.");
    EXPECT_TRUE(design.scene().node(SceneNodeId::GLTrenchOutflow).visible);
}

TEST_F(FilterReportTest, NoOverflowHidesTheReportAndThePipes) {
    sizeTheWorkedTrench();
    design.write(Field::txtoverflow, "5");
    design.refreshView();
    design.write(Field::txtoverflow, "0");
    design.refreshView();
    EXPECT_TRUE(notice(Notice::lblfiltertrench).visible);
    EXPECT_FALSE(notice(Notice::lblfiltwarning).visible);
    EXPECT_FALSE(notice(Notice::lblfiltflow).visible);
    EXPECT_FALSE(notice(Notice::lblfttrench).visible);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLTrenchOutflow).visible);
    EXPECT_FALSE(design.scene().node(SceneNodeId::GLRingOutflow).visible);
}

TEST_F(FilterReportTest, ZeroWrittenAsDecimalCountsAsOnButSizesAsNone) {
    sizeTheWorkedTrench();
    const std::string width = design.record().text(Field::lblwid);
    design.write(Field::txtoverflow, "0.0");
    design.activate();
    EXPECT_TRUE(notice(Notice::lblfiltwarning).visible);
    EXPECT_EQ(notice(Notice::lblfiltflow).text,
              "The AVERAGE flow discharging through the overflow pipe is 0 litres/second.");
    EXPECT_DOUBLE_EQ(design.record().sizing.overflowFactor, 1.0);
    EXPECT_EQ(design.record().text(Field::lblwid), width);
}

TEST_F(FilterReportTest, SmallAreaOrShortStormInTheLastSizingKeepsItSilent) {
    sizeTheWorkedTrench();
    design.write(Field::txtarea, "0.5");  // effective area below 1 m2 in this sizing
    design.write(Field::txtoverflow, "5");
    design.refreshView();
    EXPECT_FALSE(notice(Notice::lblfiltwarning).visible);
    EXPECT_TRUE(notice(Notice::lblfiltertrench).visible);
}

}  // namespace
}  // namespace varnholt
