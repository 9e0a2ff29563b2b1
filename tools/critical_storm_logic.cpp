#include "critical_storm_logic.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace varnholt {

namespace {
std::string passText(bool passes) {
    return passes ? "Pass" : "Fail";
}

// A size with its half-empty time: "none needed" where the soil takes the storm as it falls,
// a dash where the design gives nothing to size (a trench without its width or depth).
std::pair<std::string, std::string> sizeCells(double size, double hours, bool noneNeeded) {
    if (noneNeeded) return {kNoneNeeded, ""};
    if (std::isnan(size)) return {"-", "-"};
    return {displayText(size), displayText(hours)};
}
}  // namespace

std::string regionName(Region region) {
    return region == Region::englandAndWales ? "England and Wales" : "Scotland and N Ireland";
}

bool CriticalStormLogic::calculate(const DesignRecord& record) {
    table_.reset();
    error_.clear();
    try {
        table_ = criticalStormTable(site, stormDesignOf(record));
    } catch (const ConversionError& e) {
        error_ = e.what();
    } catch (const std::domain_error& e) {
        error_ = e.what();
    }
    return table_.has_value();
}

std::size_t CriticalStormLogic::governingRow(const DesignRecord& record) const {
    if (!table_) return 0;
    return record.detailPage == DetailPage::tsring ? table_->ringGoverning
                                                   : table_->trenchGoverning;
}

const std::vector<std::string>& CriticalStormLogic::headings() {
    static const std::vector<std::string> h = {
        "Duration (min)", "Z1",        "M5 (mm)",          "Z2",
        "M10 (mm)",       "Rain (m)",  "Length (m)",       "Half Empty (hrs)",
        "Trench",         "Depth (m)", "Half Empty (hrs)", "Ring"};
    return h;
}

std::vector<std::string> CriticalStormLogic::cells(const CriticalStormRow& row) {
    const StormRainfall& r = row.rain;
    const auto trench = sizeCells(row.trenchLength, row.trenchHalfEmpty, row.trenchNoneNeeded);
    const auto ring = sizeCells(row.ringDepth, row.ringHalfEmpty, row.ringNoneNeeded);
    return {plainText(r.minutes),
            displayText(r.z1, 3),
            displayText(r.m5, 2),
            displayText(r.z2, 3) + (r.z2Held ? "*" : ""),
            displayText(r.m10, 2),
            displayText(r.depth, 5),
            trench.first,
            trench.second,
            passText(row.trenchPasses),
            ring.first,
            ring.second,
            passText(row.ringPasses)};
}

std::vector<std::string> CriticalStormLogic::notes(const CriticalStormTable& table) {
    std::vector<std::string> out;
    bool held = false;
    for (const CriticalStormRow& row : table.rows) held = held || row.rain.z2Held;
    if (held) out.push_back("* M5 rainfall beyond the Z2 table: its end row is taken.");
    for (bool ring : {false, true})
        if (table.longestGoverns(ring))
            out.push_back(std::string(ring ? "Ring" : "Trench") + ": " + kLongestGoverns + ".");
    return out;
}

std::string CriticalStormLogic::text(const DesignRecord& record) const {
    std::string out = "Critical Storm Duration\n";
    out += "M5-60 rainfall " + plainText(site.m560Rainfall) + " mm, ratio r " +
           plainText(site.ratio) + ", " + regionName(site.region) + ", climate change allowance " +
           plainText(site.allowancePercent) + " %\n";
    if (!table_) return out + error_ + "\n";
    std::vector<std::vector<std::string>> rows = {headings()};
    for (const CriticalStormRow& row : table_->rows) rows.push_back(cells(row));
    std::vector<std::size_t> widths(headings().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string line;
        for (std::size_t c = 0; c < rows[i].size(); ++c) {
            if (c) line += "  ";
            line += std::string(widths[c] - rows[i][c].size(), ' ') + rows[i][c];
        }
        if (i > 0 && i - 1 == table_->trenchGoverning) line += "  <- trench governs";
        if (i > 0 && i - 1 == table_->ringGoverning) line += "  <- ring governs";
        out += line + "\n";
    }
    for (const std::string& note : notes(*table_)) out += note + "\n";
    const CriticalStormRow& use = table_->rows[governingRow(record)];
    out += "Use in Design: txtsdur " + plainText(use.rain.minutes) + ", txtrain " +
           rainfallText(use.rain.depth) + "\n";
    return out;
}

void CriticalStormLogic::useInDesign(Design& design) const {
    if (!table_) return;
    const CriticalStormRow& use = table_->rows[governingRow(design.record())];
    design.write(Field::txtsdur, plainText(use.rain.minutes));
    design.write(Field::txtrain, rainfallText(use.rain.depth));
}

std::string rainfallText(double depth) {
    return generalText(roundedUpRainfall(depth));
}

}  // namespace varnholt
