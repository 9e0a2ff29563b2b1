// The values the data sheet shows, as its labels get them just before it is rendered.
#include "output/sheet/sheet_content.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "started_design.h"

namespace varnholt {
namespace {

// A trench of length 10, width 0.6 and depth 1.5, put in place without any sizing.
DesignRecord trench(bool base) {
    DesignRecord record;
    record.place(Field::txtlength, "10");
    record.place(Field::lblwid, "0.6");
    record.place(Field::txtdepth, "1.5");
    record.place(Field::lbltime, "3.12");
    record.setChecked(Check::chkbase, base);
    return record;
}

SheetContent fill(const DesignRecord& record) {
    return fillSheet(record, "10/12/2026");
}

TEST(SheetContent, SurfaceAreaCountsTheBaseOnlyWhenItIsIncluded) {
    EXPECT_EQ(fill(trench(false)).qrsurface, "15.9 metres squared");
    EXPECT_EQ(fill(trench(true)).qrsurface, "21.9 metres squared");
    const SheetContent s = fill(trench(true));
    EXPECT_EQ(s.QRtxtlength, "10 metres");
    EXPECT_EQ(s.QRlblwid, "0.6 metres");
    EXPECT_EQ(s.QRtxtdepth, "1.5 metres");
    EXPECT_EQ(s.QRlbltime, "3.12 hours (decimal)");
}

TEST(SheetContent, CratesAreDescribedWithTheirTankAndGravelIsNot) {
    EXPECT_EQ(fill(trench(false)).qrtrenchfill, "");
    EXPECT_EQ(fill(trench(false)).qrcrates, "");
    DesignRecord crates = trench(false);
    crates.place(Field::txtfill, "crates");
    const SheetContent s = fill(crates);
    EXPECT_EQ(s.qrtrenchfill, "Geocellular crates of 1.0 x 0.5 x 0.4 m units, void ratio 0.95");
    EXPECT_EQ(s.qrcrates, "10 x 2 x 4 = 80 units, 10.00 x 1.00 x 1.60 m");
    EXPECT_EQ(s.QRtxtlength, "10 metres");  // the fields as they stand
}

TEST(SheetContent, WarnsAboveTwentyFourHoursWhateverTheLimitOption) {
    struct Case {
        double hours;
        const char* limit;
        bool warned;
    };
    for (const Case& c : {Case{24.0, "48", false}, Case{24.01, "48", true}, Case{24.01, "24", true},
                          Case{23.99, "12", false}, Case{std::nan(""), "24", false}}) {
        DesignRecord record = trench(false);
        record.place(Field::txthalfempty, c.limit);
        record.trench.halfEmptyTime = c.hours;
        EXPECT_EQ(fill(record).QRwarning,
                  c.warned ? "WARNING! HALF EMPTY TIME EXCEEDS 24hour LIMIT!" : "")
            << c.hours << " h, limit " << c.limit;
    }
}

TEST(SheetContent, TrenchValuesNeedAllThreeDimensionsAndTheRestIsFilledRegardless) {
    for (Field missing : {Field::txtlength, Field::lblwid, Field::txtdepth}) {
        DesignRecord record = trench(true);
        record.place(Field::txtarea, "100");
        record.place(missing, "");
        const SheetContent s = fill(record);
        for (const std::string& empty :
             {s.QRtxtlength, s.QRlblwid, s.QRtxtdepth, s.QRlbltime, s.qrsurface})
            EXPECT_EQ(empty, "") << nameOf(missing);
        EXPECT_EQ(s.QRtxtarea, "100 m2");
        EXPECT_EQ(s.QRdate, "10/12/2026");
    }
}

TEST(SheetContent, ASoakawayThatCannotBeBuiltPrintsItsNoticeAndNoStaleValue) {
    DesignRecord record = trench(false);
    record.trench.halfEmptyTime = 30;
    record.style(Field::txtlength) = kWarningStyle;  // the length solve gave no length
    record.notice(Notice::lbltrenchnotice) = {true, "No storage is needed: ..."};
    record.place(Field::rvdepth, "2.18");
    record.notice(Notice::lblringnotice) = {true, "No storage is needed: ring"};
    const SheetContent s = fill(record);
    EXPECT_EQ(s.qrtrenchnotice, "No storage is needed: ...");
    for (const std::string& cleared : {s.QRtxtlength, s.QRlbltime, s.qrsurface, s.QRwarning})
        EXPECT_EQ(cleared, "");
    EXPECT_EQ(s.QRlblwid, "0.6 metres");
    EXPECT_EQ(s.qrringnotice, "No storage is needed: ring");
    EXPECT_EQ(s.qrvardepth, "");
}

TEST(SheetContent, ADimensionThatIsNotANumberStopsTheFilling) {
    DesignRecord record = trench(false);
    record.place(Field::txtdepth, "1.5.");
    try {
        fill(record);
        FAIL() << "filled a sheet from a depth that is not a number";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1.5.' is not a valid floating point value");
    }
}

TEST(SheetContent, RingCellsAreCopiedAsTheyStand) {
    DesignRecord record;
    record.ring.cells[1][1] = "        2.18";
    record.ring.cells[1][2] = "        6.25";
    record.ring.cells[2][1] = "        Fail";
    record.ring.cells[2][2] = "        Fail";
    const SheetContent s = fill(record);
    EXPECT_EQ(s.ringDepths[0], "        2.18");
    EXPECT_EQ(s.ringHalfTimes[0], "        6.25");
    EXPECT_EQ(s.ringDepths[1], "        Fail");
    EXPECT_EQ(s.ringHalfTimes[1], "        Fail");
    EXPECT_EQ(s.ringDepths[8], "");  // never computed
}

TEST(SheetContent, AnUnsavedProjectHasABlankFileName) {
    for (const auto& [file, shown] : {std::pair{" ", " "},
                                      {"", " "},
                                      {"*.vhl", " "},
                                      {"/home/a/site.vhl", "/home/a/site.vhl"}}) {
        DesignRecord record;
        record.CurrentFileName = file;
        EXPECT_EQ(fill(record).QRcurrentfile, shown);
    }
}

TEST(SheetContent, NotesFollowTheOptionsTicked) {
    DesignRecord record;
    SheetContent s = fill(record);
    EXPECT_EQ(s.qrtrenchbase, "* Base has NOT been included in design of trench soakaway *");
    EXPECT_EQ(s.qrringbase, "* Base has NOT been included in design of ring soakaway *");
    EXPECT_EQ(s.qrringsurround,
              "* Granular surround has NOT been included in ring soakaway design *");
    EXPECT_EQ(s.qrfiltertrench, "");

    record.setChecked(Check::chkbase, true);
    record.setChecked(Check::chkringbase, true);
    record.setChecked(Check::chkringsur, true);
    // The margin in force, not the text of the options field, in the shortest general form.
    record.place(Field::txtringmargin, "0.5");
    record.appliedRingMargin = 0.00005;
    s = fill(record);
    EXPECT_EQ(s.qrtrenchbase, "* Base has been included in design of trench soakaway *");
    EXPECT_EQ(s.qrringbase, "* Base has been included in design of ring soakaway *");
    EXPECT_EQ(s.qrringsurround,
              "* Granular surround has been included in ring soakaway design with a margin of "
              "5E-5 metres. *");
}

TEST(SheetContent, AFilterTrenchIsDescribedWithItsOverflow) {
    Design design;
    testing::start(design);
    design.switchPage(DetailPage::tsring);
    testing::enterWorkedInputs(design);
    design.write(Field::txtoverflow, "20");
    design.refreshView();  // the report speaks of the sizing before it
    const SheetContent s = fill(design.record());
    EXPECT_EQ(s.qrfiltertrench,
              "Soakaway has been designed as a filter trench with 20% of the impermeable area "
              "discharging to the overflow pipe. The AVERAGE flow discharging through the "
              "overflow pipe is 0.1111 litres/second.");
    EXPECT_EQ(s.QRtxtsinf, "0.00001 m/sec");
    EXPECT_EQ(s.QRtxtrain, "0.02 metres");
    EXPECT_EQ(s.QRtxtsdur, "60 minutes");
    EXPECT_EQ(s.qrtxtringfail, "4 metres");
    EXPECT_EQ(s.qrtxthalffail, "24 hours");
}

}  // namespace
}  // namespace varnholt
