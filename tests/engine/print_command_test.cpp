// What the Print command does to the design before the data sheet is filled.
#include "engine/print_command.h"

#include <gtest/gtest.h>

#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { testing::start(design); }
    const std::string& text(Field f) const { return design.record().text(f); }
    Design design;
};

TEST_F(PrintCommand, BringsBothDesignsUpToDateAndLeavesThePageInFront) {
    for (DetailPage page : {DetailPage::tstrench, DetailPage::tsring}) {
        Design fresh;
        testing::start(fresh);
        fresh.switchPage(page);
        testing::enterWorkedInputs(fresh);
        enter(fresh, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}, {Field::txtlength, "10"}});
        // Only the design of the page in front has been worked out so far.
        const DesignRecord& r = fresh.record();
        EXPECT_EQ(r.ring.cells[1][1].empty(), page == DetailPage::tstrench);
        EXPECT_EQ(r.text(Field::lbltime).empty(), page == DetailPage::tsring);
        ASSERT_TRUE(prepareDataSheet(fresh));
        EXPECT_EQ(r.detailPage, page);
        EXPECT_EQ(r.ring.cells[1][1], "        2.91");  // the ring table, whichever page
        EXPECT_NE(r.text(Field::lbltime), "");          // and the trench
    }
}

TEST_F(PrintCommand, MakesNoSheetWhileAMainInputIsEmpty) {
    for (Field empty : {Field::txtarea, Field::txtsinf, Field::txtrain, Field::txtsdur}) {
        testing::enterWorkedInputs(design);
        design.write(empty, "");
        EXPECT_FALSE(prepareDataSheet(design)) << nameOf(empty);
        EXPECT_EQ(design.record().detailPage, DetailPage::tstrench);
    }
}

}  // namespace
}  // namespace varnholt
