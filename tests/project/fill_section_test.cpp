// Guards the trench fill's lines after the 21: a gravel project keeps the bytes it always had,
// crates come back byte for byte beside the design check's lines, and a broken line refuses
// the whole file, naming it, before anything changes.
#include "project/fill_section.h"

#include <gtest/gtest.h>

#include "project/project_file.h"
#include "project_lines.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::projectLines;
using testing::start;

class FillLines : public ::testing::Test {
protected:
    void SetUp() override {
        start(design);
        start(reopened);
        testing::enterWorkedInputs(design);
        testing::enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "0.6"}});
    }
    std::string file() const { return writeProjectFile(design.record()); }
    // The 21 lines of the design with the fill at its defaults.
    std::string twentyOneLines() const {
        DesignRecord bare = design.record();
        const FillTexts defaults = defaultFillTexts();
        for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
            bare.place(kTrenchFillFields[i], defaults[i]);
        return writeProjectFile(bare);
    }

    Design design, reopened;
    testing::RecordedMessages messages;
};

TEST_F(FillLines, AGravelProjectIsItsTwentyOneLinesAlone) {
    design.write(Field::txtcratelength, "1.2");
    design.write(Field::txtcratelength, "1.0");
    EXPECT_EQ(file(), twentyOneLines());
    EXPECT_EQ(file().find('['), std::string::npos);
}

TEST_F(FillLines, CratesComeBackByteForByteBesideTheDesignCheck) {
    design.write(Field::txtfill, "crates");
    design.write(Field::txtcratelength, "1.2");
    design.write(Field::txtcratevr, "0.9");
    design.editCheckText("m560", "22");
    const std::string saved = file();
    EXPECT_TRUE(
        saved.ends_with(projectLines({"[Design check]", "m560=22", "[Trench fill]", "fill=crates",
                                      "unitlength=1.2", "unitvoidratio=0.9"})))
        << saved;

    ASSERT_TRUE(readProjectFile(reopened, saved, "tank.vhl", messages));
    EXPECT_TRUE(messages.texts.empty());
    for (Field f : kTrenchFillFields) EXPECT_EQ(reopened.record().text(f), design.record().text(f));
    EXPECT_EQ(reopened.record().checkTexts.text("m560"), "22");
    EXPECT_EQ(writeProjectFile(reopened.record()), saved);

    // A file without the section is a gravel project, whatever was open before it.
    ASSERT_TRUE(readProjectFile(reopened, twentyOneLines(), "plain.vhl", messages));
    EXPECT_EQ(reopened.record().text(Field::txtfill), "gravel");
    EXPECT_EQ(reopened.record().text(Field::txtcratelength), "1.0");
}

TEST_F(FillLines, ABrokenLineRefusesTheWholeFileBeforeAnythingChanges) {
    struct Case {
        const char* line;
        const char* message;
    };
    for (const Case& c : {
             Case{"fill=stones",
                  "tank.vhl, line 23 (Trench Fill): 'stones' is neither gravel "
                  "nor crates"},
             {"unitwidth=abc", "tank.vhl, line 23 (Crate Unit Width): 'abc' is not a number"},
             {"unitheight=0", "tank.vhl, line 23 (Crate Unit Height): '0' is not above 0"},
             {"crates", "tank.vhl, line 23: 'crates' is not of the form key=text"},
         }) {
        SCOPED_TRACE(c.line);
        reopened.write(Field::projtit, "Open design");
        messages.texts.clear();
        const std::string broken =
            twentyOneLines() + projectLines({"[Trench fill]", c.line, "fill=crates"});
        EXPECT_FALSE(readProjectFile(reopened, broken, "tank.vhl", messages));
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts.front(), c.message);
        EXPECT_EQ(reopened.record().text(Field::projtit), "Open design");
        EXPECT_EQ(reopened.record().text(Field::txtfill), "gravel");
    }
}

TEST_F(FillLines, WhatThisVersionDoesNotKnowIsSkippedAndAnEmptyTextIsTheDefault) {
    const std::string later = twentyOneLines() + projectLines({"[Trench fill]", "fill=crates",
                                                               "unitlength=", "unitcolour=blue",
                                                               "[Later section]", "fill=stones"});
    ASSERT_TRUE(readProjectFile(reopened, later, "tank.vhl", messages));
    EXPECT_EQ(reopened.record().text(Field::txtfill), "crates");
    EXPECT_EQ(reopened.record().text(Field::txtcratelength), "1.0");
}

TEST_F(FillLines, SaveRefusesAFillTheFileCouldNotBeOpenedWith) {
    struct Case {
        Field field;
        const char* text;
        const char* why;
    };
    for (const Case& c : {Case{Field::txtfill, "stone",
                               "Trench Fill: 'stone' is neither gravel "
                               "nor crates"},
                          {Field::txtcratewidth, "-1", "Crate Unit Width: '-1' is not above 0"},
                          {Field::txtcratevr, "", "Crate Void Ratio: no value is given"}}) {
        Design d;
        start(d);
        d.write(c.field, c.text);
        EXPECT_EQ(unsaveableField(d.record()), std::optional<std::string>(c.why));
    }
}

}  // namespace
}  // namespace varnholt
