#include "check_section.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "engine/number_text.h"
#include "text_encoding.h"

namespace varnholt {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kOriginKey = "fehorigin";

struct TableKey {
    std::string_view key;
    const char* name;
    std::optional<DepthTable> FehDepthTables::*table;
};
constexpr std::array<TableKey, 2> kTables = {{
    {"feh13", "FEH13", &FehDepthTables::feh13},
    {"feh22", "FEH22", &FehDepthTables::feh22},
}};

// One text, one line, as the reader will take it back: a line break would end it early and a
// NUL make the whole file unreadable.
std::string lineText(std::string_view text) {
    std::string out = lineToUtf8(text);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return cutToFieldLimit(std::move(out));
}

std::string figure(double value) {
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value).ptr;
    return std::string(buf.data(), end);
}

std::string figures(const std::vector<double>& values) {
    std::string out;
    for (double v : values) {
        if (!out.empty()) out += ',';
        out += figure(v);
    }
    return out;
}

bool isRainfall(const DepthTable& table) {
    try {
        checkDepthTable(table);
        return true;
    } catch (const std::domain_error&) {
        return false;
    }
}

void writeTable(std::string& out, std::string_view key, const DepthTable& table) {
    out.append(key).append("=").append(figures(table.returnPeriods)).append(kCrLf);
    for (std::size_t i = 0; i < table.durations.size(); ++i) {
        out.append(key).append(" ").append(figure(table.durations[i])).append("=");
        out.append(figures(table.depths[i])).append(kCrLf);
    }
}

std::optional<std::string> readFigures(std::string_view text, std::vector<double>& into) {
    while (true) {
        const auto comma = text.find(',');
        const std::string_view one = text.substr(0, comma);
        const auto value = tryParseNumber(one);
        if (!value) return quoted(one) + " is not a number";
        into.push_back(*value);
        if (comma == std::string_view::npos) return std::nullopt;
        text.remove_prefix(comma + 1);
    }
}

std::string tableName(std::size_t t) {
    return std::string(kTables[t].name) + " depth table";
}

// A table as its lines give it, checked whole once every line is read.
struct TableLines {
    int first = 0;  // the line a refusal of the whole table names
    bool periodsGiven = false;
    DepthTable table;
};

}  // namespace

std::string writeCheckSection(const CheckTexts& texts, const FehDepthTables& tables) {
    if (texts.isDefault() && tables == FehDepthTables{}) return {};
    std::string out(kCheckSectionMarker);
    out += kCrLf;
    for (const CheckTextDefault& d : kCheckTextDefaults) {
        const std::string& text = texts.text(d.key);
        if (text != d.text) out.append(d.key).append("=").append(lineText(text)).append(kCrLf);
    }
    if (!tables.origin.empty())
        out.append(kOriginKey).append("=").append(lineText(tables.origin)).append(kCrLf);
    for (const TableKey& k : kTables) {
        const std::optional<DepthTable>& table = tables.*k.table;
        if (table && isRainfall(*table)) writeTable(out, k.key, *table);
    }
    return out;
}

std::optional<CheckSectionProblem> readCheckSection(const std::vector<NumberedLine>& lines,
                                                    CheckSection& into) {
    std::array<TableLines, kTables.size()> tables;
    bool ours = false;
    for (const NumberedLine& line : lines) {
        const std::string_view text = line.text;
        const auto refuse = [&](std::string_view about, const std::string& why) {
            return CheckSectionProblem{line.number, std::string(about), why};
        };
        if (text.empty()) continue;
        if (text.front() == '[' && text.back() == ']') {
            ours = text == kCheckSectionMarker;
            continue;
        }
        if (!ours) continue;
        const auto eq = text.find('=');
        if (eq == std::string_view::npos)
            return refuse({}, quoted(text) + " is not of the form key=text");
        const std::string_view key = text.substr(0, eq), value = text.substr(eq + 1);
        if (isCheckTextKey(key) || key == kOriginKey) {
            if (auto problem = textLengthProblem(value)) return refuse(key, *problem);
            if (key == kOriginKey)
                into.tables.origin = value;
            else
                into.texts.set(key, std::string(value));
            continue;
        }
        for (std::size_t t = 0; t < kTables.size(); ++t) {
            const std::string_view name = kTables[t].key;
            const bool periods = key == name;
            const bool row =
                key.size() > name.size() && key.starts_with(name) && key[name.size()] == ' ';
            if (!periods && !row) continue;
            TableLines& read = tables[t];
            if (read.first == 0) read.first = line.number;
            std::optional<std::string> problem;
            if (periods && read.periodsGiven) {
                problem = "its return periods are given twice";
            } else if (periods) {
                read.periodsGiven = true;
                problem = readFigures(value, read.table.returnPeriods);
            } else {
                const std::string_view duration = key.substr(name.size() + 1);
                if (const auto hours = tryParseNumber(duration)) {
                    read.table.durations.push_back(*hours);
                    problem = readFigures(value, read.table.depths.emplace_back());
                } else {
                    problem = quoted(duration) + " is not a number of hours";
                }
            }
            if (problem) return refuse(tableName(t), *problem);
        }
        // Any other key is a newer program's input: skipped, as that program would read ours.
    }
    for (std::size_t t = 0; t < kTables.size(); ++t) {
        if (tables[t].first == 0) continue;
        try {
            checkDepthTable(tables[t].table);
        } catch (const std::domain_error& e) {
            return CheckSectionProblem{tables[t].first, tableName(t), e.what()};
        }
        into.tables.*kTables[t].table = std::move(tables[t].table);
    }
    return std::nullopt;
}

}  // namespace varnholt
