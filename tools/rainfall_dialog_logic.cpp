#include "rainfall_dialog_logic.h"

#include <algorithm>
#include <charconv>

#include "engine/number_text.h"
#include "engine/storm_rainfall.h"

namespace varnholt {

namespace {

// The M5-60 rainfall, one figure for all of the UK.
constexpr double kM560Rainfall = 20;

using Rows = std::vector<std::vector<std::string>>;

// Two decimals, as the factor tables print them, whatever the locale.
std::string twoDecimals(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

// Growth factor Z1 from the M5-60 rainfall to the M5 rainfall of a storm duration.
Rows z1Table() {
    Rows table;
    table.push_back({"Ratio r"});
    for (double minutes : kStormDurations) table.front().push_back(plainText(minutes));
    for (std::size_t r = 0; r < kRatioCount; ++r) {
        std::vector<std::string> row{twoDecimals(kRatios[r])};
        for (double factor : kZ1Factors[r]) row.push_back(twoDecimals(factor));
        table.push_back(std::move(row));
    }
    return table;
}

// Growth factor Z2 from the M5 rainfall to the M10 rainfall of the same duration.
Rows z2Table() {
    Rows table = {{"M5 Rainfall (mm)", "England and Wales", "Scotland and N Ireland"}};
    for (std::size_t r = 0; r < kZ2RowCount; ++r) {
        std::vector<std::string> row{plainText(kZ2Rainfalls[r])};
        for (double factor : kZ2Factors[r]) row.push_back(twoDecimals(factor));
        table.push_back(std::move(row));
    }
    return table;
}

bool isNumber(const std::string& text) {
    return tryParseNumber(text).has_value();
}

// Right-aligns the numbers of each column in blanks, as a grid of plain text shows them.
Rows padded(Rows rows) {
    const std::size_t columns = rows.front().size();
    for (std::size_t c = 0; c < columns; ++c) {
        std::size_t width = 0;
        for (const auto& row : rows)
            if (isNumber(row[c])) width = std::max(width, row[c].size());
        for (auto& row : rows)
            if (isNumber(row[c])) row[c].insert(0, width - row[c].size(), ' ');
    }
    return rows;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

RainfallDialogLogic::RainfallDialogLogic() : cells_{padded(z1Table()), padded(z2Table())} {}

int RainfallDialogLogic::rowCount(RainfallGrid g) {
    return g == RainfallGrid::sgz1 ? 13 : 11;
}

int RainfallDialogLogic::columnCount(RainfallGrid g) {
    return g == RainfallGrid::sgz1 ? 11 : 3;
}

bool RainfallDialogLogic::isDataCell(RainfallGrid g, GridCell c) {
    return c.row >= 1 && c.row < rowCount(g) && c.column >= 1 && c.column < columnCount(g);
}

const std::string& RainfallDialogLogic::cell(RainfallGrid g, GridCell c) const {
    return cells_[index(g)]
        .at(static_cast<std::size_t>(c.row))
        .at(static_cast<std::size_t>(c.column));
}

std::vector<std::string> RainfallDialogLogic::rowHeadings(RainfallGrid g) const {
    std::vector<std::string> out;
    for (int r = 1; r < rowCount(g); ++r) out.push_back(trimmed(cell(g, {r, 0})));
    return out;
}

std::vector<std::string> RainfallDialogLogic::durationHeadings() const {
    std::vector<std::string> out;
    for (int c = 1; c < columnCount(RainfallGrid::sgz1); ++c)
        out.push_back(trimmed(cell(RainfallGrid::sgz1, {0, c})));
    return out;
}

std::optional<int> RainfallDialogLogic::rowHeaded(RainfallGrid g, double value) const {
    for (int r = 1; r < rowCount(g); ++r)
        if (parseNumber(cell(g, {r, 0})) == value) return r;
    return std::nullopt;
}

std::optional<int> RainfallDialogLogic::durationColumn(double minutes) const {
    for (int c = 1; c < columnCount(RainfallGrid::sgz1); ++c)
        if (parseNumber(cell(RainfallGrid::sgz1, {0, c})) == minutes) return c;
    return std::nullopt;
}

bool RainfallDialogLogic::click(RainfallGrid g, GridCell c) {
    if (!isDataCell(g, c)) return false;
    selected_[index(g)] = c;
    return true;
}

void RainfallDialogLogic::mouseReleased(RainfallGrid g) {
    g == RainfallGrid::sgz1 ? doZ1() : doZ2();
}

void RainfallDialogLogic::keyMoved(RainfallGrid g, GridCell c) {
    if (click(g, c)) mouseReleased(g);
}

void RainfallDialogLogic::doZ1() {
    const GridCell at = selected(RainfallGrid::sgz1);
    z1_ = parseNumber(cell(RainfallGrid::sgz1, at));
    duration_ = parseNumber(cell(RainfallGrid::sgz1, {0, at.column}));
    m5_ = z1_ * kM560Rainfall;
    lblZ1_ = "M5-" + plainText(duration_) + "min rainfall = 20mm x " + plainText(z1_) + " = " +
             plainText(m5_) + "mm";
    doZ2();
}

void RainfallDialogLogic::doZ2() {
    z2_ = parseNumber(cell(RainfallGrid::sgz2, selected(RainfallGrid::sgz2)));
    m10_ = m5_ * z2_;
    lblZ2_ = "M10-" + plainText(duration_) + "min rainfall = " + plainText(m5_) + "mm x " +
             plainText(z2_) + " = ";
    lblresult_ = plainText(m10_) + "mm";
}

bool RainfallDialogLogic::canUse() const {
    return m10_ > 0;
}

std::string RainfallDialogLogic::designRainfall() const {
    return generalText(m10_ / 1000);
}

void RainfallDialogLogic::useInDesign(Design& design) const {
    if (canUse()) design.write(Field::txtrain, designRainfall());
}

}  // namespace varnholt
