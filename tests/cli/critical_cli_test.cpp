// The critical storm table through the headless driver: the JSON a checker reads, the text
// table, and the governing storm fed back into the design agreeing with the main window.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"
#include "pdf_words.h"

namespace {

using nlohmann::json;
using varnholt::testing::CliRun;
using varnholt::testing::runCli;

// A slow soil: the day-long storm needs the longest trench.
const std::vector<std::string> kWorked = {"--set", "txtarea=100",      "--set", "txtrain=0.02",
                                          "--set", "txtsinf=0.000001", "--set", "txtdepth=1.5",
                                          "--set", "lblwid=0.5",       "--set", "txtlength=10"};

CliRun critical(std::vector<std::string> extra) {
    std::vector<std::string> args = {"critical"};
    args.insert(args.end(), kWorked.begin(), kWorked.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return runCli(args);
}

TEST(CliCritical, GoverningStormFedBackSizesTheTrenchAsTheTableSays) {
    const CliRun run = critical({"--r", "0.3", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    ASSERT_EQ(j["rows"].size(), 11u);
    EXPECT_EQ(j["rows"][4]["minutes"], 60);
    EXPECT_DOUBLE_EQ(j["rows"][4]["rainfall"].get<double>(), 0.0248);
    EXPECT_EQ(j["trenchGoverning"], 1440);  // not the hour the design was typed with
    EXPECT_EQ(j["useInDesign"]["txtsdur"], "1440");
    // 65.992512 mm written as an engineer writes it, rounded up to 0.1 mm.
    EXPECT_EQ(j["useInDesign"]["txtrain"], "0.066");
    EXPECT_EQ(j["rows"][10]["minutes"], 2880);
    EXPECT_FALSE(j["trenchLongestGoverns"].get<bool>());

    std::vector<std::string> args = {"design"};
    args.insert(args.end(), kWorked.begin(), kWorked.end());
    for (const char* s : {"txtsdur=1440", "txtrain=0.066"}) {
        args.push_back("--set");
        args.push_back(s);
    }
    args.push_back("--json");
    const json design = json::parse(runCli(args).out);
    // The storm a hair heavier, the length cut to centimetres: within a centimetre of the need.
    const double shown = std::stod(design["fields"]["txtlength"].get<std::string>());
    EXPECT_NEAR(shown, j["rows"][9]["trenchLength"].get<double>(), 0.01);
}

TEST(CliCritical, AllowanceScalesEveryRainfallAndTheTextMarksTheGoverningRows) {
    const json plain = json::parse(critical({"--json"}).out);
    const json raised =
        json::parse(critical({"--allowance", "40", "--region", "sni", "--json"}).out);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_GT(raised["rows"][i]["trenchLength"].get<double>(),
                  plain["rows"][i]["trenchLength"].get<double>());
        EXPECT_NEAR(raised["rows"][i]["rainfall"].get<double>(),
                    raised["rows"][i]["m10"].get<double>() * 1.4 / 1000, 1e-15);
    }
    const CliRun text = critical({});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("<- trench governs"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("<- ring governs"), std::string::npos);
    EXPECT_NE(text.out.find("Use in Design: txtsdur 1440, txtrain 0.066"), std::string::npos);
}

// Nor storms no site has: --m560 1e308 once went through to a "Use in Design" of INF.
TEST(CliCritical, RefusesWhatTheTablesDoNotCover) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    for (const Case& c :
         {Case{{"--r", "0.5"}, 1, "between 0.12 and 0.45"},
          Case{{"--allowance", "-20"}, 1, "between 0 and 100 %"},
          Case{{"--allowance", "1e308"}, 1, "between 0 and 100 %"},
          Case{{"--m560", "0"}, 1, "between 5 and 100 mm"},
          Case{{"--m560", "1e308"}, 1, "between 5 and 100 mm: the UK's lies between about 10"},
          Case{{"--m560", "100.5", "--json"}, 1, "between 5 and 100 mm"},
          Case{{"--region", "fr"}, 2, "ew or sni"}, Case{{"--r", "x"}, 2, "needs a number"}}) {
        const CliRun run = critical(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[1];
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.args[1];
    }
}

// The table makes its own storms: it needs neither txtrain nor txtsdur, and names an input it
// does need. Rows needing no storage carry a flag, not a negative size; a governing two-day
// storm says that longer ones may need more.
TEST(CliCritical, OwnStormsNamedInputsNoneNeededAndTheLongestStorm) {
    const std::vector<std::string> bare = {"critical",   "--set",           "txtarea=100",
                                           "--set",      "txtsinf=0.00001", "--set",
                                           "txtdepth=1", "--set",           "lblwid=0.6"};
    const CliRun own = runCli(bare);
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(own.err, "");
    const CliRun missing = runCli({"critical", "--set", "txtsinf=0.00001", "--set", "txtdepth=1"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("the impermeable area is empty"), std::string::npos) << missing.err;

    std::vector<std::string> fast = {"critical",     "--set", "txtFOS=1.5",      "--set",
                                     "txtarea=75",   "--set", "txtsinf=4.46E-5", "--set",
                                     "txtdepth=1.5", "--set", "lblwid=1.5",      "--r",
                                     "0.35"};
    fast.push_back("--json");
    const json j = json::parse(runCli(fast).out);
    for (std::size_t i : {9u, 10u}) {
        EXPECT_TRUE(j["rows"][i]["trenchNoneNeeded"].get<bool>()) << i;
        EXPECT_TRUE(j["rows"][i]["trenchLength"].is_null()) << i;
        EXPECT_TRUE(j["rows"][i]["trenchHalfEmpty"].is_null()) << i;
    }
    EXPECT_FALSE(j["rows"][4]["trenchNoneNeeded"].get<bool>());
    EXPECT_GT(j["rows"][4]["trenchLength"].get<double>(), 0);
    fast.pop_back();
    const std::string text = runCli(fast).out;
    EXPECT_NE(text.find("none needed"), std::string::npos) << text;
    EXPECT_EQ(text.find("-0."), std::string::npos) << text;

    // Slow soil, low r: the two-day storm governs.
    const CliRun slow = runCli({"critical", "--set", "txtarea=100", "--set", "txtsinf=0.0000001",
                                "--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--r", "0.12"});
    EXPECT_NE(slow.out.find("Trench: the longest storm governs: check longer durations."),
              std::string::npos)
        << slow.out;
}

TEST(CliCritical, WritesTheRecordAsAPdf) {
    const std::string path = ::testing::TempDir() + "critical-record.pdf";
    std::remove(path.c_str());
    const CliRun run = critical({"--set", "projtit=Mill Lane", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream in(path, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

// Of crates, the record names the ratio and the whole-unit tank the table was sized with, not
// the gravel's and the fields' alone.
TEST(CliCritical, TheRecordOfACrateTrenchNamesTheCratesAndTheTank) {
    const std::string path = ::testing::TempDir() + "critical-crates.pdf";
    std::remove(path.c_str());
    const CliRun run = critical({"--set", "txtfill=crates", "--options-ok", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = varnholt::testing::commandOutput("pdftotext -layout " + path + " -");
    EXPECT_NE(text.find("void ratio 0.3 (crates 0.95)"), std::string::npos) << text;
    EXPECT_NE(text.find("crate tank 0.5 m wide x 1.6 m deep"), std::string::npos) << text;
}

}  // namespace
