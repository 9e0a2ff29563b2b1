#include "critical_storm_logic.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace varnholt {

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

std::string CriticalStormLogic::text(const DesignRecord& record) const {
    std::string out = "Critical Storm Duration\n";
    out += rainfallSourceLine(site) + ", return period " + plainText(site.returnPeriod) +
           " years, climate change allowance " + plainText(site.allowancePercent) + " %\n";
    if (!table_) return out + error_ + "\n";
    std::vector<std::vector<std::string>> rows = {criticalStormHeadings(table_->source)};
    for (const CriticalStormRow& row : table_->rows)
        rows.push_back(criticalStormCells(*table_, row));
    std::vector<std::size_t> widths(rows.front().size(), 0);
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
    for (const std::string& note : criticalStormNotes(*table_)) out += note + "\n";
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
