#include "tools/feh_file_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "tools/xml_reader.h"

namespace varnholt {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view withoutByteOrderMark(std::string_view s) {
    if (s.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        s.remove_prefix(kByteOrderMark.size());
    return s;
}

// A figure as it must be written in these files, whatever the locale: no thousands separators,
// nothing after it, and neither NaN nor infinity, which the exports write for a descriptor
// they do not have.
std::optional<double> figureOf(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// What was written, in quotes, cut short so that a message stays a line.
std::string quoted(std::string_view text) {
    constexpr std::size_t kMost = 40;
    text = trimmed(text);
    if (text.size() <= kMost) return "'" + std::string(text) + "'";
    std::size_t cut = kMost;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "'" + std::string(text.substr(0, cut)) + "...'";
}

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string inFile(std::string_view fileName, int line) {
    return std::string(fileName) + ", line " + std::to_string(line);
}

void refuseLargeFile(std::string_view contents, std::string_view fileName) {
    if (contents.size() > kMostFehFileBytes)
        throw FehFileError(std::string(fileName) +
                           ": the file is larger than 4 MB, far more than an FEH file holds");
}

enum class Group { catchmentFeh99, pointFeh99, feh13, feh22 };
constexpr std::array<std::string_view, 4> kGroupElements = {
    "CatchmentAverageDDFValues", "PointDDFValues", "CatchmentAverageDDF2013Values",
    "CatchmentAverageDDF2022Values"};

std::optional<Group> groupOf(std::string_view localName) {
    for (std::size_t g = 0; g < kGroupElements.size(); ++g)
        if (kGroupElements[g] == localName) return static_cast<Group>(g);
    return std::nullopt;
}

bool isTableGroup(Group g) {
    return g == Group::feh13 || g == Group::feh22;
}

std::string parameterName(Group g, std::size_t index) {
    return std::string(kFeh99ParameterNames[index]) + (g == Group::pointFeh99 ? "_1_km" : "");
}

class FehXmlHandler : public XmlHandler {
public:
    explicit FehXmlHandler(std::string_view fileName) : file_(fileName) {}

    void start(const XmlStartTag& tag) override {
        if (depth_ == 0) {
            if (tag.localName != "FEHDescriptors" && tag.localName != "FEHCDROMExportedDescriptors")
                throw FehFileError(std::string(file_) +
                                   ": no FEH descriptors: the root element is <" +
                                   std::string(tag.name) +
                                   ">, not <FEHDescriptors> or <FEHCDROMExportedDescriptors>");
        } else if (depth_ == 1) {
            startGroup(tag);
        } else if (depth_ == 2 && group_) {
            startField(tag);
        }
        ++depth_;
    }

    void text(std::string_view chars) override {
        if (depth_ == 3 && field_ != Field::none) text_ += chars;
    }

    void end() override {
        --depth_;
        if (depth_ == 2 && field_ != Field::none) {
            finishField();
        } else if (depth_ == 1 && group_) {
            finishGroup();
            group_.reset();
        }
    }

    FehFile finish() {
        const bool any =
            std::any_of(groupLines_.begin(), groupLines_.end(), [](int line) { return line != 0; });
        if (!any)
            throw FehFileError(std::string(file_) + " holds no DDF parameters and no depth table");
        if (!result_.catchmentFeh99 && !result_.pointFeh99 && !result_.feh13 && !result_.feh22) {
            std::string all;
            for (const std::string& refusal : result_.refusedGroups)
                all += (all.empty() ? "" : "\n") + refusal;
            throw FehFileError(all);
        }
        return std::move(result_);
    }

private:
    enum class Field { none, parameter, returnPeriods, depths };

    [[noreturn]] void fail(int line, std::string_view element, const std::string& what) const {
        throw FehFileError(inFile(file_, line) + ", " + std::string(element) + ": " + what);
    }

    void startGroup(const XmlStartTag& tag) {
        group_ = groupOf(tag.localName);
        if (!group_) return;
        int& seen = groupLines_[static_cast<std::size_t>(*group_)];
        if (seen != 0)
            fail(tag.line, "<" + std::string(tag.name) + ">",
                 "a second group of these figures; the first is on line " + std::to_string(seen));
        seen = tag.line;
        groupElement_ = "<" + std::string(tag.localName) + ">";
        groupLine_ = tag.line;
        parameters_ = {};
        returnPeriods_.reset();
        rows_.clear();
    }

    void startField(const XmlStartTag& tag) {
        fieldLine_ = tag.line;
        fieldElement_ = "<" + std::string(tag.name) + ">";
        text_.clear();
        if (!isTableGroup(*group_)) {
            for (std::size_t i = 0; i < kFeh99ParameterNames.size(); ++i) {
                if (tag.localName != parameterName(*group_, i)) continue;
                if (parameters_[i])
                    fail(tag.line, fieldElement_,
                         parameterName(*group_, i) + " is given twice; first on line " +
                             std::to_string(parameterLines_[i]));
                parameter_ = i;
                parameterLines_[i] = tag.line;
                parameters_[i] = 0.0;  // given, read when it closes
                field_ = Field::parameter;
            }
            return;
        }
        if (tag.localName == "ReturnPeriods") {
            if (returnPeriods_)
                fail(tag.line, fieldElement_,
                     "a second list of return periods in " + groupElement_ +
                         "; the first is on line " + std::to_string(returnPeriodsLine_));
            returnPeriodsLine_ = tag.line;
            field_ = Field::returnPeriods;
        } else if (tag.localName == "Depths") {
            const std::string* duration = tag.attribute("duration");
            if (!duration)
                fail(tag.line, fieldElement_,
                     "no duration: the duration in hours is expected as duration=\"HOURS\"");
            fieldElement_ = "<" + std::string(tag.name) + " duration=\"" + *duration + "\">";
            const auto hours = figureOf(*duration);
            if (!hours) fail(tag.line, fieldElement_, "the duration must be a number of hours");
            hours_ = *hours;
            field_ = Field::depths;
        }
    }

    std::vector<double> figureList() const {
        std::vector<double> figures;
        std::string_view rest = text_;
        for (std::size_t n = 1;; ++n) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = trimmed(rest.substr(0, comma));
            if (item.empty())
                fail(fieldLine_, fieldElement_,
                     trimmed(text_).empty() ? "no figures: a list separated by commas is expected"
                                            : "figure " + std::to_string(n) + " is missing");
            const auto value = figureOf(item);
            if (!value) fail(fieldLine_, fieldElement_, quoted(item) + " is not a number");
            figures.push_back(*value);
            if (comma == std::string_view::npos) return figures;
            rest.remove_prefix(comma + 1);
        }
    }

    void finishField() {
        switch (field_) {
            case Field::parameter: {
                if (trimmed(text_).empty()) fail(fieldLine_, fieldElement_, "no figure in it");
                const auto value = figureOf(text_);
                if (!value) fail(fieldLine_, fieldElement_, quoted(text_) + " is not a number");
                parameters_[parameter_] = *value;
                break;
            }
            case Field::returnPeriods:
                returnPeriods_ = figureList();
                break;
            case Field::depths:
                rows_.push_back({hours_, figureList(), fieldLine_, fieldElement_});
                break;
            case Field::none:
                break;
        }
        field_ = Field::none;
        text_.clear();
    }

    void finishGroup() {
        if (!isTableGroup(*group_)) {
            std::vector<std::string> missing;
            for (std::size_t i = 0; i < parameters_.size(); ++i)
                if (!parameters_[i]) missing.push_back(parameterName(*group_, i));
            if (!missing.empty()) {
                std::string names = missing.front();
                for (std::size_t i = 1; i < missing.size(); ++i)
                    names += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
                fail(groupLine_, groupElement_,
                     names + (missing.size() == 1 ? " is missing" : " are missing"));
            }
            const auto& p = parameters_;
            const Feh99Parameters read{*p[0], *p[1], *p[2], *p[3], *p[4], *p[5]};
            (*group_ == Group::catchmentFeh99 ? result_.catchmentFeh99 : result_.pointFeh99) = read;
            return;
        }
        if (!returnPeriods_)
            fail(groupLine_, groupElement_,
                 "no <ReturnPeriods>: the return periods in years are expected");
        if (rows_.empty())
            fail(groupLine_, groupElement_,
                 "no <Depths duration=\"HOURS\">: a list of depths for each duration is expected");
        DepthTable table;
        table.returnPeriods = std::move(*returnPeriods_);
        for (Row& row : rows_) {
            if (row.depths.size() != table.returnPeriods.size())
                fail(row.line, row.element,
                     counted(row.depths.size(), "depth", "depths") + " for " +
                         counted(table.returnPeriods.size(), "return period", "return periods"));
            table.durations.push_back(row.hours);
            table.depths.push_back(std::move(row.depths));
        }
        try {
            checkDepthTable(table);
        } catch (const std::domain_error& e) {
            result_.refusedGroups.push_back(std::string(file_) + ", " + groupElement_ + ": " +
                                            e.what());
            return;
        }
        (*group_ == Group::feh13 ? result_.feh13 : result_.feh22) = std::move(table);
    }

    struct Row {
        double hours;
        std::vector<double> depths;
        int line;
        std::string element;
    };

    std::string_view file_;
    FehFile result_;
    int depth_ = 0;  // elements open

    std::optional<Group> group_;  // open, under the root
    std::string groupElement_;
    int groupLine_ = 0;
    std::array<int, 4> groupLines_{};  // where each group was met; 0 not yet
    std::array<std::optional<double>, 6> parameters_;
    std::array<int, 6> parameterLines_{};
    std::optional<std::vector<double>> returnPeriods_;
    int returnPeriodsLine_ = 0;
    std::vector<Row> rows_;

    Field field_ = Field::none;  // open, under the group
    std::string fieldElement_;
    int fieldLine_ = 0;
    std::size_t parameter_ = 0;
    double hours_ = 0;
    std::string text_;
};

// One line of a CSV table: cells split at commas, a cell in double quotes may hold commas and
// "" for a quote; blanks around a cell dropped, and empty cells at the end of the line too,
// which spreadsheets leave behind a ragged table.
std::vector<std::string> csvCells(std::string_view line, const std::string& where) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && isBlank(line[i])) ++i;
        std::string cell;
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    throw FehFileError(where + ": a quote that is not closed on its line");
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i];
            }
            while (i < line.size() && isBlank(line[i])) ++i;
            if (i < line.size() && line[i] != ',')
                throw FehFileError(where + ": text after a quoted cell's closing quote");
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            cell = std::string(trimmed(line.substr(i, comma - i)));
            i = comma;
        }
        cells.push_back(std::move(cell));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    return cells;
}

}  // namespace

FehFile readFehXml(std::string_view contents, std::string_view fileName) {
    refuseLargeFile(contents, fileName);
    FehXmlHandler handler(fileName);
    try {
        readXml(contents, handler);
    } catch (const XmlSyntaxError& e) {
        throw FehFileError(inFile(fileName, e.line()) + ": " + e.what());
    }
    return handler.finish();
}

DepthTable readDepthTableCsv(std::string_view contents, std::string_view fileName) {
    refuseLargeFile(contents, fileName);
    std::string_view rest = withoutByteOrderMark(contents);
    DepthTable table;
    bool header = true;
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
        const std::string where = inFile(fileName, lineNumber);
        const std::vector<std::string> cells = csvCells(line, where);
        if (cells.empty()) continue;
        const auto column = [](std::size_t i) { return "column " + std::to_string(i + 1); };
        if (header) {
            if (cells.size() < 2)
                throw FehFileError(where +
                                   ": no return periods: the first row holds a label and then the "
                                   "return periods in years, separated by commas");
            for (std::size_t i = 1; i < cells.size(); ++i) {
                if (cells[i].empty())
                    throw FehFileError(where + ": the return period in " + column(i) +
                                       " is missing");
                const auto years = figureOf(cells[i]);
                if (!years)
                    throw FehFileError(where + ": the return period " + quoted(cells[i]) +
                                       " is not a number of years");
                table.returnPeriods.push_back(*years);
            }
            header = false;
            continue;
        }
        if (cells[0].empty())
            throw FehFileError(where + ": no duration in hours in the first column");
        const auto hours = figureOf(cells[0]);
        if (!hours)
            throw FehFileError(where + ": the duration " + quoted(cells[0]) +
                               " is not a number of hours");
        if (cells.size() - 1 != table.returnPeriods.size())
            throw FehFileError(
                where + ": " + counted(cells.size() - 1, "depth", "depths") + " for " +
                counted(table.returnPeriods.size(), "return period", "return periods"));
        std::vector<double> row;
        for (std::size_t i = 1; i < cells.size(); ++i) {
            if (cells[i].empty())
                throw FehFileError(where + ": the depth in " + column(i) + " is missing");
            const auto depth = figureOf(cells[i]);
            if (!depth) throw FehFileError(where + ": " + quoted(cells[i]) + " is not a number");
            row.push_back(*depth);
        }
        table.durations.push_back(*hours);
        table.depths.push_back(std::move(row));
    }
    if (header) throw FehFileError(std::string(fileName) + ": the file is empty");
    if (table.durations.empty())
        throw FehFileError(std::string(fileName) +
                           ": no durations: the rows below the return periods begin with a "
                           "duration in hours");
    try {
        checkDepthTable(table);
    } catch (const std::domain_error& e) {
        throw FehFileError(std::string(fileName) + ": " + e.what());
    }
    return table;
}

FehFile readFehFile(std::string_view contents, std::string_view fileName) {
    refuseLargeFile(contents, fileName);
    const std::string_view body = trimmed(withoutByteOrderMark(contents));
    if (body.empty()) throw FehFileError(std::string(fileName) + ": the file is empty");
    if (body.front() == '<') return readFehXml(contents, fileName);
    FehFile file;
    file.feh13 = readDepthTableCsv(contents, fileName);
    file.feh22 = file.feh13;
    return file;
}

const DepthTable& fehDepthTable(const FehFile& file, RainfallSourceKind kind,
                                std::string_view fileName) {
    if (kind != RainfallSourceKind::feh13 && kind != RainfallSourceKind::feh22)
        throw std::invalid_argument("only FEH13 and FEH22 come as depth tables");
    const auto& table = kind == RainfallSourceKind::feh13 ? file.feh13 : file.feh22;
    if (table) return *table;
    const std::string_view group = kGroupElements[static_cast<std::size_t>(
        kind == RainfallSourceKind::feh13 ? Group::feh13 : Group::feh22)];
    const std::string mark = ", <" + std::string(group) + ">: ";
    for (const std::string& refusal : file.refusedGroups)
        if (refusal.find(mark) != std::string::npos) throw FehFileError(refusal);
    throw FehFileError(std::string(fileName) + " holds no " +
                       (kind == RainfallSourceKind::feh13 ? "FEH13" : "FEH22") + " depth table");
}

}  // namespace varnholt
