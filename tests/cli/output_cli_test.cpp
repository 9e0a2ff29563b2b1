// What the headless driver prints, as a batch script on a server meets it: PDFs drawn with no
// display at hand (a DISPLAY naming a gone X server once aborted the run), standard error
// holding the driver's own messages and every one of them (a refused action was dropped
// unless --json was given, while Qt's warnings came through), and output that is valid UTF-8
// whatever bytes the arguments hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using varnholt::testing::CliRun;
using varnholt::testing::runCli;

const std::string kSample = std::string(VARNHOLT_SOURCE_DIR) + "/samples/garage-roof.vhl";

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A display no X server answers: neither its socket (in the file system or the abstract
// namespace) nor its lock file is there.
std::string goneDisplay() {
    const std::string sockets = slurp("/proc/net/unix");
    for (int n = 98;; ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        if (fs::exists(socket) || fs::exists("/tmp/.X" + std::to_string(n) + "-lock") ||
            sockets.find(socket + "\n") != std::string::npos)
            continue;
        return ":" + std::to_string(n);
    }
}

// As a root shell on a server with a stale DISPLAY: no runtime folder, and a platform asked
// for that would need the display.
std::vector<std::string> hostileEnvironment() {
    return {"-u", "XDG_RUNTIME_DIR", "DISPLAY=" + goneDisplay(), "QT_QPA_PLATFORM=xcb"};
}

// Throws when the text is not UTF-8, as a strict decoder does.
void expectUtf8(const std::string& text, const std::string& what) {
    EXPECT_NO_THROW(static_cast<void>(json(text).dump())) << what;
}

class CliOutput : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("output-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(CliOutput, DrawsEveryPdfWithoutADisplayAndSaysNothingOfItsOwnOnSuccess) {
    struct Case {
        std::vector<std::string> args;
        bool pdf;
        int status;  // the sample fails its design check
    };
    for (const Case& c :
         {Case{{"sheet"}, true, 0}, Case{{"critical"}, true, 0}, Case{{"check"}, true, 3},
          Case{{"design"}, false, 0}, Case{{"design", "--json"}, false, 0},
          Case{{"critical"}, false, 0}, Case{{"check", "--json"}, false, 3}}) {
        std::vector<std::string> args = {c.args[0], kSample};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const fs::path pdf = dir / (c.args[0] + ".pdf");
        if (c.pdf) args.insert(args.end(), {"-o", pdf.string()});
        SCOPED_TRACE(args[0] + (c.pdf ? " -o" : ""));
        const CliRun run = runCli(args, hostileEnvironment());
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, "");
        if (c.pdf) {
            EXPECT_EQ(slurp(pdf).substr(0, 5), "%PDF-");
        }
    }
}

// A pit of zero length is refused in the trial-pit dialog: the design keeps its rate, and
// every command says so on standard error, once, in the program's words.
TEST_F(CliOutput, EveryMessageOfARefusedActionReachesStandardError) {
    const std::string refused = "You must enter valid numbers in each box.";
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string pdf = (dir / "out.pdf").string();
    for (const Case& c : {Case{{"design"}, 0}, Case{{"design", "--json"}, 0}, Case{{"critical"}, 0},
                          Case{{"critical", "--json"}, 0}, Case{{"critical", "-o", pdf}, 0},
                          Case{{"check"}, 3}, Case{{"check", "--json"}, 3},
                          Case{{"check", "-o", pdf}, 3}, Case{{"sheet", "-o", pdf}, 0}}) {
        std::vector<std::string> args = {c.args[0], kSample, "--trial-pit", "0,1,1,1"};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const CliRun run = runCli(args, hostileEnvironment());
        SCOPED_TRACE(args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, refused + "\n");
    }
    // The report on standard output still carries it, as before.
    EXPECT_NE(runCli({"design", kSample, "--trial-pit", "0,1,1,1"}).out.find("Message: " + refused),
              std::string::npos);
}

// $'Caf\xe9' from a Latin-1 terminal: the field holds "Café", read as the project reader reads
// old files, and a file name in such bytes cannot spoil the report either.
TEST_F(CliOutput, EveryReportIsUtf8WhateverBytesTheArgumentsHold) {
    const std::string latin1 = "Caf\xe9";
    const std::string utf8 = "Caf\xc3\xa9";
    const std::string saved = (dir / ("caf\xe9.vhl")).string();
    const std::string missing = (dir / ("gone\xe9.vhl")).string();

    const CliRun design =
        runCli({"design", "--set", "projtit=" + latin1, "--save", saved, "--json"});
    ASSERT_EQ(design.status, 0) << design.err;
    json j;
    ASSERT_NO_THROW(j = json::parse(design.out));
    EXPECT_EQ(j["fields"]["projtit"], utf8);
    expectUtf8(j["caption"].get<std::string>(), "caption");

    const CliRun reopened = runCli({"design", saved});
    EXPECT_NE(reopened.out.find("Project: " + utf8), std::string::npos) << reopened.out;

    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    for (const Case& c :
         {Case{{"design", missing, "--json"}, "gone"}, Case{{"design", missing}, "gone"},
          Case{{"check", kSample, "--set", "projtit=" + latin1}, "Title: " + utf8},
          Case{{"critical", missing}, "gone"},
          Case{{"design", "--set", "txt" + latin1 + "=1"}, "unknown field"}}) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliRun run = runCli(c.args);
        expectUtf8(run.out, "standard output");
        expectUtf8(run.err, "standard error");
        EXPECT_NE((run.out + run.err).find(c.says), std::string::npos) << run.out << run.err;
        if (c.args.back() == "--json") {
            EXPECT_TRUE(json::accept(run.out));
        }
    }
}

}  // namespace
