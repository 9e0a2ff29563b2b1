// Guards opening the drawings and the schedule from the program folder: which file is handed
// to the desktop, the message when none is there, and the current directory moved to the
// program folder either way (the open and save dialogs start there afterwards).
#include "output/documents/program_documents.h"

#include <gtest/gtest.h>

#include <fstream>

namespace varnholt {
namespace {

namespace fs = std::filesystem;

class ProgramDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("varnholt-documents-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        elsewhere = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(elsewhere);
        fs::remove_all(folder);
    }
    void put(const std::string& name) { std::ofstream(folder / name) << "x"; }

    fs::path folder;
    fs::path elsewhere;
    std::vector<fs::path> opened;
    ProgramDocuments documents{{}, [this](const fs::path& p) { opened.push_back(p); }};
};

TEST_F(ProgramDocumentsTest, OpensTheFileFoundInTheProgramFolder) {
    const struct {
        ProgramDocument document;
        std::vector<std::string> present;
        std::string expected;  // empty: missing
    } cases[] = {
        {ProgramDocument::ringDrawing, {}, ""},
        {ProgramDocument::ringDrawing, {"Ring_Soakaway.dxf"}, "Ring_Soakaway.dxf"},
        {ProgramDocument::ringDrawing,
         {"Ring_Soakaway.dwg", "Ring_Soakaway.dxf"},
         "Ring_Soakaway.dwg"},
        {ProgramDocument::ringDrawing, {"Trench_Soakaway.dxf"}, ""},
        {ProgramDocument::trenchWithSiltTrapDrawing,
         {"Soakaway_plus_Silttrap.dxf"},
         "Soakaway_plus_Silttrap.dxf"},
        {ProgramDocument::trenchDrawing, {"Trench_Soakaway.dwg"}, "Trench_Soakaway.dwg"},
        {ProgramDocument::trenchDrawing, {"Soakaway_plus_Silttrap.dxf"}, ""},
        {ProgramDocument::maintenanceSchedule, {"CS_VH_schedule.pdf"}, "CS_VH_schedule.pdf"},
        {ProgramDocument::maintenanceSchedule, {"Ring_Soakaway.dxf"}, ""},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const std::string& name : c.present) put(name);
        documents.setFolder(folder);
        fs::current_path(elsewhere);
        opened.clear();

        const bool found = documents.open(c.document);
        EXPECT_EQ(found, !c.expected.empty()) << c.expected;
        const std::vector<fs::path> expected =
            found ? std::vector<fs::path>{folder / c.expected} : std::vector<fs::path>{};
        EXPECT_EQ(opened, expected);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), folder)) << "the current directory stayed";
    }
}

TEST_F(ProgramDocumentsTest, AFolderThatIsGoneLeavesTheCurrentDirectory) {
    documents.setFolder(folder / "gone");
    EXPECT_FALSE(documents.open(ProgramDocument::maintenanceSchedule));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), elsewhere));
}

TEST(ProgramDocumentMessages, AreThoseOfTheProgram) {
    const std::string drawing =
        "Drawing file could not be found. You may have to re-install Varnholt.";
    EXPECT_EQ(missingDocumentMessage(ProgramDocument::ringDrawing), drawing);
    EXPECT_EQ(missingDocumentMessage(ProgramDocument::trenchWithSiltTrapDrawing), drawing);
    EXPECT_EQ(missingDocumentMessage(ProgramDocument::trenchDrawing), drawing);
    EXPECT_EQ(missingDocumentMessage(ProgramDocument::maintenanceSchedule),
              "Soakaway Maintenance Schedule could not be found. Look in the program group for "
              "Varnholt in your start menu.");
}

}  // namespace
}  // namespace varnholt
