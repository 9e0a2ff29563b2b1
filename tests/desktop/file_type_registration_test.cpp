// Guards the desktop's knowledge of ".vhl" files: what is written where, that an unchanged
// registration touches nothing, and that a failure names its path and leaves the rest written.
#include "desktop/file_type_registration.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "desktop/freedesktop_files.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

bool installed(const std::string& tool) {
    return std::system(("which " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// A rewrite through rename gives a new inode even when the time stamp happens to match.
struct Identity {
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const Identity& other) const {
        return inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

Identity identity(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return {info.st_ino, info.st_mtim};
}

class FileTypeRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Apart per test and per process, as ctest runs the tests side by side.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        home = ::testing::TempDir() + "data home " + name + "." + std::to_string(::getpid());
        fs::remove_all(home);
        fs::create_directories(home);
    }
    void TearDown() override { fs::remove_all(home); }

    FileTypeRegistration what(const std::string& executable = kProgram) const {
        return {home, executable, "<svg id=\"document\"/>\n", "<svg id=\"program\"/>\n"};
    }
    std::string documentIcon() const {
        return home + "/icons/hicolor/scalable/mimetypes/application-x-varnholt.svg";
    }
    std::string programIcon() const { return home + "/icons/hicolor/scalable/apps/varnholt.svg"; }
    std::string mimePackagePath() const { return home + "/mime/packages/varnholt.xml"; }
    std::string entry() const { return home + "/applications/varnholt.desktop"; }
    std::vector<std::string> allFiles() const {
        return {documentIcon(), programIcon(), mimePackagePath(), entry()};
    }

    static constexpr const char* kProgram = "/opt/Corvane Systems/bin/varnholt";
    std::string home;
};

TEST_F(FileTypeRegistrationTest, WritesTheTypeTheEntryAndBothIcons) {
    const RegistrationOutcome outcome = registerFileType(what());
    EXPECT_TRUE(outcome.ok) << outcome.error;
    EXPECT_TRUE(outcome.changed);

    const std::string desktop = readAll(entry());
    EXPECT_EQ(desktop.rfind("[Desktop Entry]\n", 0), 0u);
    for (const char* line : {"Type=Application", "Name=Varnholt", "Icon=varnholt",
                             "Exec=\"/opt/Corvane Systems/bin/varnholt\" %f",
                             "MimeType=application/x-varnholt;", "Terminal=false"})
        EXPECT_NE(desktop.find(std::string("\n") + line + "\n"), std::string::npos) << line;

    const std::string mime = readAll(mimePackagePath());
    for (const char* part :
         {"<mime-type type=\"application/x-varnholt\">", "<comment>Varnholt File</comment>",
          "<glob pattern=\"*.vhl\"/>", "<icon name=\"application-x-varnholt\"/>"})
        EXPECT_NE(mime.find(part), std::string::npos) << part;

    EXPECT_EQ(readAll(documentIcon()), "<svg id=\"document\"/>\n");
    EXPECT_EQ(readAll(programIcon()), "<svg id=\"program\"/>\n");
    // Nothing but the written files and the desktop's caches: no temporary file stays behind.
    const std::vector<std::string> written = {"varnholt.desktop", "varnholt.xml", "mimeinfo.cache"};
    for (const char* folder : {"/applications", "/mime/packages"})
        for (const auto& file : fs::directory_iterator(home + folder))
            EXPECT_NE(std::find(written.begin(), written.end(), file.path().filename().string()),
                      written.end())
                << file.path();
}

TEST_F(FileTypeRegistrationTest, TheDesktopToolsAcceptWhatIsWritten) {
    const bool mimeTool = installed("update-mime-database");
    const bool desktopTool = installed("update-desktop-database");
    if (!mimeTool && !desktopTool) GTEST_SKIP() << "neither desktop database tool is installed";

    ASSERT_TRUE(registerFileType(what()).ok);
    if (mimeTool) {
        EXPECT_NE(readAll(home + "/mime/globs2").find("application/x-varnholt:*.vhl"),
                  std::string::npos);
    }
    if (desktopTool) {
        EXPECT_NE(readAll(home + "/applications/mimeinfo.cache")
                      .find("application/x-varnholt=varnholt.desktop;"),
                  std::string::npos);
    }
}

TEST_F(FileTypeRegistrationTest, ASecondRunTouchesNothing) {
    ASSERT_TRUE(registerFileType(what()).ok);
    std::vector<Identity> before;
    for (const std::string& path : allFiles()) before.push_back(identity(path));

    const RegistrationOutcome again = registerFileType(what());
    EXPECT_TRUE(again.ok) << again.error;
    EXPECT_FALSE(again.changed);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(identity(allFiles()[i]) == before[i]) << allFiles()[i];
}

TEST_F(FileTypeRegistrationTest, AMovedProgramRewritesOnlyTheDesktopEntry) {
    ASSERT_TRUE(registerFileType(what()).ok);
    const Identity icon = identity(documentIcon()), app = identity(programIcon()),
                   mime = identity(mimePackagePath()), desktop = identity(entry());

    const RegistrationOutcome moved = registerFileType(what("/usr/local/bin/varnholt"));
    EXPECT_TRUE(moved.ok) << moved.error;
    EXPECT_TRUE(moved.changed);
    EXPECT_NE(readAll(entry()).find("\nExec=/usr/local/bin/varnholt %f\n"), std::string::npos);
    EXPECT_FALSE(identity(entry()) == desktop);
    EXPECT_TRUE(identity(documentIcon()) == icon);
    EXPECT_TRUE(identity(programIcon()) == app);
    EXPECT_TRUE(identity(mimePackagePath()) == mime);
}

// Tests run as root, so permission bits cannot block a write: a file or folder in the way can.
struct Obstacle {
    const char* name;
    const char* path;   // under the data home
    bool folder;        // put a folder there, else a file
    const char* named;  // the path the message must name
    int error;
};

class RegistrationFailure : public FileTypeRegistrationTest,
                            public ::testing::WithParamInterface<Obstacle> {};

TEST_P(RegistrationFailure, IsReportedAndTheRestIsWritten) {
    const Obstacle& obstacle = GetParam();
    const std::string blocked = home + obstacle.path;
    if (obstacle.folder) {
        fs::create_directories(blocked);
    } else {
        fs::create_directories(fs::path(blocked).parent_path());
        std::ofstream(blocked) << "in the way";
    }

    const RegistrationOutcome outcome = registerFileType(what());
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("\"" + home + obstacle.named + "\""), std::string::npos)
        << outcome.error;
    EXPECT_NE(outcome.error.find(std::strerror(obstacle.error)), std::string::npos)
        << outcome.error;
    EXPECT_TRUE(outcome.changed);
    std::size_t written = 0;
    for (const std::string& path : allFiles())
        if (fs::is_regular_file(path)) ++written;
    EXPECT_EQ(written, 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, RegistrationFailure,
    ::testing::Values(Obstacle{"MimeFolderIsAFile", "/mime", false, "/mime/packages", ENOTDIR},
                      Obstacle{"EntryIsAFolder", "/applications/varnholt.desktop", true,
                               "/applications/varnholt.desktop", EISDIR}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopExecProgram, QuotesAndEscapesAsDesktopEntriesRequire) {
    const struct {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/usr/bin/varnholt", "/usr/bin/varnholt"},
        {"/opt/My Tools/varnholt", "\"/opt/My Tools/varnholt\""},
        {"/opt/it's/varnholt", "\"/opt/it's/varnholt\""},
        {"/opt/a$b`c\"d/varnholt", "\"/opt/a\\\\$b\\\\`c\\\\\"d/varnholt\""},
        {"/opt/back\\slash/varnholt", "\"/opt/back\\\\\\\\slash/varnholt\""},
        {"/opt/100%/varnholt", "/opt/100%%/varnholt"},
        {"/opt/tab\there/varnholt", "\"/opt/tab\\there/varnholt\""},
    };
    for (const auto& c : cases) EXPECT_EQ(desktopExecProgram(c.path), c.exec) << c.path;
}

class DataHome : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_DATA_HOME", "HOME"})
            if (const char* value = std::getenv(name))
                saved.emplace_back(name, value);
            else
                saved.emplace_back(name, std::nullopt);
        ::setenv("HOME", "/home/designer", 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(DataHome, FollowsXdgDataHomeWhenItIsAnAbsolutePath) {
    const struct {
        const char* xdg;  // nullptr: unset
        const char* expected;
    } cases[] = {
        {"/srv/data", "/srv/data"},
        {nullptr, "/home/designer/.local/share"},
        {"", "/home/designer/.local/share"},
        {"relative/data", "/home/designer/.local/share"},
    };
    for (const auto& c : cases) {
        c.xdg ? ::setenv("XDG_DATA_HOME", c.xdg, 1) : ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(xdgDataHome(), c.expected) << (c.xdg ? c.xdg : "(unset)");
    }
}

}  // namespace
}  // namespace varnholt
