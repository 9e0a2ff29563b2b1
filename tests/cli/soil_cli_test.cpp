// The infiltration-rate dialogs through the headless driver: the trial pit's Calculate and the
// soil table's Use in Design, as a script of a design uses them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using nlohmann::json;
using varnholt::testing::runCli;

json designJson(std::vector<std::string> args) {
    args.insert(args.begin(), "design");
    args.push_back("--json");
    const auto run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
}

// The worked trench: 100 m2, 0.02 m of rain, 1.5 m deep, its length typed as 10 m.
std::vector<std::string> workedTrench(std::vector<std::string> more) {
    std::vector<std::string> args = {"--set", "txtarea=100",     "--set", "txtrain=0.02",
                                     "--set", "txtsinf=0.00001", "--set", "txtdepth=1.5",
                                     "--set", "lblwid=0.5",      "--set", "txtlength=10"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliInfiltrationRate, EachDialogWritesItsRateAndTheTrenchIsSizedUnderIt) {
    struct Case {
        std::vector<std::string> action;
        const char* written;
    };
    for (const Case& c :
         {Case{{"--trial-pit", "2,1,1,100"}, "3.33E-5"},
          Case{{"--trial-pit", "1,1,1,1000"}, "2.77E-6"},
          Case{{"--soil-table", "clay"}, "0.0000002"}, Case{{"--soil-table", "3"}, "0.0000027"},
          Case{{"--soil-table", "Sandy Loam"}, "0.0000055"}}) {
        SCOPED_TRACE(c.written);
        const json j = designJson(workedTrench(c.action));
        // As if the rate had been typed and the main window then become active.
        const json typed =
            designJson(workedTrench({"--set", std::string("txtsinf=") + c.written, "--activate"}));
        EXPECT_EQ(j["fields"]["txtsinf"], c.written);
        EXPECT_TRUE(j["messages"].empty()) << j["messages"];
        for (const char* f : {"txtlength", "lblwid", "lbltime"})
            EXPECT_EQ(j["fields"][f], typed["fields"][f]) << f;
        EXPECT_NE(j["fields"]["txtlength"], "10.01") << "a new rate solves the length";
    }
}

TEST(CliInfiltrationRate, RefusedPitValuesAreReportedAndWriteNothing) {
    struct Case {
        const char* pit;
        const char* message;
    };
    for (const Case& c : {Case{",,,", "You must enter valid numbers in each box."},
                          Case{"2,1,0,100", "You must enter valid numbers in each box."},
                          Case{"2,1,1 m,100", "'1 m' is not a valid floating point value"},
                          Case{"2,1,1,0.0",
                               "The trial pit values give no infiltration rate: the length, width, "
                               "depth and time must each be a number greater than 0."},
                          Case{"-2,1,1,100",
                               "The trial pit values give no infiltration rate: the length, "
                               "width, depth and time must each be a number greater than 0."}}) {
        SCOPED_TRACE(c.pit);
        const json j = designJson(workedTrench({"--trial-pit", c.pit}));
        EXPECT_EQ(j["messages"], json::array({c.message}));
        EXPECT_EQ(j["fields"]["txtsinf"], "0.00001");
        EXPECT_EQ(j["fields"]["lblwid"], "0.32");
    }
}

TEST(CliInfiltrationRate, MalformedActionsAreUsageErrors) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--trial-pit", "2,1,1"},
          std::vector<std::string>{"--trial-pit", "2,1,1,100,5"},
          std::vector<std::string>{"--soil-table", "Peat"},
          std::vector<std::string>{"--soil-table", "6"},
          std::vector<std::string>{"--soil-table"}}) {
        std::vector<std::string> full = {"design"};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(runCli(full).status, 2) << args.back();
    }
}

}  // namespace
