// The rainfall dialog through the headless driver: the cells a designer would click, the
// depth "Use in Design" sends, and the values the tables do not hold refused by name.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using nlohmann::json;
using varnholt::testing::CliRun;
using varnholt::testing::runCli;

json designJson(std::vector<std::string> actions) {
    std::vector<std::string> args = {"design",       "--set", "txtarea=100",     "--set",
                                     "txtrain=0.02", "--set", "txtsinf=0.00001", "--set",
                                     "txtdepth=1.5", "--set", "lblwid=0.5",      "--set",
                                     "txtlength=10"};
    args.insert(args.end(), actions.begin(), actions.end());
    args.push_back("--json");
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
}

TEST(CliRainfall, WorkedChainSendsThirtyOneMillimetresAndTheTrenchFollows) {
    const json before = designJson({});
    const json used = designJson({"--rainfall", "0.30,120,25,ew"});
    EXPECT_EQ(used["fields"]["txtrain"], "0.031");
    EXPECT_EQ(used["fields"]["txtsdur"], "60");  // the duration stays the user's
    EXPECT_TRUE(used["messages"].empty());
    EXPECT_NE(used["fields"]["txtlength"], before["fields"]["txtlength"]);
    // Just as the designer typing the depth and coming back to the main window.
    const json typed = designJson({"--set", "txtrain=0.031", "--activate"});
    EXPECT_EQ(used["fields"], typed["fields"]);
    EXPECT_EQ(used["values"], typed["values"]);
}

TEST(CliRainfall, CellsAreFoundByTheValuesOfTheirHeadings) {
    struct Case {
        std::string choice, depth;
    };
    for (const Case& c : {Case{"0.3,120,25,ew", "0.031"}, Case{"0.30,120,25,sni", "0.0295"},
                          Case{"0.12,1440,100,ew", "0.1356"}, Case{"0.45,60,20,sni", "0.0238"},
                          Case{"0.12,5,5,ew", "0.005236"}}) {
        const json j = designJson({"--rainfall", c.choice});
        EXPECT_EQ(j["fields"]["txtrain"], c.depth) << c.choice;
    }
}

TEST(CliRainfall, ValuesTheTablesDoNotHoldAreUsageErrors) {
    struct Case {
        std::string choice, named;
    };
    for (const Case& c :
         {Case{"0.31,120,25,ew",
               "0.12, 0.15, 0.18, 0.21, 0.24, 0.27, 0.30, 0.33, 0.36, 0.39, "
               "0.42, 0.45, not '0.31'"},
          Case{"0.30,45,25,ew", "5, 10, 15, 30, 60, 120, 240, 360, 600, 1440 (minutes)"},
          Case{"0.30,120,35,ew", "5, 10, 15, 20, 25, 30, 40, 50, 75, 100 (mm)"},
          Case{"0.30,120,25,wales", "ew (England and Wales) or sni (Scotland and N Ireland)"},
          Case{"0.30,120,25", "R,DURATION,M5,REGION"}, Case{"0.30,120,25,ew,", "R,DURATION"},
          Case{"x,120,25,ew", "R must be one of"}}) {
        const CliRun run = runCli({"design", "--rainfall", c.choice});
        EXPECT_EQ(run.status, 2) << c.choice;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.choice << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.choice;
    }
}

}  // namespace
