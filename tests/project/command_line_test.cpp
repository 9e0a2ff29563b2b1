// Guards opening a project named on the command line: the unquoted path put back together,
// the caption and file name of an opened project, and a failure that leaves the request set.
#include "project/command_line.h"

#include <gtest/gtest.h>

#include "project/project_file.h"
#include "scripted_prompts.h"

namespace varnholt {
namespace {

TEST(CommandLine, ArgumentsAreJoinedWithSingleBlanks) {
    EXPECT_EQ(joinArguments({}), "");
    EXPECT_EQ(joinArguments({"/tmp/a.vhl"}), "/tmp/a.vhl");
    EXPECT_EQ(joinArguments({"/tmp/My", "Soak", "away.vhl"}), "/tmp/My Soak away.vhl");
    EXPECT_EQ(joinArguments({"/tmp/x.vhl", " "}), "/tmp/x.vhl");
}

class CommandLoad : public ::testing::Test {
protected:
    void startWith(const std::vector<std::string>& args) {
        handOverCommandLine(design.record(), args);
        design.create("today");
        design.firstShow();
        outcome = commandload(design, lifecycle, args);
    }

    Design design;
    testing::ScriptedPrompts prompts;
    testing::MemoryStorage storage;
    ProjectLifecycle lifecycle{design, prompts, storage};
    LoadOutcome outcome{};
};

TEST_F(CommandLoad, NothingNamed) {
    startWith({});
    EXPECT_EQ(outcome, LoadOutcome::nothingNamed);
    EXPECT_EQ(design.record().caption, "Corvane Systems - Varnholt 4.0");
    EXPECT_EQ(design.record().CurrentFileName, " ");
}

TEST_F(CommandLoad, OpensAPathThatArrivedInPieces) {
    Design other;
    other.record().setChecked(Check::chkringsur, true);
    other.record().place(Field::txtringmargin, "0.3");
    storage.files["/data/site plan.vhl"] = writeProjectFile(other.record());

    startWith({"/data/site", "plan.vhl"});
    EXPECT_EQ(outcome, LoadOutcome::opened);
    EXPECT_EQ(design.record().CurrentFileName, "/data/site plan.vhl");
    EXPECT_EQ(design.record().caption, "Varnholt - /data/site plan.vhl");
    EXPECT_FALSE(design.record().OpenFromCommandLine);
    EXPECT_FALSE(design.record().flags.ProjectModified);
    EXPECT_DOUBLE_EQ(design.record().appliedRingMargin, 0.3);
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(CommandLoad, ARunOfBlanksIsNotTheFilesName) {
    storage.files["/data/site  plan.vhl"] = writeProjectFile(Design().record());
    startWith({"/data/site", "plan.vhl"});  // the desktop split the path at its two blanks
    EXPECT_EQ(outcome, LoadOutcome::failed);
    EXPECT_EQ(prompts.messages,
              std::vector<std::string>{
                  "Cannot open file \"/data/site plan.vhl\". No such file or directory."});
}

TEST_F(CommandLoad, AFileThatIsNotAProjectLeavesTheRequestSet) {
    storage.files["/data/notes.vhl"] = "shopping list\r\n";
    startWith({"/data/notes.vhl"});
    EXPECT_EQ(outcome, LoadOutcome::failed);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Not a valid Soakaway File."});
    EXPECT_TRUE(design.record().OpenFromCommandLine);
    EXPECT_EQ(design.record().caption, "Corvane Systems - Varnholt 4.0");
}

}  // namespace
}  // namespace varnholt
