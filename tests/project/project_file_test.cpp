// Guards the project file: its 21 CR LF lines byte for byte, the per-line rules of reading
// (defaults for missing lines, check boxes that ignore what they do not understand), and that
// a file of another kind changes nothing.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include "engine/errors.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::start;

class Messages : public MessageSink {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

std::string lines(std::initializer_list<std::string> texts, const char* ending = "\r\n") {
    std::string out;
    for (const std::string& t : texts) out += t + ending;
    return out;
}

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override { start(design); }
    const std::string& text(Field f) const { return design.record().text(f); }

    Design design;
    Messages messages;
};

TEST_F(ProjectFile, FreshDesignIsWrittenAsTwentyOneLines) {
    EXPECT_EQ(writeProjectFile(design.record()),
              lines({"Varnholt-Corvane Systems-Version2", "", "", "", "", "", "", "60", "", "",
                     "1.00", "0.3", "0", "1", "0", "4", "0", "", "0", "24", "0"}));
}

TEST_F(ProjectFile, ReadingBackRestoresTheTexts) {
    const std::string file = lines({"Varnholt-Corvane Systems-Version2", "  Two  blanks ", "P-7",
                                    "", "120", "1.5E-5", "0.025", "30", "", "", "0.9", "0.35",
                                    "1", "2.5", "1", "3.5", "10", "", "1", "30", "0.25"});
    ASSERT_TRUE(readProjectFile(design, file, messages));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(writeProjectFile(design.record()), file);
    EXPECT_TRUE(design.record().checked(Check::chkringbase));
    EXPECT_TRUE(design.record().appliedRingSurround);
    EXPECT_DOUBLE_EQ(design.record().appliedRingMargin, 0.25);
    EXPECT_EQ(design.record().status[2], "Void Ratio = 0.35");
    EXPECT_EQ(design.record().status[3], "Factor of Safety = 2.5");
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
    ASSERT_TRUE(readProjectFile(reopened, file, messages));
    EXPECT_EQ(reopened.record().text(Field::projtit), "Mill\r Lane");
    EXPECT_EQ(reopened.record().text(Field::projnum), "P 7 ");
    EXPECT_EQ(reopened.record().text(Field::desname), "A. Designer");
    EXPECT_EQ(writeProjectFile(reopened.record()), file);
}

TEST_F(ProjectFile, ReadingSizesTheTrenchLineByLine) {
    const std::string file = lines({"Varnholt-Corvane Systems-Version2", "", "", "", "100",
                                    "0.00001", "0.02", "60", "10", "1.5", "1.00", "0.3", "0",
                                    "1", "0", "4", "0", "0.5", "0", "24", "0"});
    ASSERT_TRUE(readProjectFile(design, file, messages));
    EXPECT_EQ(text(Field::txtlength), "10.01");
    EXPECT_EQ(text(Field::lblwid), "0.32");
    EXPECT_EQ(text(Field::lbltime), "1.29");
    EXPECT_TRUE(design.record().flags.ProjectModified);
}

TEST_F(ProjectFile, AFileOfAnotherKindChangesNothing) {
    const std::string before = writeProjectFile(design.record());
    for (const std::string& file :
         {std::string(), lines({"Varnholt-Corvane Systems-Version3", "T"}),
          lines({"Varnholt-Corvane Systems-Version2 ", "T"}),
          lines({"varnholt-corvane systems-version2", "T"}), std::string("\x89PNG\r\n\x1a\n\0\0", 10),
          lines({"Varnholt-Corvane Systems-Version2"}, "\r")}) {
        messages.texts.clear();
        EXPECT_FALSE(readProjectFile(design, file, messages));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Not a valid Soakaway File."});
    }
    EXPECT_EQ(writeProjectFile(design.record()), before);
    EXPECT_FALSE(design.record().flags.ProjectModified);
}

TEST_F(ProjectFile, ShortFileFallsBackToDefaultsAndKeepsLimitAndMargin) {
    design.write(Field::txthalfempty, "30");
    design.write(Field::txtringmargin, "0.2");
    design.setCheck(Check::chkringbase, true);
    const std::string file = lines({"Varnholt-Corvane Systems-Version2", "T", "N", "D", "100",
                                    "0.00001", "0.02", "60", "10", "1.5", "1.00", "0.3", "1"});
    ASSERT_TRUE(readProjectFile(design, file, messages));
    EXPECT_EQ(text(Field::txtFOS), "1");
    EXPECT_EQ(design.record().status[3], "Factor of Safety = ");
    EXPECT_FALSE(design.record().checked(Check::chkringsur));
    EXPECT_EQ(text(Field::txtringfail), "4");
    EXPECT_EQ(text(Field::txtoverflow), "0");
    EXPECT_EQ(text(Field::lblwid), "");
    EXPECT_FALSE(design.record().checked(Check::chkringbase));
    EXPECT_EQ(text(Field::txthalfempty), "30");
    EXPECT_EQ(text(Field::txtringmargin), "0.2");
    EXPECT_TRUE(design.record().checked(Check::chkbase));
}

TEST_F(ProjectFile, PerLineRulesForChecksAndFactorOfSafety) {
    design.setCheck(Check::chkbase, true);
    const std::string file = lines({"Varnholt-Corvane Systems-Version2", "", "", "", "", "", "",
                                    "60", "", "", "1.0", "0.3", "yes", "0", "0", "0", "", "",
                                    "0", "", ""},
                                   "\n");  // a line feed alone ends a line too
    ASSERT_TRUE(readProjectFile(design, file, messages));
    EXPECT_TRUE(design.record().checked(Check::chkbase));  // "yes" leaves the box alone
    EXPECT_EQ(text(Field::txtFOS), "1");
    EXPECT_EQ(design.record().status[3], "Factor of Safety = 0");
    EXPECT_EQ(text(Field::txtringfail), "4");
    EXPECT_EQ(text(Field::txtoverflow), "0");
    EXPECT_EQ(text(Field::txtVRC), "1.0");
}

TEST_F(ProjectFile, AFactorOfSafetyThatIsNotANumberStopsTheReading) {
    const std::string file = lines({"Varnholt-Corvane Systems-Version2", "Kept", "", "", "100",
                                    "", "", "60", "", "", "1.00", "0.4", "1", ".", "1", "3"});
    EXPECT_THROW(readProjectFile(design, file, messages), ConversionError);
    EXPECT_EQ(text(Field::projtit), "Kept");
    EXPECT_EQ(text(Field::txtVR), "0.4");
    EXPECT_EQ(text(Field::txtFOS), ".");
    EXPECT_FALSE(design.record().checked(Check::chkringsur));  // line 15 was never read
    EXPECT_EQ(text(Field::txtringfail), "4");
}

}  // namespace
}  // namespace varnholt
