// Guards the help file the build puts in the program folder's "help" folder: a compiled HTML
// Help file that viewers open, holding every page of its sources unchanged.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

const std::string helpFile = std::string(VARNHOLT_PROGRAM_FILES_DIR) + "/help/helpvarn.chm";
const std::string sources = std::string(VARNHOLT_SOURCE_DIR) + "/resources/help/";
const char* const pages[] = {"index.htm",      "trial_pit_test.htm", "trial_pit_calculator.htm",
                             "soil_table.htm", "style.css",          "helpvarn.hhc",
                             "helpvarn.hhk"};

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(HelpFile, IsACompiledHtmlHelpFile) {
    const std::string chm = contents(helpFile);
    ASSERT_GE(chm.size(), 0x60u) << helpFile;
    EXPECT_EQ(chm.substr(0, 4), "ITSF");
    EXPECT_EQ(le32(chm, 4), 3u) << "ITSF version";
    EXPECT_EQ(le32(chm, 8), 0x60u) << "header length";
    EXPECT_EQ(chm.find("ITSP"), le32(chm, 0x48)) << "the directory where the header says";
    // The directory lists each file by name, uncompressed.
    for (const char* page : pages)
        EXPECT_NE(chm.find(std::string("/") + page), std::string::npos) << page;
}

// Each page read back out of the file with the Free Pascal CHM utility is its source, byte
// for byte: nothing was lost in compression or picked up from elsewhere.
TEST(HelpFile, HoldsEveryPageUnchanged) {
    const std::string out = ::testing::TempDir() + "varnholt-help-extract";
    std::filesystem::create_directories(out);
    for (const char* page : pages) {
        SCOPED_TRACE(page);
        const std::string extracted = out + "/" + page;
        std::filesystem::remove(extracted);
        const std::string command = std::string("'") + VARNHOLT_CHMLS + "' extract '" + helpFile +
                                    "' '/" + page + "' '" + extracted + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        const std::string source = contents(sources + page);
        ASSERT_FALSE(source.empty());
        EXPECT_EQ(contents(extracted), source);
    }
}

}  // namespace
