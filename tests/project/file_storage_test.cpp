// Guards project files on disk: a save that cannot complete leaves the previous file as it
// was, a save keeps the file's mode and never replaces what is not a file, and files that
// cannot be projects (missing, a folder, a pipe, binary, megabytes of junk behind the right
// first line) are refused with a clear message and change nothing.
#include "project/qt/file_storage.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "project/project_file.h"
#include "scripted_prompts.h"
#include "started_design.h"

namespace varnholt {
namespace {

std::string slurp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

void spit(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class FileStorageTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
    FileStorage storage;
};

TEST_F(FileStorageTest, WritesAndReadsBackByteForByte) {
    const std::string bytes = "Varnholt-Corvane Systems-Version2\r\nTitle \xc3\xa9\r\n";
    ASSERT_EQ(storage.write(path("a.vhl"), bytes), std::nullopt);
    const ProjectStorage::Read r = storage.read(path("a.vhl"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.contents, bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

TEST_F(FileStorageTest, WhatCannotBeReadIsSaidWithTheSystemsText) {
    struct Case {
        std::string path, says;
    };
    for (const Case& c : {Case{path("missing.vhl"), "No such file or directory"},
                          Case{dir.path().toStdString(), "Is a directory"}}) {
        const ProjectStorage::Read r = storage.read(c.path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error.rfind("Cannot open file \"" + c.path + "\". ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
    }
}

TEST_F(FileStorageTest, AFolderWhereTheFileShouldGoIsReportedAndNothingIsLost) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.vhl"));
    const auto error = storage.write(path("taken.vhl"), "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(path("taken.vhl")), std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.vhl")).isDir());
}

// Saved through a temporary renamed over it, a device or a named pipe would be replaced by a
// plain file: it is refused with what it is, before anything is written, and stays as it was.
// Read, a pipe would wait for ever: it is refused too.
TEST_F(FileStorageTest, WhatIsNotARegularFileIsNeitherWrittenNorReplaced) {
    ASSERT_EQ(::mkfifo(path("pipe.vhl").c_str(), 0644), 0);
    const bool device = ::mknod(path("null.vhl").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    struct Case {
        const char* name;
        const char* kind;
        mode_t type;
    };
    for (const Case& c : {Case{"pipe.vhl", "a named pipe", S_IFIFO},
                          Case{"null.vhl", "a character device", S_IFCHR}}) {
        if (c.type == S_IFCHR && !device) continue;  // making a device needs root
        SCOPED_TRACE(c.name);
        const auto error = storage.write(path(c.name), "Varnholt-Corvane Systems-Version2\r\n");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(*error, "Cannot write file \"" + path(c.name) + "\". It is " + c.kind +
                              ", not a regular file.");
        struct stat after {};
        ASSERT_EQ(::stat(path(c.name).c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & S_IFMT, c.type);
    }
    const ProjectStorage::Read pipe = storage.read(path("pipe.vhl"));
    EXPECT_FALSE(pipe.ok);
    EXPECT_EQ(pipe.error, "Cannot open file \"" + path("pipe.vhl") +
                              "\". It is a named pipe, not a regular file.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

// A save replaces the file's contents only: a read-only file stays read-only (root may write
// over it), a private one private, and, where the system lets the saver, it keeps its owners.
TEST_F(FileStorageTest, ASavedFileKeepsItsModeAndOwners) {
    const bool root = ::geteuid() == 0;
    for (const mode_t mode : {0444, 0640, 0600, 0664}) {
        SCOPED_TRACE(mode);
        const std::string target = path("site.vhl");
        ASSERT_EQ(storage.write(target, "old"), std::nullopt);
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        if (root) {
            ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
        }
        const auto error = storage.write(target, "new");
        struct stat after {};
        ASSERT_EQ(::stat(target.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, mode);
        if (!root && !(mode & S_IWUSR)) {
            EXPECT_NE(error, std::nullopt);  // only root writes over a read-only file
            EXPECT_EQ(slurp(QString::fromStdString(target)), "old");
        } else {
            EXPECT_EQ(error, std::nullopt);
            EXPECT_EQ(slurp(QString::fromStdString(target)), "new");
        }
        if (root) {
            EXPECT_EQ(after.st_uid, 65534u);
            EXPECT_EQ(after.st_gid, 65534u);
        }
        ::chmod(target.c_str(), 0644);
        QFile::remove(QString::fromStdString(target));
    }
}

// A save killed while it writes (the program killed, the power cut) leaves the previous file
// as it was: the new bytes only ever go to a temporary beside it.
TEST_F(FileStorageTest, ASaveKilledMidWriteLeavesThePreviousFileIntact) {
    Design design;
    testing::start(design);
    design.write(Field::projtit, "Garage roof");
    const std::string old = writeProjectFile(design.record());
    const std::string target = path("site.vhl");
    ASSERT_EQ(storage.write(target, old), std::nullopt);

    // Large enough that the write is still going when the temporary is first seen.
    const std::string large(256u << 20, 'n');
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        storage.write(target, large);
        ::_exit(0);
    }
    // Killed once it has written some of the new bytes: the temporary may have no name (Linux
    // makes it unnamed until it is committed), so the count of bytes written tells.
    const std::string io = "/proc/" + std::to_string(child) + "/io";
    bool caught = false;
    for (int i = 0; i < 200000 && !caught; ++i) {
        std::ifstream in(io);
        for (std::string key; in >> key;) {
            long long value = 0;
            in >> value;
            if (key == "wchar:") caught = value > (16 << 20);
        }
        if (!caught) ::usleep(50);
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(caught) << "the save was never seen writing";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it could be killed";
    EXPECT_EQ(slurp(QString::fromStdString(target)), old);

    // What the killed save left behind does not stand in the way of the next one.
    design.write(Field::projtit, "After");
    const std::string next = writeProjectFile(design.record());
    EXPECT_EQ(storage.write(target, next), std::nullopt);
    EXPECT_EQ(slurp(QString::fromStdString(target)), next);
}

// A small file system of its own, mounted where the machine allows it (as root with the right
// to mount), to fill up and to make read-only.
class SmallFileSystem : public FileStorageTest {
protected:
    void SetUp() override {
        mountPoint = dir.filePath("fs");
        QDir().mkpath(mountPoint);
        if (::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a file system here; the write failure is covered "
                            "with an injected failure in the lifecycle tests";
        mounted = true;
    }
    void TearDown() override {
        if (mounted) ::umount2(mountPoint.toLocal8Bit().constData(), MNT_DETACH);
    }
    void remount(unsigned long flags) {
        ASSERT_EQ(::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs",
                          MS_REMOUNT | flags, "size=64k"),
                  0);
    }
    std::string inFs(const char* name) const { return (mountPoint + "/" + name).toStdString(); }

    QString mountPoint;
    bool mounted = false;
};

// Fills what is left of the file system, so that the next byte written fails.
void fillUp(const QString& path) {
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'f');
    while (filler.write(byte) == 1) {
    }
}

TEST_F(SmallFileSystem, AFullDiskLeavesThePreviousFileIntact) {
    Design design;
    testing::start(design);
    design.write(Field::projtit, "Garage roof");
    const std::string old = writeProjectFile(design.record());
    design.write(Field::projtit, "NEW");
    // A project is written in one piece far below Qt's buffer, so its failure comes only when
    // the buffer is flushed; a large file fails on its way there.
    for (const std::string& contents :
         {writeProjectFile(design.record()), std::string(200 * 1024, 'x')}) {
        SCOPED_TRACE(contents.size());
        ASSERT_EQ(storage.write(inFs("site.vhl"), old), std::nullopt);
        fillUp(mountPoint + "/filler");
        const auto error = storage.write(inFs("site.vhl"), contents);
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->find("No space left on device"), std::string::npos) << *error;
        EXPECT_EQ(slurp(QString::fromStdString(inFs("site.vhl"))), old);
        EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files),
                  QStringList({"filler", "site.vhl"}));  // no temporary left behind
        QFile::remove(mountPoint + "/filler");
    }
}

TEST_F(SmallFileSystem, AReadOnlyTargetLeavesThePreviousFileIntact) {
    const std::string old = "Varnholt-Corvane Systems-Version2\r\nold\r\n";
    ASSERT_EQ(storage.write(inFs("site.vhl"), old), std::nullopt);
    remount(MS_RDONLY);
    const auto error = storage.write(inFs("site.vhl"), "new");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("is not writable"), std::string::npos) << *error;
    EXPECT_EQ(slurp(QString::fromStdString(inFs("site.vhl"))), old);
}

class BrokenFiles : public FileStorageTest {
protected:
    void SetUp() override {
        testing::start(design);
        design.write(Field::projtit, "Open design");
        before = writeProjectFile(design.record());
    }
    bool readFile(const std::string& contents) {
        spit(dir.filePath("f.vhl"), contents);
        prompts.messages.clear();
        const auto file = checkProjectPath(storage, path("f.vhl"), prompts);
        if (file) loadProjectFile(design, *file);
        return file.has_value();
    }
    Design design;
    testing::ScriptedPrompts prompts;
    std::string before;
};

TEST_F(BrokenFiles, AreRefusedAndTheDesignStaysAsItWas) {
    std::mt19937 rng(7);
    std::string junk(kProjectFileReadLimit + 1024, '\0');
    for (char& c : junk) c = static_cast<char>(rng());
    const std::string magic = "Varnholt-Corvane Systems-Version2\r\n";
    for (const std::string& contents :
         {std::string("\x7f"
                      "ELF\x02\x01\x01\0\0\0",
                      10),
          magic + junk, magic + std::string(kProjectFileReadLimit, 'a'),
          magic + std::string("T\r\nN\0D\r\n", 8)}) {
        EXPECT_FALSE(readFile(contents));
        EXPECT_EQ(prompts.messages, std::vector<std::string>{"Not a valid Soakaway File."});
        EXPECT_EQ(writeProjectFile(design.record()), before);
    }
}

TEST_F(BrokenFiles, FreeTextInTheWindowsCodePageIsReadAsSuch) {
    ASSERT_TRUE(
        readFile("Varnholt-Corvane Systems-Version2\r\nCaf\xe9 \x80 5\r\nN\r\n\x93"
                 "D\x94\r\n"));
    EXPECT_EQ(design.record().text(Field::projtit), "Caf\xc3\xa9 \xe2\x82\xac 5");
    EXPECT_EQ(design.record().text(Field::desname),
              "\xe2\x80\x9c"
              "D"
              "\xe2\x80\x9d");
    EXPECT_EQ(design.record().text(Field::projnum), "N");
}

}  // namespace
}  // namespace varnholt
