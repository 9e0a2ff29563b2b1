// Guards the project file: its 21 CR LF lines byte for byte, the per-line rules of reading
// (defaults for missing lines, check boxes that ignore what they do not understand), and that
// a file of another kind changes nothing.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include "engine/errors.h"
#include "project/field_texts.h"
#include "project_lines.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::start;

using Messages = testing::RecordedMessages;
using testing::projectLines;

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override { start(design); }
    const std::string& text(Field f) const { return design.record().text(f); }

    Design design;
    Messages messages;
};

TEST_F(ProjectFile, FreshDesignIsWrittenAsTwentyOneLines) {
    EXPECT_EQ(writeProjectFile(design.record()), projectLines({"Varnholt-Corvane Systems-Version2",
                                                               "",
                                                               "",
                                                               "",
                                                               "",
                                                               "",
                                                               "",
                                                               "60",
                                                               "",
                                                               "",
                                                               "1.00",
                                                               "0.3",
                                                               "0",
                                                               "1",
                                                               "0",
                                                               "4",
                                                               "0",
                                                               "",
                                                               "0",
                                                               "24",
                                                               "0"}));
}

TEST_F(ProjectFile, ReadingBackRestoresTheTexts) {
    const std::string file = projectLines({"Varnholt-Corvane Systems-Version2",
                                           "  Two  blanks ",
                                           "P-7",
                                           "",
                                           "120",
                                           "1.5E-5",
                                           "0.025",
                                           "30",
                                           "",
                                           "",
                                           "0.9",
                                           "0.35",
                                           "1",
                                           "2.5",
                                           "1",
                                           "3.5",
                                           "10",
                                           "",
                                           "1",
                                           "30",
                                           "0.25"});
    ASSERT_TRUE(readProjectFile(design, file, "site.vhl", messages));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(writeProjectFile(design.record()), file);
    EXPECT_TRUE(design.record().checked(Check::chkringbase));
    EXPECT_TRUE(design.record().appliedRingSurround);
    EXPECT_DOUBLE_EQ(design.record().appliedRingMargin, 0.25);
    EXPECT_EQ(design.record().status.voidRatio, "Void Ratio = 0.35");
    EXPECT_EQ(design.record().status.factorOfSafety, "Factor of Safety = 2.5");
    EXPECT_EQ(design.record().fosGuidance.colour, colours::purple);
}

// A text set without a window (the driver's --set) may hold a line feed: saved as it is, it
// would shift every later field by a line when the file is opened again.
TEST_F(ProjectFile, ALineBreakInATextKeepsEveryFieldOnItsLine) {
    design.write(Field::projtit, "Mill\r\nLane");
    design.write(Field::projnum, std::string("P\n7\0", 4));
    design.write(Field::desname, "A. Designer");
    const std::string file = writeProjectFile(design.record());
    Design reopened;
    start(reopened);
    ASSERT_TRUE(readProjectFile(reopened, file, "site.vhl", messages));
    EXPECT_EQ(reopened.record().text(Field::projtit), "Mill\r Lane");
    EXPECT_EQ(reopened.record().text(Field::projnum), "P 7 ");
    EXPECT_EQ(reopened.record().text(Field::desname), "A. Designer");
    EXPECT_EQ(writeProjectFile(reopened.record()), file);
}

TEST_F(ProjectFile, ReadingSizesTheTrenchLineByLine) {
    const std::string file = projectLines({"Varnholt-Corvane Systems-Version2",
                                           "",
                                           "",
                                           "",
                                           "100",
                                           "0.00001",
                                           "0.02",
                                           "60",
                                           "10",
                                           "1.5",
                                           "1.00",
                                           "0.3",
                                           "0",
                                           "1",
                                           "0",
                                           "4",
                                           "0",
                                           "0.5",
                                           "0",
                                           "24",
                                           "0"});
    ASSERT_TRUE(readProjectFile(design, file, "site.vhl", messages));
    EXPECT_EQ(text(Field::txtlength), "10.01");
    EXPECT_EQ(text(Field::lblwid), "0.32");
    EXPECT_EQ(text(Field::lbltime), "1.29");
    EXPECT_TRUE(design.record().flags.ProjectModified);
}

TEST_F(ProjectFile, AFileOfAnotherKindChangesNothing) {
    const std::string before = writeProjectFile(design.record());
    for (const std::string& file :
         {std::string(), projectLines({"Varnholt-Corvane Systems-Version3", "T"}),
          projectLines({"Varnholt-Corvane Systems-Version2 ", "T"}),
          projectLines({"varnholt-corvane systems-version2", "T"}),
          std::string("\x89PNG\r\n\x1a\n\0\0", 10),
          projectLines({"Varnholt-Corvane Systems-Version2"}, "\r")}) {
        messages.texts.clear();
        EXPECT_FALSE(readProjectFile(design, file, "site.vhl", messages));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Not a valid Soakaway File."});
    }
    EXPECT_EQ(writeProjectFile(design.record()), before);
    EXPECT_FALSE(design.record().flags.ProjectModified);
}

// Older files may be short: read as far as they go, with the options' defaults rather than
// empty texts (on which every recalculation would stop), and the designer told once.
TEST_F(ProjectFile, ShortFileFallsBackToDefaultsAndSaysWhichLinesWereMissing) {
    design.write(Field::txthalfempty, "30");
    design.write(Field::txtringmargin, "0.2");
    design.setCheck(Check::chkringbase, true);
    const std::string file =
        projectLines({"Varnholt-Corvane Systems-Version2", "T", "N", "D", "100", "0.00001", "0.02",
                      "60", "10", "1.5", "1.00", "0.3", "1"});
    ASSERT_TRUE(readProjectFile(design, file, "site.vhl", messages));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"site.vhl ends after line 13; lines 14 to 21 were missing "
                                       "and their fields take their default values."});
    EXPECT_EQ(text(Field::txtFOS), "1");
    EXPECT_EQ(design.record().status.factorOfSafety, "Factor of Safety = 1");
    EXPECT_FALSE(design.record().checked(Check::chkringsur));
    EXPECT_EQ(text(Field::txtringfail), "4");
    EXPECT_EQ(text(Field::txtoverflow), "0");
    EXPECT_EQ(text(Field::lblwid), "");
    EXPECT_FALSE(design.record().checked(Check::chkringbase));
    EXPECT_EQ(text(Field::txthalfempty), "30");
    EXPECT_EQ(text(Field::txtringmargin), "0.2");
    EXPECT_TRUE(design.record().checked(Check::chkbase));

    messages.texts.clear();
    ASSERT_TRUE(readProjectFile(design, projectLines({"Varnholt-Corvane Systems-Version2", "T"}),
                                "old.vhl", messages));
    EXPECT_EQ(text(Field::txtVRC), "1.0");
    EXPECT_EQ(text(Field::txtVR), "0.3");
    EXPECT_EQ(design.record().status.voidRatio, "Void Ratio = 0.3");
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"old.vhl ends after line 2; lines 3 to 21 were missing "
                                       "and their fields take their default values."});

    messages.texts.clear();
    std::string all = writeProjectFile(design.record());
    all.resize(all.size() - 2);  // the last line without its line end is still there
    ASSERT_TRUE(readProjectFile(design, all, "whole.vhl", messages));
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    all.resize(all.rfind("\r\n") + 2);
    ASSERT_TRUE(readProjectFile(design, all, "cut.vhl", messages));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"cut.vhl ends after line 20; line 21 was missing and "
                                       "its field takes its default value."});
}

TEST_F(ProjectFile, PerLineRulesForChecksAndFactorOfSafety) {
    design.setCheck(Check::chkbase, true);
    const std::string file = projectLines({"Varnholt-Corvane Systems-Version2",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "60",
                                           "",
                                           "",
                                           "1.0",
                                           "0.3",
                                           "yes",
                                           "0",
                                           "0",
                                           "0",
                                           "",
                                           "",
                                           "0",
                                           "",
                                           ""},
                                          "\n");  // a line feed alone ends a line too
    ASSERT_TRUE(readProjectFile(design, file, "site.vhl", messages));
    EXPECT_TRUE(design.record().checked(Check::chkbase));  // "yes" leaves the box alone
    EXPECT_EQ(text(Field::txtFOS), "1");
    EXPECT_EQ(design.record().status.factorOfSafety, "Factor of Safety = 0");
    EXPECT_EQ(text(Field::txtringfail), "4");
    EXPECT_EQ(text(Field::txtoverflow), "0");
    EXPECT_EQ(text(Field::txtVRC), "1.0");
}

// A number line the reader cannot take is found before anything is read: the message names
// the file, the line and the field, and the design stays exactly as it was.
TEST_F(ProjectFile, ALineThatIsNotANumberIsRefusedBeforeAnythingChanges) {
    design.write(Field::projtit, "Open design");
    design.record().CurrentFileName = "/p/open.vhl";
    const std::string before = writeProjectFile(design.record());
    const auto status = design.record().status;
    struct Case {
        int line;
        std::string text, says;
    };
    for (const Case& c : {
             Case{5, "abc", "line 5 (Impermeable Area): 'abc' is not a number"},
             Case{6, "1e-400", "line 6 (Soil Infiltration Rate): '1e-400' is not a number"},
             Case{7, "1e400", "line 7 (Rainfall Depth): '1e400' is not a number"},
             Case{8, "1,5", "line 8 (Storm Duration): '1,5' is not a number"},
             Case{9, "0x1", "line 9 (Length): '0x1' is not a number"},
             Case{10, "1e", "line 10 (Depth): '1e' is not a number"},
             Case{12, "\xc3\xa9", "line 12 (Void Ratio): '\xc3\xa9' is not a number"},
             Case{14, ".", "line 14 (Factor of Safety): '.' is not a number"},
             Case{17, "-", "line 17 (Overflow Percentage): '-' is not a number"},
             Case{18, "12a", "line 18 (Width): '12a' is not a number"},
             Case{21, "0,2", "line 21 (Granular Fill Width): '0,2' is not a number"},
             Case{2, std::string(kFieldTextLimit + 1, 'T'),
                  "line 2 (Project Title): the text is longer than the 32767 characters a field "
                  "holds"},
         }) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> texts = {"Varnholt-Corvane Systems-Version2",
                                          "Kept",
                                          "",
                                          "",
                                          "100",
                                          "",
                                          "",
                                          "60",
                                          "",
                                          "",
                                          "1.00",
                                          "0.4",
                                          "1",
                                          "2",
                                          "1",
                                          "3",
                                          "0",
                                          "",
                                          "0",
                                          "24",
                                          "0.2"};
        texts[static_cast<std::size_t>(c.line - 1)] = c.text;
        std::string file;
        for (const std::string& t : texts) file += t + "\r\n";
        messages.texts.clear();
        EXPECT_FALSE(readProjectFile(design, file, "garage.vhl", messages));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"garage.vhl, " + c.says});
        EXPECT_EQ(writeProjectFile(design.record()), before);
        EXPECT_EQ(design.record().status, status);
        EXPECT_EQ(design.record().CurrentFileName, "/p/open.vhl");
    }
}

// What the program writes itself stays readable: the exponent form of the tools, the texts of
// values that are not finite, blanks around a number.
TEST_F(ProjectFile, NumbersInEveryFormTheProgramWritesAreRead) {
    for (const std::string number : {"3.33E-5", "INF", "-INF", "NAN", " 12 ", "1e-320", ".5"}) {
        SCOPED_TRACE(number);
        Design other;
        start(other);
        other.write(Field::txtarea, number);
        EXPECT_EQ(unsaveableField(other.record()), std::nullopt);
        messages.texts.clear();
        EXPECT_TRUE(readProjectFile(design, writeProjectFile(other.record()), "a.vhl", messages));
        EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
        EXPECT_EQ(text(Field::txtarea), number);
    }
}

// Save refuses what the reader would refuse, naming the field as the window labels it, and
// also an empty option, which stops every recalculation.
TEST_F(ProjectFile, TheProjectCannotBeSavedWithATextItsFileWouldNotOpenWith) {
    EXPECT_EQ(unsaveableField(design.record()), std::nullopt);
    struct Case {
        Field field;
        std::string text;
        std::optional<std::string> says;
    };
    for (const Case& c : {
             Case{Field::txtarea, "1,5", "Impermeable Area: '1,5' is not a number"},
             Case{Field::txtsinf, "1e400", "Soil Infiltration Rate: '1e400' is not a number"},
             Case{Field::lblwid, "abc", "Width: 'abc' is not a number"},
             Case{Field::txtFOS, "0x1", "Factor of Safety: '0x1' is not a number"},
             Case{Field::txtringmargin, "\xe9", "Granular Fill Width: '\xc3\xa9' is not a number"},
             Case{Field::txtVR, "", "Void Ratio: no value is given"},
             Case{Field::txtVRC, "", "Volumetric Runoff Coefficient: no value is given"},
             Case{Field::txthalfempty, "", "Half Empty Time Limit: no value is given"},
             Case{Field::projtit, std::string(kFieldTextLimit + 1, 'x'),
                  "Project Title: the text is longer than the 32767 characters a field holds"},
             Case{Field::txtarea, "", std::nullopt}, Case{Field::txtrain, "1e-320", std::nullopt},
             Case{Field::desname, "\xe2\x82\xac", std::nullopt},
             Case{Field::rvdia, "abc", std::nullopt},  // not saved: worked out again on opening
         }) {
        SCOPED_TRACE(std::string(nameOf(c.field)) + "=" + c.text.substr(0, 20));
        Design other;
        start(other);
        other.record().place(c.field, c.text);
        EXPECT_EQ(unsaveableField(other.record()), c.says);
    }
}

// The largest project the program saves, every field and every input of the design check as
// long as a field can hold and both depth tables at their largest, opens again whole; one
// character more is refused by Save and by the reader alike.
TEST_F(ProjectFile, AProjectAtTheLongestFieldsSavesAndOpensAgain) {
    const std::string euros = [] {
        std::string s;
        for (std::size_t i = 0; i < kFieldTextLimit; ++i) s += "\xe2\x82\xac";  // 3 bytes each
        return s;
    }();
    const std::string one = std::string(kFieldTextLimit - 1, '0') + "1";
    Design big;
    start(big);
    for (const FieldLine& l : kFieldLines)
        big.record().place(l.field, isNumericField(l.field) ? one : euros);
    for (const CheckTextDefault& d : kCheckTextDefaults) big.editCheckText(d.key, euros);
    DepthTable table;  // every figure at full precision, with an exponent
    for (std::size_t i = 0; i < kMostDepthTableReturnPeriods; ++i)
        table.returnPeriods.push_back(2 + static_cast<double>(i) / 3);
    for (std::size_t i = 0; i < kMostDepthTableDurations; ++i) {
        table.durations.push_back(static_cast<double>(i + 1) * 1.2345678901234567e-5);
        auto& row = table.depths.emplace_back();
        for (std::size_t j = 0; j < kMostDepthTableReturnPeriods; ++j)
            row.push_back(static_cast<double>(i * 64 + j + 1) * 1.2345678901234567e-5);
    }
    big.importFehTables({table, table, euros});
    ASSERT_EQ(unsaveableField(big.record()), std::nullopt);
    const std::string file = writeProjectFile(big.record());
    ASSERT_TRUE(readProjectFile(design, file, "big.vhl", messages)) << messages.texts.front();
    EXPECT_EQ(text(Field::projtit), euros);
    EXPECT_EQ(text(Field::txtringmargin), one);
    EXPECT_EQ(design.record().checkTexts, big.record().checkTexts);
    EXPECT_EQ(design.record().fehTables, big.record().fehTables);

    big.record().place(Field::desname, euros + "x");
    EXPECT_NE(unsaveableField(big.record()), std::nullopt);
    messages.texts.clear();
    EXPECT_FALSE(readProjectFile(design, writeProjectFile(big.record()), "big.vhl", messages));
    EXPECT_EQ(messages.texts.size(), 1u);
}

}  // namespace
}  // namespace varnholt
