#include "rainfall_dialog_logic.h"

#include <algorithm>

#include "engine/number_text.h"

namespace varnholt {

namespace {

// The M5-60 rainfall, one figure for all of the UK.
constexpr double kM560Rainfall = 20;

using Rows = std::vector<std::vector<std::string>>;

// Growth factor Z1 from the M5-60 rainfall to the M5 rainfall of a storm duration.
const Rows& z1Table() {
    static const Rows table = {
        {"Ratio r", "5", "10", "15", "30", "60", "120", "240", "360", "600", "1440"},
        {"0.12", "0.22", "0.34", "0.45", "0.67", "1.00", "1.48", "2.17", "2.75", "3.70", "6.00"},
        {"0.15", "0.25", "0.38", "0.48", "0.69", "1.00", "1.42", "2.02", "2.46", "3.23", "4.90"},
        {"0.18", "0.27", "0.41", "0.51", "0.71", "1.00", "1.36", "1.86", "2.25", "2.86", "4.30"},
        {"0.21", "0.29", "0.43", "0.54", "0.73", "1.00", "1.33", "1.77", "2.12", "2.62", "3.60"},
        {"0.24", "0.31", "0.46", "0.56", "0.75", "1.00", "1.30", "1.71", "2.00", "2.40", "3.35"},
        {"0.27", "0.33", "0.48", "0.58", "0.76", "1.00", "1.27", "1.64", "1.88", "2.24", "3.10"},
        {"0.30", "0.34", "0.49", "0.59", "0.77", "1.00", "1.25", "1.57", "1.78", "2.12", "2.84"},
        {"0.33", "0.35", "0.50", "0.61", "0.78", "1.00", "1.23", "1.53", "1.73", "2.04", "2.60"},
        {"0.36", "0.36", "0.51", "0.62", "0.79", "1.00", "1.22", "1.48", "1.67", "1.90", "2.42"},
        {"0.39", "0.37", "0.52", "0.63", "0.80", "1.00", "1.21", "1.46", "1.62", "1.82", "2.28"},
        {"0.42", "0.38", "0.53", "0.64", "0.81", "1.00", "1.20", "1.42", "1.57", "1.74", "2.16"},
        {"0.45", "0.39", "0.54", "0.65", "0.82", "1.00", "1.19", "1.38", "1.51", "1.68", "2.03"},
    };
    return table;
}

// Growth factor Z2 from the M5 rainfall to the M10 rainfall of the same duration.
const Rows& z2Table() {
    static const Rows table = {
        {"M5 Rainfall (mm)", "England and Wales", "Scotland and N Ireland"},
        {"5", "1.19", "1.17"},
        {"10", "1.22", "1.19"},
        {"15", "1.24", "1.20"},
        {"20", "1.24", "1.19"},
        {"25", "1.24", "1.18"},
        {"30", "1.22", "1.18"},
        {"40", "1.19", "1.17"},
        {"50", "1.17", "1.16"},
        {"75", "1.14", "1.14"},
        {"100", "1.13", "1.13"},
    };
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
