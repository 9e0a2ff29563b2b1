// The routing of a storm through the headless driver: its text, JSON, CSV and PDF say the same, the
// CSV keeps every drop of water, and what cannot be routed is refused with the engine's reason.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "pdf_words.h"

namespace {

using nlohmann::json;
using varnholt::testing::CliRun;
using varnholt::testing::runCli;

const std::regex kSpecial(R"([.^$|()\[\]{}*+?\\])");
const std::string kSample = std::string(VARNHOLT_SOURCE_DIR) + "/samples/garage-roof.vhl";

CliRun run(const std::string& command, std::vector<std::string> extra) {
    std::vector<std::string> args = {command, kSample};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCli(args);
}

std::map<std::string, std::string> textLines(const std::string& text) {
    std::map<std::string, std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(": ");
        EXPECT_NE(colon, std::string::npos) << line;
        if (colon != std::string::npos) lines[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return lines;
}

std::vector<std::vector<double>> csvRows(const std::string& path, std::string& comment,
                                         std::string& header) {
    std::ifstream in(path);
    std::getline(in, comment);
    std::getline(in, header);
    std::vector<std::vector<double>> rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<double> row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) row.push_back(std::stod(cell));
        EXPECT_EQ(row.size(), 6u) << line;
        rows.push_back(row);
    }
    return rows;
}

TEST(CliRoute, TheTextAndTheJsonGiveTheSameFigures) {
    struct Figure {
        const char* label;
        const char* key;
    };
    constexpr Figure kFigures[] = {
        {"Peak storage, routed", "peakStored"},
        {"Storage by the BRE 365 balance", "balance"},
        {"Routed less balance", "difference"},
        {"Overflow", "overflow"},
        {"Half empty after the peak, routed", "halfEmptyHoursRouted"},
        {"Half-empty time by the formula", "halfEmptyHoursFormula"},
        {"Empty after the peak", "emptyHours"},
    };
    // As the sample keeps it, and in a clay that is not empty within the week.
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--set", "txtsinf=0.0000002"}}) {
        SCOPED_TRACE(extra.empty() ? "the sample" : "clay");
        const CliRun text = run("route", extra);
        ASSERT_EQ(text.status, 0) << text.err;
        std::vector<std::string> asJson = extra;
        asJson.push_back("--json");
        const CliRun jsonRun = run("route", asJson);
        ASSERT_EQ(jsonRun.status, 0) << jsonRun.err;
        const json results = json::parse(jsonRun.out)["results"];
        auto lines = textLines(text.out);
        EXPECT_EQ(lines["Profile"], "uniform");
        EXPECT_EQ(lines["Wetted area"], "wetted area at the water level");
        for (const Figure& f : kFigures) {
            SCOPED_TRACE(f.label);
            ASSERT_TRUE(lines.count(f.label));
            if (results[f.key].is_null()) {
                EXPECT_EQ(lines[f.label], "not within the 7 days routed");
                continue;
            }
            // The text shows two decimals.
            EXPECT_NEAR(std::stod(lines[f.label]), results[f.key].get<double>(), 0.01);
        }
        const std::string peak = lines["Peak level"];
        EXPECT_NEAR(std::stod(peak), results["peakLevel"].get<double>(), 0.01);
        EXPECT_EQ(peak.substr(peak.find(" at ") + 4),
                  std::to_string(std::lround(results["peakSeconds"].get<double>() / 60)) + " min");
    }
    // The clay case is the one that shows a time not reached.
    EXPECT_TRUE(
        json::parse(
            run("route", {"--set", "txtsinf=0.0000002", "--json"}).out)["results"]["emptyHours"]
            .is_null());
}

TEST(CliRoute, TheCsvHoldsEverySampleAndLosesNoWater) {
    const std::string path = ::testing::TempDir() + "routed.csv";
    for (const bool halfDepth : {false, true}) {
        SCOPED_TRACE(halfDepth ? "half depth" : "at the level");
        std::filesystem::remove(path);
        std::vector<std::string> args = {"--set", "txtVRC=0.8", "--duration", "240"};
        if (halfDepth) args.push_back("--half-depth");
        std::vector<std::string> toFile = args;
        toFile.insert(toFile.end(), {"-o", path});
        const CliRun written = run("route", toFile);
        ASSERT_EQ(written.status, 0) << written.err;
        EXPECT_EQ(written.out, "");
        args.push_back("--json");
        const json routed = json::parse(run("route", args).out);

        std::string comment, header;
        const auto rows = csvRows(path, comment, header);
        EXPECT_EQ(comment, halfDepth ? "# profile uniform, wetted area at half depth (BRE 365)"
                                     : "# profile uniform, wetted area at the water level");
        EXPECT_EQ(header,
                  "seconds (s),level (m),stored (m3),inflow (m3),infiltrated (m3),overflow (m3)");
        ASSERT_EQ(rows.size(), routed["series"].size());
        for (const auto& row : rows) {
            const double balance = row[2] + row[3 + 1] + row[5];
            ASSERT_NEAR(balance, row[3], 1e-9 * std::max(row[3], 1e-12)) << row[0] << " s";
        }
        // Every drop that fell on 100 m2 at a runoff coefficient of 0.8 came in.
        const double depth = routed["results"]["stormDepth"].get<double>();
        EXPECT_NEAR(rows.back()[3], 100 * 0.8 * depth, 1e-9 * 100 * 0.8 * depth);
        EXPECT_EQ(rows.back()[1], routed["series"].back()["level"].get<double>());
    }
}

TEST(CliRoute, ThePdfSaysWhatTheTextSays) {
    const std::string path = ::testing::TempDir() + "routed.pdf";
    std::filesystem::remove(path);
    const CliRun written = run("route", {"--half-depth", "-o", path});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::string pdf = varnholt::testing::commandOutput("pdftotext -layout '" + path + "' -");
    EXPECT_NE(pdf.find("Project Title: Garage roof"), std::string::npos) << pdf;
    const CliRun text = run("route", {"--half-depth"});
    std::istringstream lines(text.out);
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(": ");
        const std::regex laidOut(std::regex_replace(line.substr(0, colon), kSpecial, R"(\$&)") +
                                 " +" +
                                 std::regex_replace(line.substr(colon + 2), kSpecial, R"(\$&)"));
        EXPECT_TRUE(std::regex_search(pdf, laidOut)) << line << "\n" << pdf;
    }
}

TEST(CliRoute, RefusesWhatCannotBeRoutedAndWritesNothing) {
    const std::string path = ::testing::TempDir() + "refused.csv";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const std::vector<std::string> noLength = {"--set", "txtlength="};
    for (const Case& c : {
             Case{{"--profile", "summer"},
                  2,
                  "The FSR 50 % summer profile is not built: no published table of it could be "
                  "cited."},
             Case{{"--profile", "winter"}, 2, "The FSR 75 % winter profile is not built"},
             Case{{"--duration", "45"}, 1, "The storm table holds no 45 min storm; it holds 5,"},
             Case{{"--step", "61"},
                  1,
                  "The routing step must be 0 s (chosen) or lie between 1 s and 60 s."},
             Case{{"--step", "a minute"}, 2, "--step needs a number, not 'a minute'"},
             Case{{"--step", "0.5"}, 2, "--step below 1 s would take millions of steps"},
             Case{noLength, 1,
                  "The trench on show has no length, so there is nothing to route a storm "
                  "through."},
             Case{{"--event", "site"}, 1, "The FSR source gives 10-year storms only"},
             Case{{"--event", "moon"}, 2, "--event is design, site or buildings"},
         }) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::filesystem::remove(path);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", path});
        const CliRun r = run("route", args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    const CliRun text = run("route", {"-o", ::testing::TempDir() + "routed.txt"});
    EXPECT_EQ(text.status, 2);
    EXPECT_NE(text.err.find("-o names a .pdf or a .csv file"), std::string::npos) << text.err;
}

// A project with the storm to route kept in its design check section.
std::string keptProject(const std::string& name, const std::string& checkLines) {
    const std::string path = ::testing::TempDir() + name;
    std::ifstream sample(kSample, std::ios::binary);
    std::ofstream out(path, std::ios::binary);
    out << sample.rdbuf() << "[Design check]\r\n" << checkLines;
    return path;
}

TEST(CliRoute, StartsFromTheStormTheProjectKeepsAndChangesOnlyWhatIsGiven) {
    const std::string kept =
        keptProject("kept-route.vhl", "routeduration=120\r\nroutearea=halfdepth\r\n");
    auto lines = [&](std::vector<std::string> extra) {
        extra.insert(extra.begin(), {"route", kept});
        const CliRun r = runCli(extra);
        EXPECT_EQ(r.status, 0) << r.err;
        return textLines(r.out);
    };
    auto asKept = lines({});
    EXPECT_EQ(asKept["Storm"].substr(0, 8), "120 min,");
    EXPECT_NE(asKept["Storm"].find("(chosen)"), std::string::npos);
    EXPECT_EQ(asKept["Wetted area"], "wetted area at half depth (BRE 365)");
    auto longer = lines({"--duration", "240"});
    EXPECT_EQ(longer["Storm"].substr(0, 8), "240 min,");
    EXPECT_EQ(longer["Wetted area"], "wetted area at half depth (BRE 365)");

    // The check takes the routed time when the project says so, without --route.
    const std::string taken =
        keptProject("kept-check.vhl", "routeduration=120\r\nroutedcheck=1\r\n");
    const CliRun check = runCli({"check", taken});
    EXPECT_NE(check.out.find("Half-empty time: Pass. Routed through the 120 min storm"),
              std::string::npos)
        << check.out << check.err;
}

TEST(CliRoute, CheckTakesTheRoutedHalfEmptyTimeWhenAsked) {
    auto halfEmptyReason = [](std::vector<std::string> extra) {
        extra.push_back("--json");
        const CliRun r = run("check", extra);
        EXPECT_NE(r.status, 2) << r.err;
        const json report = json::parse(r.out);
        for (const json& item : report["checks"])
            if (item["name"] == "Half-empty time") return item["reason"].get<std::string>();
        return std::string();
    };
    const std::string formula = halfEmptyReason({});
    EXPECT_EQ(formula.find("Routed"), std::string::npos) << formula;

    auto routed = textLines(run("route", {}).out);
    auto beforeComma = [](const std::string& text) { return text.substr(0, text.find(',')); };
    const std::string reason = halfEmptyReason({"--route"});
    EXPECT_EQ(reason.find("Routed through the " + beforeComma(routed["Storm"]) +
                          " storm of the event \"Design (BRE 365 sizing)\" (uniform profile, "
                          "wetted area at the water level), the trench half empties " +
                          routed["Half empty after the peak, routed"] + " after its peak"),
              0u)
        << reason;
    EXPECT_NE(reason.find("(the formula gives " +
                          beforeComma(routed["Half-empty time by the formula"]) + ")"),
              std::string::npos)
        << reason;
    EXPECT_NE(halfEmptyReason({"--route", "--half-depth"}).find("wetted area at half depth"),
              std::string::npos);

    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"--half-depth"}, {"--route", "--profile", "winter"}}) {
        const CliRun r = run("check", refused);
        EXPECT_EQ(r.status, 2) << refused.back();
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
