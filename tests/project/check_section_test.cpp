// Guards the design check's lines after the 21: its texts and depth tables come back byte for
// byte, a project that never used them is the 21 lines alone, what another program wrote is
// skipped, and a broken line refuses the whole file before anything changes.
#include "project/check_section.h"

#include <gtest/gtest.h>

#include "project/project_file.h"
#include "project_lines.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::start;

using Messages = testing::RecordedMessages;
using testing::projectLines;

// Figures that fifteen digits would not bring back: a twelfth of an hour, 0.1 + 0.2.
DepthTable awkwardTable(double scale) {
    DepthTable t;
    t.returnPeriods = {2, 5, 30, 100.5};
    t.durations = {1.0 / 12, 0.25, 1, 48};
    for (std::size_t i = 0; i < t.durations.size(); ++i) {
        auto& row = t.depths.emplace_back();
        for (std::size_t j = 0; j < t.returnPeriods.size(); ++j)
            row.push_back(scale * (static_cast<double>(i * 10 + j) + 1.0 / 3));
    }
    t.depths[0][0] = 0.1 + 0.2;
    return t;
}

class CheckLines : public ::testing::Test {
protected:
    void SetUp() override {
        start(design);
        start(reopened);
    }
    // The 21 lines of the design as a reader of those alone sees them.
    std::string twentyOneLines() const {
        DesignRecord bare = design.record();
        bare.checkTexts.reset();
        bare.fehTables = {};
        return writeProjectFile(bare);
    }

    Design design, reopened;
    Messages messages;
};

TEST_F(CheckLines, TextsAndTablesComeBackByteForByte) {
    design.write(Field::projtit, "Maun");
    design.editCheckText("source", "feh13");
    design.editCheckText("m560", "22.5");
    design.editCheckText("feh99", "-0.023,0.273,0.351,0.236,0.309,2.488");
    design.editCheckText("testdepth1", " 1.2 = deep ");  // blanks and "=" kept as typed
    design.editCheckText("feh99origin", "Moulin \xc3\xa9t\xc3\xa9.xml, catchment");
    design.importFehTables({awkwardTable(1), awkwardTable(1.5), "028115-maun-at-mansfield.xml"});

    const std::string file = writeProjectFile(design.record());
    const std::string head = twentyOneLines();
    ASSERT_TRUE(file.starts_with(head));
    EXPECT_TRUE(file.substr(head.size())
                    .starts_with(projectLines(
                        {"[Design check]", "source=feh13", "m560=22.5",
                         "feh99=-0.023,0.273,0.351,0.236,0.309,2.488", "testdepth1= 1.2 = deep ",
                         "feh99origin=Moulin \xc3\xa9t\xc3\xa9.xml, catchment",
                         "fehorigin=028115-maun-at-mansfield.xml", "feh13=2,5,30,100.5",
                         "feh13 0.08333333333333333=0.30000000000000004,1.3333333333333333,"
                         "2.3333333333333335,3.3333333333333335"})))
        << file.substr(head.size());

    ASSERT_TRUE(readProjectFile(reopened, file, "maun.vhl", messages));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(reopened.record().checkTexts, design.record().checkTexts);
    EXPECT_EQ(reopened.record().fehTables, design.record().fehTables);
    EXPECT_EQ(writeProjectFile(reopened.record()), file);
}

// A text set without a window may hold a line break or a NUL; a table that no rainfall could
// give is of no use to the check. Neither may make a file that does not open again.
TEST_F(CheckLines, WhatCouldBreakTheFileIsWrittenSoItOpens) {
    design.editCheckText("m560", "2\r\n2");
    design.editCheckText("building", std::string("6\0", 2));
    DepthTable falling = awkwardTable(1);
    falling.depths[3][0] = 0.2;
    design.importFehTables({falling, awkwardTable(2), std::string("a\nb")});

    const std::string file = writeProjectFile(design.record());
    ASSERT_TRUE(readProjectFile(reopened, file, "site.vhl", messages)) << messages.texts.front();
    const DesignRecord& r = reopened.record();
    EXPECT_EQ(r.checkTexts.text("m560"), "2  2");
    EXPECT_EQ(r.checkTexts.text("building"), "6 ");
    EXPECT_EQ(r.fehTables.origin, "a b");
    EXPECT_EQ(r.fehTables.feh13, std::nullopt);
    EXPECT_EQ(r.fehTables.feh22, awkwardTable(2));
    EXPECT_EQ(writeProjectFile(r), file);
}

// A project whose check keeps its defaults saves the 21 lines alone; a file of 21 lines or
// fewer opens with the check's defaults, whatever the project before it held.
TEST_F(CheckLines, TheDefaultsAreTheTwentyOneLinesAlone) {
    design.editCheckText("m560", "22");
    design.editCheckText("m560", "20");
    EXPECT_EQ(writeProjectFile(design.record()), twentyOneLines());

    const std::string full = twentyOneLines();
    const std::string cut = full.substr(0, full.find("\r\n1.00\r\n"));
    for (const std::string& file : {full, cut}) {
        reopened.editCheckText("source", "feh22");
        reopened.importFehTables({awkwardTable(1), std::nullopt, "maun.xml"});
        ASSERT_TRUE(readProjectFile(reopened, file, "old.vhl", messages));
        EXPECT_TRUE(reopened.record().checkTexts.isDefault());
        EXPECT_EQ(reopened.record().fehTables, FehDepthTables{});
    }
}

// The storm the Routing page routes is kept with the rest, after the check's other texts; a
// file from before it opens with the routing off.
TEST_F(CheckLines, TheRoutingChoicesComeBackAndAnOldFileLeavesThemOff) {
    reopened.editCheckText("routedcheck", "1");
    ASSERT_TRUE(readProjectFile(reopened, twentyOneLines(), "old.vhl", messages));
    EXPECT_EQ(reopened.record().checkTexts.text("routedcheck"), "0");
    EXPECT_EQ(reopened.record().checkTexts.text("routeevent"), "design");

    design.editCheckText("creep", "10");
    design.editCheckText("routeevent", "site");
    design.editCheckText("routeduration", "30");
    design.editCheckText("routearea", "halfdepth");
    design.editCheckText("routestep", "10");
    design.editCheckText("routedcheck", "1");
    const std::string file = writeProjectFile(design.record());
    EXPECT_EQ(file.substr(twentyOneLines().size()),
              projectLines({"[Design check]", "creep=10", "routeevent=site", "routeduration=30",
                            "routearea=halfdepth", "routestep=10", "routedcheck=1"}));
    ASSERT_TRUE(readProjectFile(reopened, file, "routed.vhl", messages));
    EXPECT_EQ(reopened.record().checkTexts, design.record().checkTexts);
}

// Lines after the 21 that another writer left, a key that a newer version wrote and the lines
// under a heading that is not the check's are skipped.
TEST_F(CheckLines, WhatThisVersionDoesNotKnowIsSkipped) {
    const std::string file =
        twentyOneLines() +
        projectLines({"notes from another program", "", "[Design check]", "m560=25",
                      "futureinput=7", "", "[Later section]", "no equals here", "m560=99",
                      "[Design check]", "ratio=0.35"});
    ASSERT_TRUE(readProjectFile(reopened, file, "site.vhl", messages));
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    CheckTexts expected;
    expected.set("m560", "25");
    expected.set("ratio", "0.35");
    EXPECT_EQ(reopened.record().checkTexts, expected);
}

TEST_F(CheckLines, ABrokenLineRefusesTheWholeFileBeforeAnythingChanges) {
    design.write(Field::projtit, "Open design");
    design.editCheckText("m560", "18");
    design.importFehTables({awkwardTable(1), std::nullopt, "kept.xml"});
    design.record().CurrentFileName = "/p/open.vhl";
    const std::string before = writeProjectFile(design.record());

    struct Case {
        std::vector<std::string> after;  // from line 22
        std::string says;
    };
    for (const Case& c : {
             Case{{"[Design check]", "m560=22", "no equals sign"},
                  "line 24: 'no equals sign' is not of the form key=text"},
             Case{{"[Design check]", "feh13=2,5", "feh13 1=10,abc", "feh13 2=12,20"},
                  "line 24 (FEH13 depth table): 'abc' is not a number"},
             Case{{"[Design check]", "feh22=2,5", "feh22 one=10,12", "feh22 2=12,20"},
                  "line 24 (FEH22 depth table): 'one' is not a number of hours"},
             Case{{"[Design check]", "feh13=2,5", "feh13 1=10,12", "feh13=2,5"},
                  "line 25 (FEH13 depth table): its return periods are given twice"},
             Case{{"[Design check]", "source=feh13", "feh13=2,5", "feh13 1=10,12", "feh13 2=9,20"},
                  "line 24 (FEH13 depth table): the depth 9 mm for 2 hours at 2 years is less "
                  "than 10 mm for 1 hour: depths must not fall as the duration lengthens"},
             Case{{"[Design check]", "feh13 1=10,12"},
                  "line 23 (FEH13 depth table): a depth table needs at least two return periods "
                  "and two durations; this one has 0 and 1"},
             Case{{"[Design check]", "building=" + std::string(kFieldTextLimit + 1, '6')},
                  "line 23 (building): the text is longer than the 32767 characters a field "
                  "holds"},
         }) {
        SCOPED_TRACE(c.says);
        std::string file = twentyOneLines();
        for (const std::string& line : c.after) file += line + "\r\n";
        messages.texts.clear();
        EXPECT_FALSE(readProjectFile(design, file, "garage.vhl", messages));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"garage.vhl, " + c.says});
        EXPECT_EQ(writeProjectFile(design.record()), before);
        EXPECT_EQ(design.record().CurrentFileName, "/p/open.vhl");
    }
}

}  // namespace
}  // namespace varnholt
