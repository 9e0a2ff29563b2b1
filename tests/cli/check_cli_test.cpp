// The design check through the headless driver: its exit statuses, its refusals and the
// record's texts as a PDF reader extracts them.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"
#include "pdf_words.h"

namespace {

using nlohmann::json;
using varnholt::testing::CliRun;
using varnholt::testing::runCli;

// The worked trench with the factor of safety C753 asks for 100 m2 and minor damage.
const std::vector<std::string> kWorked = {"--set", "txtarea=100",     "--set", "txtrain=0.0248",
                                          "--set", "txtsinf=0.00001", "--set", "txtdepth=1.5",
                                          "--set", "lblwid=0.5",      "--set", "txtlength=10",
                                          "--set", "txtFOS=3"};

CliRun run(const std::string& command, std::vector<std::string> extra) {
    std::vector<std::string> args = {command};
    args.insert(args.end(), kWorked.begin(), kWorked.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return runCli(args);
}

TEST(CliCheck, TheCheckOfACrateTankCountsItsUnits) {
    const CliRun crates = run("check", {"--set", "txtfill=crates", "--options-ok", "--json"});
    ASSERT_EQ(crates.status, 3) << crates.err;
    const json j = json::parse(crates.out);
    EXPECT_EQ(j["crates"]["units"], "4 x 1 x 4 = 16 units");
    EXPECT_EQ(j["crates"]["count"], 16);
    EXPECT_EQ(j["crates"]["size"], "4.00 x 0.50 x 1.60 m");
    EXPECT_FALSE(json::parse(run("check", {"--json"}).out).contains("crates"));
}

TEST(CliCheck, ExitsWith3WhileACheckFailsAnd0OnceEveryCheckPasses) {
    // Typed with the hour's storm, the trench is short for the storm that governs.
    const CliRun typed = run("check", {"--json"});
    ASSERT_EQ(typed.status, 3) << typed.err;
    const json failing = json::parse(typed.out);
    EXPECT_FALSE(failing["passes"].get<bool>());
    EXPECT_EQ(failing["checks"][0]["name"], "Critical storm");
    EXPECT_EQ(failing["checks"][0]["verdict"], "fail");

    // Designed for it, as the critical storm table's Use in Design would.
    const json storm = json::parse(run("critical", {"--json"}).out);
    const std::vector<std::string> designed = {
        "--set", "txtsdur=" + storm["useInDesign"]["txtsdur"].get<std::string>(), "--set",
        "txtrain=" + storm["useInDesign"]["txtrain"].get<std::string>()};
    std::vector<std::string> args = designed;
    args.push_back("--json");
    const CliRun passing = run("check", args);
    ASSERT_EQ(passing.status, 0) << passing.out;
    EXPECT_TRUE(json::parse(passing.out)["passes"].get<bool>());

    struct Case {
        std::vector<std::string> args;
        int status;
    };
    for (const Case& c :
         {Case{{"--groundwater", "2.5"}, 0}, Case{{"--groundwater", "2.49"}, 3},
          Case{{"--building", "5"}, 0}, Case{{"--building", "4.9"}, 3},
          Case{{"--consequence", "buildings"}, 3}, Case{{"--fos", "1.5,2,10,1.5,2,10,1.5,5,10"}, 0},
          Case{{"--creep", "10"}, 3},
          Case{{"--pit", "2,0.6", "--pit-test", "1,30", "--pit-test", "0.8,40"}, 0},
          Case{{"--set", "txtsinf=0.0001", "--pit", "2,0.6", "--pit-test", "1,30"}, 3}}) {
        std::vector<std::string> a = designed;
        a.insert(a.end(), c.args.begin(), c.args.end());
        const CliRun r = run("check", a);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << "\n" << r.out << r.err;
    }
}

// The faults a checking engineer found, each through the driver: its exit status and what
// the record says.
TEST(CliCheck, TheVerdictTellsTheTruth) {
    auto check = [](std::vector<std::string> args) {
        args.insert(args.begin(), "check");
        return runCli(args);
    };
    const std::vector<std::string> large = {
        "--set", "txtarea=1500",    "--set",         "txtrain=0.031", "--set", "txtsdur=120",
        "--set", "txtsinf=0.00005", "--set",         "txtdepth=1.5",  "--set", "lblwid=2",
        "--set", "txtlength=31.6",  "--consequence", "buildings"};
    const std::vector<std::string> noLength = {
        "--set", "txtFOS=1.5",     "--set",         "txtarea=75",
        "--set", "txtrain=0.0248", "--set",         "txtsinf=4.46E-5",
        "--set", "txtdepth=1.5",   "--set",         "lblwid=1.5",
        "--r",   "0.35",           "--consequence", "none"};
    auto with = [](std::vector<std::string> a, std::vector<std::string> more) {
        a.insert(a.end(), more.begin(), more.end());
        return a;
    };
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        std::vector<std::string> says;
    };
    for (const Case& c : {
             Case{"over 1,000 m2 the third band's 10",
                  large,
                  3,
                  {"Factor of safety: Fail. The factor of safety 1 is below the minimum 10 for a "
                   "drained area over 1000 m2",
                   "CIRIA C753 Table 25.2 (after CIRIA R156 Table 4.2)"}},
             Case{"a trench without a length",
                  noLength,
                  3,
                  {"Critical storm: Not designed. The trench on show has no length.",
                   "not designed"}},
             Case{"a storm the soil takes as it falls",
                  with(noLength, {"--set", "txtrain=0.025", "--set", "txtlength=2"}),
                  0,
                  {"none needed",
                   "3 checks pass, 5 not checked (no groundwater depth, no "
                   "building distance, no trial pit tests, FSR gives 10-year storms only)."}},
             Case{"--strict fails what was not checked",
                  with(noLength, {"--set", "txtrain=0.025", "--set", "txtlength=2", "--strict"}),
                  3,
                  {"5 not checked"}},
             // FSR gives no 30- or 100-year storm, so a strict check wants an FEH source.
             Case{"--strict with every input given but FSR's 10-year storms only",
                  with(noLength, {"--set", "txtrain=0.025", "--set", "txtlength=2", "--strict",
                                  "--groundwater", "9", "--building", "9", "--pit", "2,0.6",
                                  "--pit-test", "1,1"}),
                  3,
                  {"6 checks pass, 2 not checked (FSR gives 10-year storms only)."}},
             Case{"a trench cut to centimetres, millimetres short of the need",
                  with(noLength, {"--set", "txtlength=2"}),
                  3,
                  {"at least 2.0014 m long; the trench on show is only 2 m long, 0.0014 m short"}},
         }) {
        const CliRun r = check(c.args);
        EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.out << r.err;
        for (const std::string& s : c.says)
            EXPECT_NE(r.out.find(s), std::string::npos) << c.what << ": " << s << "\n" << r.out;
    }
    // The usage says what each exit status means.
    const CliRun help = runCli({"--help"});
    for (const char* s : {"[--strict]", "3 when a", "--fos the\nnine minimums"})
        EXPECT_NE(help.out.find(s), std::string::npos) << s;
}

TEST(CliCheck, RefusesBadArgumentsAndValues) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    for (const Case& c :
         {Case{{"--consequence", "grave"}, 2, "none, minor or buildings"},
          Case{{"--pit-test", "1,30"}, 2, "needs --pit"},
          Case{{"--pit", "2,0.6"}, 2, "at least one --pit-test"},
          Case{{"--pit", "2,0.6", "--pit-test", "1,30", "--pit-test", "1,30", "--pit-test", "1,30",
                "--pit-test", "1,30"},
               2,
               "at most three"},
          Case{{"--fos", "1,2,3,4,5,6"}, 2, "needs 9 numbers"},
          Case{{"--groundwater", "deep"}, 2, "needs 1 number"},
          Case{{"--pit", "2,0.6", "--pit-test", "0,30"}, 1, "Test 1"},
          Case{{"--pit", "2,0.6", "--pit-test", "1,30", "--pit-test", "1,1e9"},
               1,
               "Test 2: the time must lie above 0 and at most 10080 minutes"},
          Case{{"--pit", "2,0.6", "--pit-gravel", "1.5", "--pit-test", "1,30"}, 1, "void ratio"},
          Case{{"--building", "-1"}, 1, "0 m or more"},
          Case{{"--creep", "1e308"}, 1, "between 0 and 100 %"},
          Case{{"--m560", "1e308"}, 1, "between 5 and 100 mm"},
          Case{{"--fos-areas", "1000,100"}, 1, "areas must rise"}}) {
        const CliRun r = run("check", c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args[0] << ": " << r.err;
    }
}

TEST(CliCheck, TheRecordHoldsEverySectionWithItsVerdictsAndReasons) {
    const std::string path = ::testing::TempDir() + "design-check.pdf";
    std::remove(path.c_str());
    const CliRun r = run("check", {"--set",
                                   "projtit=Mill Lane",
                                   "--set",
                                   "desname=J. Checker",
                                   "--allowance",
                                   "20",
                                   "--creep",
                                   "10",
                                   "--groundwater",
                                   "2.3",
                                   "--building",
                                   "6",
                                   "--pit",
                                   "2,0.6",
                                   "--pit-gravel",
                                   "0.3",
                                   "--pit-test",
                                   "1,30",
                                   "--pit-test",
                                   "0.8,40",
                                   "-o",
                                   path});
    ASSERT_EQ(r.status, 3) << r.err;
    // One line per placed label: joined without line breaks, the words read as placed.
    std::string text = varnholt::testing::commandOutput("pdftotext -layout '" + path + "' -");
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    for (const char* expected :
         {"Design Check", "Project Title: Mill Lane", "Designer: J. Checker", "Inputs and options",
          "Factor of safety 3, void ratio 0.3",
          "Climate change allowance 20 % on every rainfall depth; urban creep allowance 10 %",
          "Drained area with the urban creep allowance: 110 m2",
          "Pit 2 m long x 0.6 m wide, filled with gravel of void ratio 0.3",
          "Test 2: effective depth 0.8 m, fall from 75 % to 25 % in 40 min: 1.82E-5 m/s",
          "Design rate, the lowest (BRE 365): 1.82E-5 m/s, test 2", "CIRIA C753 Table 25.2",
          "Critical storm duration", "Length (m)", "Critical storm Fail", "Half-empty time Pass",
          "Factor of safety Pass", "Groundwater Fail", "a clearance of only 0.8 m",
          "Building distance Pass", "Infiltration rate Pass",
          "not above the lowest trial pit rate, 1.82E-5 m/s of test 2",
          "Made with Varnholt 4.0.0 on",
          "No flooding on site Not checked Not checked: the FSR source gives 10-year storms "
          "only; choose an FEH source.",
          "4 checks pass, 2 fail, 2 not checked (FSR gives 10-year storms only).",
          // The events on a page of their own, with their plot.
          "Design Check: storm events"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n---\n" << text;
    }
}

// The Maun export through --feh: the events in the JSON, an exceedance that passes and a
// flooded site that fails, a project's own inputs under the options, and refused files.
TEST(CliCheck, FehEventsDecideTheExitStatus) {
    const std::string maun = VARNHOLT_SOURCE_DIR "/tests/data/feh/028115-maun-at-mansfield.xml";
    // 2 m wide, 1.5 m deep: 0.9 m3 a metre; at 8 m the 30-year storm fits, the 100-year not.
    auto trench = [&](const std::string& length, std::vector<std::string> more) {
        std::vector<std::string> args = {"check",
                                         "--set",
                                         "txtarea=100",
                                         "--set",
                                         "txtsinf=0.00001",
                                         "--set",
                                         "txtdepth=1.5",
                                         "--set",
                                         "txtFOS=3",
                                         "--set",
                                         "lblwid=2",
                                         "--set",
                                         "txtlength=" + length,
                                         "--feh",
                                         maun,
                                         "--source",
                                         "feh13"};
        args.insert(args.end(), more.begin(), more.end());
        return runCli(args);
    };
    const CliRun fits = trench("8", {"--json"});
    ASSERT_EQ(fits.status, 0) << fits.err << fits.out;
    const json j = json::parse(fits.out);
    EXPECT_EQ(j["source"]["kind"], "feh13");
    EXPECT_EQ(j["source"]["origin"], "028115-maun-at-mansfield.xml");
    EXPECT_EQ(j["source"]["figures"]["durations"].front(), 0.083);
    const json& buildings = j["events"][2];
    EXPECT_EQ(buildings["key"], "buildings");
    EXPECT_EQ(buildings["returnPeriod"], 100);
    EXPECT_EQ(buildings["verdict"], "exceedance");
    EXPECT_NEAR(buildings["exceedance"].get<double>(),
                buildings["needed"].get<double>() - j["provided"].get<double>(), 1e-9);
    EXPECT_EQ(buildings["rows"].size(), 11u);
    EXPECT_EQ(j["events"][1]["verdict"], "pass");

    struct Case {
        std::string length;
        std::vector<std::string> args;
        int status;
        std::string says;  // on standard error for status 1, else in the text
    };
    for (const Case& c : {
             Case{"5", {}, 3, "No flooding on site: Fail."},
             Case{"5", {"--event", "site=10,0"}, 0, "No flooding on site: Pass."},
             Case{"8", {"--event", "buildings=100,0"}, 0, "No flooding of buildings: Pass."},
             Case{"8", {"--event", "site=1e6,40"}, 1, "at most 100000 years"},
             Case{"8", {"--source", "feh99"}, 0, "FEH99 (028115-maun-at-mansfield.xml, catchment"},
             Case{"8",
                  {"--feh99", "-0.023,0.273,0.351,0.236,0.309,2.488", "--source", "feh99"},
                  0,
                  "FEH99 (typed): c -0.023"},
             Case{"8", {"--feh", "/nonexistent/maun.xml"}, 1, "cannot read /nonexistent/maun.xml"},
             Case{"8", {"--feh", VARNHOLT_SOURCE_DIR "/README.md"}, 1, "README.md, line 1"},
         }) {
        const CliRun r = trench(c.length, c.args);
        EXPECT_EQ(r.status, c.status) << c.length << " " << c.args[0] << "\n" << r.out << r.err;
        const std::string& where = c.status == 1 ? r.err : r.out;
        EXPECT_NE(where.find(c.says), std::string::npos) << c.says << "\n" << where;
    }
    // Options change only what they name: the project's inputs stay under them.
    const std::string project = ::testing::TempDir() + "feh-project.vhl";
    ASSERT_EQ(runCli({"design", "--set", "txtarea=100", "--save", project}).status, 0);
    const CliRun opened = runCli({"check", project, "--feh", maun, "--return-period", "30", "--set",
                                  "txtsinf=0.00001", "--set", "txtdepth=1.5"});
    EXPECT_NE(opened.out.find("FEH22 depth table (028115-maun-at-mansfield.xml)"),
              std::string::npos)
        << opened.out << opened.err;
    EXPECT_NE(opened.out.find("return period 30 years"), std::string::npos) << opened.out;
}

}  // namespace
