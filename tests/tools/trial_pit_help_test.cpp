// Guards where the trial-pit dialog's Help looks for its document: the program folder made
// current, then that folder, then "help" below it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/trial_pit_help.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;

class TrialPitHelp : public ::testing::Test {
protected:
    void SetUp() override {
        saved = fs::current_path();
        root = fs::path(::testing::TempDir()) /
               ("varnholt-help-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "program" / "help");
        fs::create_directories(root / "elsewhere");
    }
    void TearDown() override {
        fs::current_path(saved);
        fs::remove_all(root);
    }
    static fs::path put(const fs::path& folder) {
        const fs::path file = folder / "helpvarn.chm";
        std::ofstream(file) << "ITSF";
        return file;
    }

    fs::path saved, root;
};

TEST_F(TrialPitHelp, TheProgramFolderComesBeforeItsHelpFolder) {
    const fs::path program = root / "program";
    fs::current_path(root / "elsewhere");
    put(root / "elsewhere");  // the folder current before is not looked in
    EXPECT_EQ(findTrialPitHelp(program), std::nullopt);
    EXPECT_EQ(fs::current_path(), fs::canonical(program));

    const fs::path inHelp = put(program / "help");
    EXPECT_EQ(findTrialPitHelp(program), inHelp);
    const fs::path beside = put(program);
    EXPECT_EQ(fs::canonical(*findTrialPitHelp(program)), fs::canonical(beside));
}

TEST_F(TrialPitHelp, AFolderOfThatNameIsNotTheDocument) {
    const fs::path program = root / "program";
    fs::create_directories(program / "helpvarn.chm");
    const fs::path inHelp = put(program / "help");
    EXPECT_EQ(findTrialPitHelp(program), inHelp);
}

// A program folder that has gone leaves the current folder current, and it is looked in.
TEST_F(TrialPitHelp, AProgramFolderThatHasGoneLeavesTheCurrentFolder) {
    fs::current_path(root / "elsewhere");
    const fs::path current = put(root / "elsewhere");
    const auto found = findTrialPitHelp(root / "gone");
    ASSERT_TRUE(found);
    EXPECT_EQ(fs::canonical(*found), fs::canonical(current));
}

}  // namespace
}  // namespace varnholt
