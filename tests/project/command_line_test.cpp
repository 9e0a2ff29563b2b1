// Guards opening a project named on the command line: the unquoted path put back together,
// the caption and file name of an opened project, and a failure that leaves the request set.
#include "project/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "project/project_file.h"
#include "started_design.h"

namespace varnholt {
namespace {

class Messages : public MessageSink {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

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
        outcome = commandload(design, args, messages);
    }

    Design design;
    Messages messages;
    LoadOutcome outcome{};
};

TEST_F(CommandLoad, NothingNamed) {
    startWith({});
    EXPECT_EQ(outcome, LoadOutcome::nothingNamed);
    EXPECT_EQ(design.record().caption, "Corvane Systems - Varnholt 4.0");
    EXPECT_EQ(design.record().CurrentFileName, " ");
}

TEST_F(CommandLoad, OpensAPathThatArrivedInPieces) {
    const std::string dir = ::testing::TempDir() + "with two blanks";
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/site plan.vhl";
    std::ofstream(path, std::ios::binary) << writeProjectFile(Design().record());

    startWith({::testing::TempDir() + "with", "two", "blanks/site", "plan.vhl"});
    EXPECT_EQ(outcome, LoadOutcome::opened);
    EXPECT_EQ(design.record().CurrentFileName, path);
    EXPECT_EQ(design.record().caption, "Varnholt - " + path);
    EXPECT_FALSE(design.record().OpenFromCommandLine);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(CommandLoad, AMissingFileIsReportedWithTheSystemsText) {
    const std::string path = ::testing::TempDir() + "no such file.vhl";
    startWith({path});
    EXPECT_EQ(outcome, LoadOutcome::failed);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Cannot open file \"" + path + "\". No such file or directory.");
    EXPECT_TRUE(design.record().OpenFromCommandLine);
    EXPECT_EQ(design.record().caption, "Corvane Systems - Varnholt 4.0");
}

TEST_F(CommandLoad, ADirectoryIsNotAProjectFile) {
    startWith({::testing::TempDir()});
    EXPECT_EQ(outcome, LoadOutcome::failed);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("Is a directory"), std::string::npos);
}

}  // namespace
}  // namespace varnholt
