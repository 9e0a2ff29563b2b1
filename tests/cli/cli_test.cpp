// End-to-end through the headless driver, as an engineer scripting designs would use it: the
// program's start, scripted edits in order, the JSON report and the exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using nlohmann::json;

using varnholt::testing::CliRun;
using varnholt::testing::runCli;

json designJson(std::vector<std::string> args) {
    args.insert(args.begin(), "design");
    args.push_back("--json");
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
}

const std::vector<std::string> kWorkedInputs = {"--set",        "txtarea=100", "--set",
                                                "txtrain=0.02", "--set",       "txtsinf=0.00001"};

std::vector<std::string> with(std::vector<std::string> more) {
    std::vector<std::string> args = kWorkedInputs;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliDesign, StartsAsTheProgramDoes) {
    const json j = designJson({});
    EXPECT_EQ(j["caption"], "Corvane Systems - Varnholt 4.0");
    EXPECT_EQ(j["fields"]["txtsdur"], "60");
    EXPECT_EQ(j["fields"]["txtVRC"], "1.00");
    EXPECT_EQ(j["flags"]["ProjectModified"], false);
    EXPECT_EQ(j["flags"]["solveWidth"], true);  // asked by the first activation, still pending
    EXPECT_EQ(j["CurrentFileName"], " ");
    EXPECT_EQ(j["ring_table"][0][0], "         900");
    EXPECT_EQ(j["values"]["halfEmptyTime"], 0.0);
    EXPECT_TRUE(j["messages"].empty());
}

TEST(CliDesign, WorkedTrenchEndsAsTheDesignerSeesIt) {
    const json j =
        designJson(with({"--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--set", "txtlength=10"}));
    EXPECT_EQ(j["fields"]["txtlength"], "10.01");
    EXPECT_EQ(j["fields"]["lblwid"], "0.32");
    EXPECT_EQ(j["fields"]["lbltime"], "1.29");
    EXPECT_EQ(j["flags"]["trenchdrawable"], true);
    EXPECT_EQ(j["outlinecolour"], "#000000");
    EXPECT_EQ(j["styles"]["lbltime"]["text"], "#0000ff");
    EXPECT_NEAR(j["values"]["trenchLength"].get<double>(), 10.013737373737374, 1e-12);
    EXPECT_EQ(j["visible"]["lblfiltertrench"], true);
}

// Length 3.25 solved for a trench 1.20 m wide and 1.5 m deep: a face of 120 by 150 pixels
// where it starts, the 3D box at the same size and the inflow pipe at its far end.
TEST(CliDesign, TrenchElevationAndSceneCarryTheSizedTrench) {
    const json j = designJson(
        with({"--set", "txtdepth=1.5", "--set", "lblwid=1.20", "--set", "txtlength=3.25"}));
    const json& trench = j["elevation"]["trench"];
    EXPECT_EQ(
        trench["shfront"],
        json({{"left", 288}, {"top", 340}, {"width", 120}, {"height", 150}, {"visible", true}}));
    EXPECT_EQ(trench["frontgrip2"]["left"], 288 + 112);
    EXPECT_EQ(trench["frontgrip2"]["top"], 340 + 71);
    EXPECT_EQ(trench["colour"], "#000000");
    ASSERT_FALSE(j["elevation"]["lines"].empty());
    for (const json& line : j["elevation"]["lines"]) EXPECT_EQ(line["colour"], "#000000");

    const json& objects = j["scene"]["objects"];
    EXPECT_EQ(objects["GLDummyTrench"]["visible"], true);
    EXPECT_EQ(objects["GLDummyRing"]["visible"], false);
    const std::vector<double> extent = objects["GLTrench"]["extent"];
    const std::vector<double> inflow = objects["GLTrenchInflow"]["position"];
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(extent[i], (std::array{3.25, 1.5, 1.2})[i], 1e-6) << i;
        EXPECT_NEAR(inflow[i], (std::array{3.125, 0.65, 0.0})[i], 1e-6) << i;
    }
    EXPECT_EQ(j["scene"]["captions"]["GLtxtwidth"], "Width = 1.20m");
    EXPECT_EQ(j["scene"]["captions"]["GLtxtlength"], "Length = 3.25m");
    EXPECT_EQ(j["scene"]["captions"]["GLtxtdepth"], "Depth = 1.5m");
}

// A failure depth of 1 m rules out the 900 and 1050 mm rings; the 1200 mm ring is 0.82 m deep.
// With crates the report counts the tank's units and gives its size; with gravel the report
// says nothing of crates, not even the fill's fields.
TEST(CliDesign, CratesGiveTheUnitsAndTheTankAndGravelSaysNothingOfThem) {
    const std::vector<std::string> trench = {"--set",      "txtdepth=1", "--set",
                                             "lblwid=0.6", "--set",      "txtlength=10"};
    const json gravel = designJson(with(trench));
    EXPECT_FALSE(gravel.contains("crates"));
    EXPECT_FALSE(gravel["fields"].contains("txtfill"));

    struct Case {
        std::vector<std::string> unit;
        int along, across, layers, count;
        double length, width, depth;
        const char* units;
        const char* size;
    };
    for (const Case& c :
         {Case{{}, 4, 1, 3, 12, 4, 0.5, 1.2, "4 x 1 x 3 = 12 units", "4.00 x 0.50 x 1.20 m"},
          Case{{"--set", "txtcratelength=0.7", "--set", "txtcratewidth=0.7", "--set",
                "txtcrateheight=0.7"},
               3,
               1,
               2,
               6,
               2.1,
               0.7,
               1.4,
               "3 x 1 x 2 = 6 units",
               "2.10 x 0.70 x 1.40 m"}}) {
        std::vector<std::string> args = {"--set", "txtfill=crates", "--options-ok"};
        args.insert(args.end(), c.unit.begin(), c.unit.end());
        args.insert(args.end(), trench.begin(), trench.end());
        const json j = designJson(with(args));
        SCOPED_TRACE(c.units);
        const json& crates = j["crates"];
        EXPECT_EQ(crates["along"], c.along);
        EXPECT_EQ(crates["across"], c.across);
        EXPECT_EQ(crates["layers"], c.layers);
        EXPECT_EQ(crates["count"], c.count);
        EXPECT_EQ(crates["units"], c.units);
        EXPECT_DOUBLE_EQ(crates["tank"]["length"].get<double>(), c.length);
        EXPECT_DOUBLE_EQ(crates["tank"]["width"].get<double>(), c.width);
        EXPECT_DOUBLE_EQ(crates["tank"]["depth"].get<double>(), c.depth);
        EXPECT_EQ(crates["size"], c.size);
        EXPECT_EQ(j["fields"]["txtfill"], "crates");
    }
}

TEST(CliDesign, RingElevationAndSceneCarryTheChosenRing) {
    const json j = designJson({"--set", "txtarea=98.5", "--set", "txtrain=0.01", "--set",
                               "txtsinf=0.00001", "--set", "txtringfail=1", "--page", "ring"});
    EXPECT_EQ(j["ring_row"], 3);
    const json& ring = j["elevation"]["ring"];
    EXPECT_EQ(ring["ringtop"]["width"], 120);
    EXPECT_EQ(ring["ringtop"]["visible"], true);
    EXPECT_EQ(ring["ringbottom"]["top"].get<int>() - ring["ringtop"]["top"].get<int>(), 82);

    const json& objects = j["scene"]["objects"];
    EXPECT_EQ(objects["GLDummyRing"]["visible"], true);
    EXPECT_EQ(objects["GLDummyTrench"]["visible"], false);
    EXPECT_NEAR(objects["GLPCRing"]["radius"].get<double>(), 0.6, 1e-6);
    EXPECT_NEAR(objects["GLPCRing"]["length"].get<double>(), 0.82, 1e-6);
    EXPECT_EQ(j["scene"]["captions"]["GLtxtdiameter"], "Diameter = 1.2m");
    EXPECT_EQ(j["scene"]["captions"]["GLtxtringdepth"], "Depth = 0.82m");
}

TEST(CliDesign, TypedKeysGoThroughTheKeyFilter) {
    const json j = designJson(
        {"--type", "txtarea=1.2.3e-", "--type", "projtit=Site A", "--type", "txtrain=0.05\\b2"});
    EXPECT_EQ(j["fields"]["txtarea"], "1.23");
    EXPECT_EQ(j["fields"]["projtit"], "Site A");
    EXPECT_EQ(j["fields"]["txtrain"], "0.02");
    EXPECT_EQ(j["flags"]["ProjectModified"], true);
    EXPECT_EQ(j["status"][1], " ");
}

// --type is the user typing: the sizing never writes back into the field being typed in, so
// each run ends with the text typed and the other fields sized for it. --set is the program
// writing, which the chain still settles.
TEST(CliDesign, TypedDimensionsStandAsTyped) {
    struct Case {
        std::vector<std::string> actions;
        const char *length, *width, *depth;
    };
    const std::vector<std::string> site = {"--set", "txtarea=150",     "--set", "txtrain=0.0248",
                                           "--set", "txtsinf=0.00001", "--set", "txtdepth=1.5",
                                           "--set", "lblwid=0.6"};
    for (const Case& c : {
             Case{{"--type", "txtlength=12.5"}, "12.5", "0.53", "1.5"},
             {{"--set", "txtlength=10", "--type", "txtlength=\\b\\b\\b\\b\\b12.5"},
              "12.5",
              "0.53",
              "1.5"},
             {{"--set", "txtlength=10", "--set", "lblwid=", "--type", "lblwid=0.6"},
              "11.38",
              "0.6",
              "1.5"},
             {{"--set", "txtlength=10", "--type", "lblwid=\\b\\b\\b\\b0.6"}, "11.38", "0.6", "1.5"},
             {{"--set", "txtlength=10", "--set", "txtdepth=", "--type", "txtdepth=2"},
              "7.55",
              "0.69",
              "2"},
             {{"--set", "txtlength=10", "--type", "txtdepth=\\b\\b\\b2"}, "7.55", "0.69", "2"},
             {{"--set", "txtlength=12.5"}, "12.62", "0.53", "1.5"},
         }) {
        std::vector<std::string> args = site;
        args.insert(args.end(), c.actions.begin(), c.actions.end());
        const json j = designJson(args);
        SCOPED_TRACE(c.actions.back());
        EXPECT_EQ(j["fields"]["txtlength"], c.length);
        EXPECT_EQ(j["fields"]["lblwid"], c.width);
        EXPECT_EQ(j["fields"]["txtdepth"], c.depth);
        EXPECT_TRUE(j["messages"].empty()) << j["messages"];
    }
}

// The rate is typed as the program writes it; a key the field refuses is said on the status
// bar; a solve that gives no buildable width writes nothing and the notice says why.
TEST(CliDesign, TypedRatesRefusedKeysAndNoticesAreReported) {
    const json rate = designJson({"--type", "txtsinf=1e-5", "--type", "txtarea=1,"});
    EXPECT_EQ(rate["fields"]["txtsinf"], "1E-5");
    EXPECT_EQ(rate["fields"]["txtarea"], "1");
    EXPECT_EQ(rate["status"][1], "Use a point for decimals.");
    EXPECT_TRUE(rate["messages"].empty());

    const json full = designJson(with({"--set", "txtdepth=1", "--set", "lblwid=1", "--set",
                                       "txtlength=10", "--set", "txtoverflow=100", "--activate"}));
    EXPECT_EQ(full["fields"]["lblwid"], "0.54");
    EXPECT_EQ(full["visible"]["lbltrenchnotice"], true);
    const std::string notice =
        "No water reaches the soakaway: the overflow takes all the runoff. Lower the overflow "
        "percentage in the design options.";
    EXPECT_EQ(full["notice_texts"]["lbltrenchnotice"], notice);
    EXPECT_NE(std::find(full["notices"].begin(), full["notices"].end(), notice),
              full["notices"].end());
    EXPECT_EQ(full["styles"]["lblwid"]["background"], "#00ffff");
    const CliRun text = runCli({"design", "--set", "txtarea=100", "--set", "txtrain=0.02", "--set",
                                "txtsinf=0.00001", "--set", "txtdepth=1", "--set", "lblwid=1",
                                "--set", "txtlength=10", "--set", "txtoverflow=100", "--activate"});
    EXPECT_NE(text.out.find("! " + notice), std::string::npos) << text.out;
}

TEST(CliDesign, ALonePointIsReportedAndTheSessionGoesOn) {
    const json j = designJson({"--type", "txtarea=.", "--type", "txtarea=5"});
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_EQ(j["messages"][0], "'.' is not a valid floating point value");
    EXPECT_EQ(j["fields"]["txtarea"], ".5");
}

TEST(CliDesign, TypingIsOneCharacterAndOneActionPerKey) {
    // Backspace takes the whole "é", not one of its two bytes.
    const json title = designJson({"--set", "projtit=Caf\xc3\xa9", "--type", "projtit=\\b"});
    EXPECT_EQ(title["fields"]["projtit"], "Caf");

    // The "." meets an empty depth in a ready design and is reported; the keys after it are
    // typed as the window types them.
    const json depth =
        designJson(with({"--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--set", "txtlength=10",
                         "--set", "txtdepth=", "--type", "txtdepth=.61"}));
    EXPECT_EQ(depth["fields"]["txtdepth"], ".61");
    EXPECT_EQ(depth["messages"].size(), 1u);
}

// Extreme inputs make results that are not finite; what is saved must open again whole.
TEST(CliDesign, ExtremeInputsSaveAProjectThatOpensAgain) {
    const std::vector<std::vector<std::string>> extremes = {
        {"--set", "txtrain=1e308"}, {"--set", "txtdepth=1e-320"}, {"--set", "txtFOS=0.0"},
        {"--set", "txtFOS=-0"},     {"--set", "txtFOS=1e-320"},
    };
    const std::string path = ::testing::TempDir() + "extreme.vhl";
    for (const auto& extreme : extremes) {
        SCOPED_TRACE(extreme[1]);
        auto args = with({"--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--set", "txtlength=10",
                          "--set", "projtit=Kept", "--set", "txthalfempty=48"});
        args.insert(args.end(), extreme.begin(), extreme.end());
        args.insert(args.end(), {"--save", path});
        designJson(args);
        const CliRun reopened = runCli({"design", path, "--json"});
        EXPECT_EQ(reopened.status, 0) << reopened.out;
        const json again = json::parse(reopened.out);
        EXPECT_TRUE(again["messages"].empty()) << again["messages"];
        EXPECT_EQ(again["fields"]["projtit"], "Kept");
        EXPECT_EQ(again["fields"]["txthalfempty"], "48");  // the last lines were read too
        EXPECT_EQ(again["fields"]["txtFOS"], extreme[1] == "txtFOS=1e-320" ? "1e-320" : "1")
            << "a factor of safety of zero reads as 1";
    }
}

TEST(CliDesign, OverLimitTrenchIsMarkedRed) {
    const json j = designJson(with({"--set", "txthalfempty=2", "--set", "txtdepth=1", "--set",
                                    "lblwid=1", "--set", "txtlength=10"}));
    EXPECT_EQ(j["fields"]["lbltime"], "2.13");
    EXPECT_EQ(j["visible"]["trenchwarning"], true);
    EXPECT_EQ(j["outlinecolour"], "#ff0000");
    EXPECT_EQ(j["styles"]["lbltime"]["background"], "#00ffff");
}

TEST(CliDesign, RingPageReportsTheTableAsItStands) {
    const json j = designJson({"--set", "txtarea=100", "--set", "txtrain=0.015", "--set",
                               "txtsinf=0.00001", "--page", "ring"});
    EXPECT_EQ(j["ring_table"][0], json({"         900", "        2.18", "        6.25"}));
    EXPECT_EQ(j["ring_table"][8], json({"         2700", "        0.25", "        18.75"}));
    EXPECT_EQ(j["ring_row"], 1);
    EXPECT_EQ(j["fields"]["rvdia"], "900");
    EXPECT_EQ(j["ringcolour"], "#000000");
    EXPECT_EQ(j["page"], "ring");
}

TEST(CliDesign, OpensAProjectFileAndNamesIt) {
    const std::string path = ::testing::TempDir() + "worked.vhl";
    std::ofstream(path, std::ios::binary)
        << "Varnholt-Corvane Systems-Version2\r\nT\r\nN\r\nD\r\n100\r\n0.00001\r\n0.02\r\n60\r\n"
           "10\r\n1.5\r\n1.00\r\n0.3\r\n0\r\n1\r\n1\r\n4\r\n5\r\n0.5\r\n0\r\n24\r\n0.2\r\n";
    const json j = designJson({path});
    EXPECT_EQ(j["caption"], "Varnholt - " + path);
    EXPECT_EQ(j["CurrentFileName"], path);
    EXPECT_EQ(j["values"]["appliedRingSurround"], true);
    EXPECT_EQ(j["values"]["appliedRingMargin"], 0.2);
    EXPECT_EQ(j["visible"]["lblfiltwarning"], true);
    EXPECT_EQ(j["status"][2], "Void Ratio = 0.3");
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

const std::string kWorkedProject =
    "Varnholt-Corvane Systems-Version2\r\nT\r\nN\r\nD\r\n100\r\n0.00001\r\n0.02\r\n60\r\n"
    "10\r\n1.5\r\n1.00\r\n0.3\r\n0\r\n1\r\n1\r\n4\r\n5\r\n0.5\r\n0\r\n24\r\n0.2\r\n";

// A file that failed to load is never a save target: the driver stops before any action,
// writes nothing and says why on standard error as well as in its report.
TEST(CliDesign, FilesThatCannotBeOpenedStopBeforeAnyAction) {
    std::string misspelt = kWorkedProject;
    misspelt.replace(misspelt.find("Varnholt"), 8, "Varnhalt");
    std::string abc = kWorkedProject;
    abc.replace(abc.find("\r\n100\r\n") + 2, 3, "abc");
    struct Case {
        std::string name, contents, message;
    };
    for (const Case& c :
         {Case{"misspelt.vhl", misspelt, "Not a valid Soakaway File."},
          Case{"notes.txt", "notes\n", "Not a valid Soakaway File."},
          Case{"garage.vhl", abc, "garage.vhl, line 5 (Impermeable Area): 'abc' is not a number"},
          Case{"missing.vhl", "", "No such file or directory"}}) {
        SCOPED_TRACE(c.name);
        const std::string path = ::testing::TempDir() + c.name;
        std::remove(path.c_str());
        if (!c.contents.empty()) std::ofstream(path, std::ios::binary) << c.contents;
        const CliRun run =
            runCli({"design", path, "--set", "projtit=Over", "--save", path, "--json"});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(slurp(path), c.contents);
        const json j = json::parse(run.out);
        ASSERT_EQ(j["messages"].size(), 1u);
        EXPECT_NE(j["messages"][0].get<std::string>().find(c.message), std::string::npos);
        EXPECT_EQ(j["fields"]["projtit"], "");  // no action was applied
        EXPECT_EQ(j["caption"], "Corvane Systems - Varnholt 4.0");
        EXPECT_EQ(j["CurrentFileName"], " ");
        EXPECT_EQ(j["flags"]["OpenFromCommandLine"], true);
    }
}

// --save writes only a project that opens again: a number field holding a text the reader
// refuses, or an empty option, makes it exit 1, saying which field, with nothing written.
TEST(CliDesign, SaveRefusesTextsTheFileCouldNotBeOpenedWith) {
    const std::string path = ::testing::TempDir() + "refused.vhl";
    for (const char* field : {"txtarea", "txtFOS"}) {
        for (const char* text :
             {"1e400", "1e-400", "abc", "\xc3\xa9", "1,5", "1e", "-", ".", "0x1"}) {
            SCOPED_TRACE(std::string(field) + "=" + text);
            std::remove(path.c_str());
            const CliRun run =
                runCli({"design", "--set", std::string(field) + "=" + text, "--save", path});
            EXPECT_EQ(run.status, 1);
            const std::string label =
                std::string(field) == "txtarea" ? "Impermeable Area" : "Factor of Safety";
            EXPECT_NE(
                run.err.find("Project NOT Saved! " + label + ": '" + text + "' is not a number."),
                std::string::npos)
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(path));
        }
    }
    const CliRun empty = runCli({"design", "--set", "txtVR=", "--save", path});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("Project NOT Saved! Void Ratio: no value is given."),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Saving never turns a named pipe into a file, and a read-only project stays read-only.
TEST(CliDesign, SaveLeavesWhatIsNotAFileAndKeepsAFilesMode) {
    const std::string pipe = ::testing::TempDir() + "pipe.vhl";
    std::remove(pipe.c_str());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const CliRun run = runCli({"design", "--save", pipe});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("It is a named pipe, not a regular file."), std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    std::remove(pipe.c_str());

    const std::string kept = ::testing::TempDir() + "read-only.vhl";
    std::filesystem::remove(kept);
    std::ofstream(kept, std::ios::binary) << kWorkedProject;
    std::filesystem::permissions(
        kept, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const CliRun over = runCli({"design", kept, "--set", "projtit=New", "--save", kept});
    const auto mode = std::filesystem::status(kept).permissions();
    EXPECT_EQ(mode, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    if (::geteuid() == 0) {
        EXPECT_EQ(over.status, 0) << over.err;
        EXPECT_NE(slurp(kept).find("\r\nNew\r\n"), std::string::npos);
    } else {
        EXPECT_EQ(over.status, 1);
        EXPECT_EQ(slurp(kept), kWorkedProject);
    }
    std::filesystem::permissions(kept, std::filesystem::perms::owner_all);
}

// An older, shorter file opens, with the options' defaults, and says what it lacked.
TEST(CliDesign, AShortFileOpensAndSaysWhichLinesWereMissing) {
    const std::string path = ::testing::TempDir() + "short.vhl";
    std::ofstream(path, std::ios::binary)
        << kWorkedProject.substr(0, kWorkedProject.find("\r\n0.3\r\n") + 2);
    const json j = designJson({path});
    EXPECT_EQ(j["messages"], json({"short.vhl ends after line 11; lines 12 to 21 were missing "
                                   "and their fields take their default values."}));
    EXPECT_EQ(j["fields"]["txtVR"], "0.3");
    EXPECT_EQ(j["status"][2], "Void Ratio = 0.3");
    EXPECT_EQ(j["status"][3], "Factor of Safety = 1");
    EXPECT_EQ(j["CurrentFileName"], path);
}

TEST(CliDesign, EachRunoffDialogCloseWidensTheTrench) {
    struct Case {
        std::vector<std::string> closes;
        std::string width, length;
    };
    for (const Case& c : {Case{{"--vrc-ok"}, "0.33", "9.78"},
                          Case{{"--vrc-ok", "--set", "txtVRC=0.9", "--vrc-ok"}, "0.34", "8.60"}}) {
        std::vector<std::string> args = {"--set",      "txtdepth=1.5", "--set",
                                         "lblwid=0.5", "--set",        "txtlength=10"};
        args.insert(args.end(), c.closes.begin(), c.closes.end());
        const json j = designJson(with(args));
        EXPECT_EQ(j["fields"]["lblwid"], c.width);
        EXPECT_EQ(j["fields"]["txtlength"], c.length);
        EXPECT_TRUE(j["messages"].empty());
    }
}

TEST(CliDesign, RefusedRunoffCoefficientIsReportedAndResetOnly) {
    struct Case {
        std::string coefficient, message, after;
    };
    for (const Case& c : {Case{"1.01", "Incorrect runoff coefficient.", "1.00"},
                          Case{"0", "Incorrect runoff coefficient.", "1.00"},
                          Case{".", "'.' is not a valid floating point value", "."}}) {
        const json j =
            designJson(with({"--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--set",
                             "txtlength=10", "--set", "txtVRC=" + c.coefficient, "--vrc-ok"}));
        EXPECT_EQ(j["messages"], json({c.message})) << c.coefficient;
        EXPECT_EQ(j["fields"]["txtVRC"], c.after);
        EXPECT_EQ(j["fields"]["lblwid"], "0.32");  // the dialog did not close
        EXPECT_EQ(j["fields"]["txtlength"], "10.01");
    }
}

TEST(CliDesign, OptionsOkReportsTheOptionsAndTakesTheRingFillOver) {
    const json j =
        designJson(with({"--set", "txtdepth=1.5", "--set", "lblwid=0.5", "--set", "txtlength=10",
                         "--set", "txtVR=0.4", "--set", "txtFOS=3", "--check", "chkringsur=1",
                         "--set", "txtringmargin=0.5", "--options-ok"}));
    EXPECT_EQ(j["status"][2], "Void Ratio = 0.4");
    EXPECT_EQ(j["status"][3], "Factor of Safety = 3");
    EXPECT_EQ(j["values"]["appliedRingSurround"], true);
    EXPECT_EQ(j["values"]["appliedRingMargin"], 0.5);
    EXPECT_EQ(j["fos_guidance"].get<std::string>().rfind("2 - 5.", 0), 0u);
    EXPECT_EQ(j["flags"]["solveWidth"], false);  // the width was solved under the new options
    EXPECT_EQ(j["fields"]["txtlength"], "10.07");
    EXPECT_EQ(j["fields"]["lblwid"], "0.30");
    EXPECT_TRUE(j["messages"].empty());
}

TEST(CliDesign, OptionsOkStopsAtATextThatIsNotANumber) {
    const json j = designJson({"--set", "txtVR=0.4", "--set", "txtFOS=.", "--options-ok"});
    EXPECT_EQ(j["messages"], json({"'.' is not a valid floating point value"}));
    EXPECT_EQ(j["status"][2], "");
}

TEST(CliDesign, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"design", "--set", "txtnothing=1"},
                                               {"design", "--set"},
                                               {"design", "--type", "lbltime=1"},
                                               {"design", "--check", "chkbase=yes"},
                                               {"design", "--page", "side"},
                                               {"design", "--bogus"},
                                               {"design", "a.vhl", "b.vhl"},
                                               {"build"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CliDesign, TextSummaryNamesTheResults) {
    const CliRun run = runCli({"design", "--set", "txtarea=100", "--set", "txtrain=0.02", "--set",
                               "txtsinf=0.00001", "--set", "txtdepth=1.5", "--set", "lblwid=0.5",
                               "--set", "txtlength=10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Length (m):                     10.01"), std::string::npos);
    EXPECT_NE(run.out.find("Half-empty time (h):            1.29"), std::string::npos);
}

TEST(CliDesign, SaveWritesTheProjectAndNamesIt) {
    const std::string path = ::testing::TempDir() + "saved by driver.vhl";
    std::remove(path.c_str());
    const json j = designJson({"--set", "projtit=Garage", "--set", "txtarea=100", "--save", path});
    EXPECT_EQ(j["caption"], "Varnholt - " + path);
    EXPECT_EQ(j["CurrentFileName"], path);
    EXPECT_EQ(j["flags"]["ProjectModified"], false);
    std::ifstream saved(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(bytes.rfind("Varnholt-Corvane Systems-Version2\r\nGarage\r\n\r\n\r\n100\r\n", 0), 0u);

    // Reopened, it comes back as it was saved.
    const json again = designJson({path});
    EXPECT_EQ(again["fields"]["projtit"], "Garage");
    EXPECT_EQ(again["fields"]["txtarea"], "100");
}

TEST(CliDesign, ASaveThatFailsSaysWhyAndExitsWithOne) {
    const std::string folder = ::testing::TempDir() + "a folder.vhl";
    std::filesystem::create_directories(folder);
    const CliRun run = runCli({"design", "--save", folder, "--json"});
    EXPECT_EQ(run.status, 1);
    const json j = json::parse(run.out);
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_EQ(j["messages"][0].get<std::string>().rfind("Cannot ", 0), 0u);
    EXPECT_EQ(j["caption"], "Corvane Systems - Varnholt 4.0");

    const CliRun blank = runCli({"design", "--save", " ", "--json"});
    EXPECT_EQ(blank.status, 1);
    EXPECT_EQ(json::parse(blank.out)["messages"][0], "Project NOT Saved! Invalid filename.");
}

}  // namespace
