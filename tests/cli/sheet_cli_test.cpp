// Data sheets through the headless driver, as an engineer batching them for many projects
// would: the PDF it writes, and why it writes none.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "pdf_words.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::lineAt;
using testing::runCli;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SheetCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("sheet-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static CliRun sheet(std::vector<std::string> args, const fs::path& out) {
        args.insert(args.begin(), "sheet");
        args.push_back("-o");
        args.push_back(out.string());
        return runCli(args);
    }
    fs::path dir;
};

const std::string kSample = std::string(VARNHOLT_SOURCE_DIR) + "/samples/garage-roof.vhl";

TEST_F(SheetCli, WritesTheSheetOfAProjectAsAPdfThatOpens) {
    const fs::path out = dir / "garage.pdf";
    const CliRun run = sheet({kSample}, out);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string info = testing::commandOutput("pdfinfo '" + out.string() + "'");
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("Varnholt - Calculations"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const auto words = testing::pdfWords(out.string());
    EXPECT_EQ(lineAt(words, 42.3, 38), "Garage roof");
    EXPECT_EQ(lineAt(words, 280.5, 0, 100), kSample);
    EXPECT_EQ(lineAt(words, 144.2, 33.9, 80), "10.01 metres");  // length solved again
    EXPECT_EQ(lineAt(words, 184.9), "900 2.91 6.25");
}

TEST_F(SheetCli, AppliesTheActionsFirstAsTheDesignCommandDoes) {
    const fs::path out = dir / "slow.pdf";
    // A soil this slow fails every ring on its half-empty time.
    const CliRun run = sheet({kSample, "--set", "txtsinf=0.0000001", "--page", "ring"}, out);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto words = testing::pdfWords(out.string());
    EXPECT_EQ(lineAt(words, 184.9), "900 Fail Fail");
    EXPECT_EQ(lineAt(words, 236.0), "2700 Fail Fail");
    EXPECT_EQ(lineAt(words, 150.5, 80), "WARNING! HALF EMPTY TIME EXCEEDS 24hour LIMIT!");
}

// A title typed on a Latin-1 terminal prints as typed, not as a replacement mark.
TEST_F(SheetCli, ATitleInAnotherCodePagePrintsAsTyped) {
    const fs::path out = dir / "cafe.pdf";
    const CliRun run = sheet({kSample, "--set", "projtit=Caf\xe9 Royal"}, out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lineAt(testing::pdfWords(out.string()), 42.3, 38), "Caf\xc3\xa9 Royal");
}

TEST_F(SheetCli, MakesNoSheetAndSaysWhyWhenItCannot) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{}, "no data sheet: the impermeable area"},  // a new project: no inputs
        {{kSample, "--set", "txtrain="}, "no data sheet:"},
        {{kSample, "--set", "txtdepth=1.5.", "--page", "ring"}, "'1.5.' is not a valid floating"},
        {{(dir / "missing.vhl").string()}, "missing.vhl"},
    };
    for (const Case& c : cases) {
        const fs::path out = dir / "none.pdf";
        const CliRun run = sheet(c.args, out);
        EXPECT_EQ(run.status, 1) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out)) << c.says;
    }
}

TEST_F(SheetCli, AnUnwritablePathKeepsTheOldFileAndGivesTheSystemsText) {
    const fs::path folder = dir / "taken.pdf";
    fs::create_directories(folder);
    CliRun run = sheet({kSample}, folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot create file \"" + folder.string() + "\""), std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::is_directory(folder));

    std::ofstream(dir / "file") << "not a folder";
    run = sheet({kSample}, dir / "file" / "sheet.pdf");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Not a directory"), std::string::npos) << run.err;
}

TEST_F(SheetCli, UsageErrors) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"sheet", kSample},
                                                 {"sheet", kSample, "-o"},
                                                 {"sheet", kSample, "--json", "-o", "x.pdf"},
                                                 {"sheet", "--bogus", "-o", "x.pdf"}})
        EXPECT_EQ(runCli(args).status, 2) << args.back();
}

// A small file system of its own, mounted where the machine allows it (as root with the right
// to mount), to fill up and to make read-only. It holds one sheet but not a second beside it,
// whatever the sheet's size with this machine's fonts: with the old sheet of p pages kept
// until the new one is whole, p + (p - 1) pages never fit in 2p - 2.
class SheetOnSmallDisk : public SheetCli {
protected:
    void SetUp() override {
        SheetCli::SetUp();
        const fs::path measured = dir / "measured.pdf";
        ASSERT_EQ(sheet({kSample}, measured).status, 0);
        constexpr std::uintmax_t kPage = 4096;
        const std::uintmax_t pages = (fs::file_size(measured) + kPage - 1) / kPage;
        ASSERT_GE(pages, 3u) << "a sheet this small cannot show the full disk";
        size = "size=" + std::to_string((2 * pages - 2) * kPage);
        mountPoint = dir / "fs";
        fs::create_directories(mountPoint);
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, size.c_str()) != 0)
            GTEST_SKIP() << "cannot mount a file system here";
        mounted = true;
    }
    void TearDown() override {
        if (mounted) ::umount2(mountPoint.c_str(), MNT_DETACH);
        SheetCli::TearDown();
    }
    fs::path mountPoint;
    std::string size;
    bool mounted = false;
};

TEST_F(SheetOnSmallDisk, AFullDiskOrAReadOnlyOneKeepsTheOldFileByteForByte) {
    const fs::path out = mountPoint / "sheet.pdf";
    ASSERT_EQ(sheet({kSample}, out).status, 0);
    const std::string old = slurp(out);

    CliRun run = sheet({kSample, "--set", "projtit=Second sheet"}, out);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    EXPECT_EQ(slurp(out), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator()), 1);

    ASSERT_EQ(::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, size.c_str()),
              0);
    run = sheet({kSample, "--set", "projtit=Third sheet"}, out);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("is not writable"), std::string::npos) << run.err;
    EXPECT_EQ(slurp(out), old);
}

}  // namespace
}  // namespace varnholt
