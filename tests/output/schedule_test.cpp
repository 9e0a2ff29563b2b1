// Guards the maintenance schedule the build puts beside the program: a PDF that opens, on A4,
// whose text carries its sections and the table of tasks.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string run(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, n);
    return output;
}

const std::string schedule = std::string(VARNHOLT_PROGRAM_FILES_DIR) + "/CS_VH_schedule.pdf";

TEST(MaintenanceSchedule, OpensAsAnA4Document) {
    const std::string info = run("pdfinfo '" + schedule + "' 2>&1");
    EXPECT_NE(info.find("Title:           Soakaway Inspection and Maintenance Schedule"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_EQ(info.find("Error"), std::string::npos) << info;
}

TEST(MaintenanceSchedule, CarriesItsSectionsAndTasks) {
    const std::string text = run("pdftotext -layout '" + schedule + "' - 2>&1");
    for (const char* expected :
         {"Soakaway Inspection and Maintenance Schedule", "Schedule of tasks", "Removing silt",
          "When the soakaway is failing", "Records to keep", "Silt trap and silt trap manhole",
          "Half-drain check", "After a heavy storm", "How often"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

}  // namespace
