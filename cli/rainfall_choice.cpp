#include "rainfall_choice.h"

#include <optional>
#include <sstream>
#include <vector>

#include "engine/number_text.h"

namespace varnholt {

namespace {

std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) parts.push_back(part);
    if (!text.empty() && text.back() == ',') parts.emplace_back();
    return parts;
}

std::string listed(const std::vector<std::string>& values) {
    std::string out;
    for (const std::string& v : values) out += (out.empty() ? "" : ", ") + v;
    return out;
}

}  // namespace

bool parseRainfallChoice(const std::string& value, RainfallAction& out, std::string& error) {
    const RainfallDialogLogic tables;
    const std::vector<std::string> parts = splitAtCommas(value);
    if (parts.size() != 4) {
        error =
            "--rainfall takes R,DURATION,M5,REGION (such as 0.30,120,25,ew), not '" + value + "'";
        return false;
    }
    // A value is matched by its number, so "0.3" finds the row headed 0.30.
    auto find = [](const std::string& text, auto&& lookup) -> std::optional<int> {
        const std::optional<double> number = tryParseNumber(text);
        return number ? lookup(*number) : std::nullopt;
    };
    const std::optional<int> ratioRow =
        find(parts[0], [&](double v) { return tables.rowHeaded(RainfallGrid::sgz1, v); });
    if (!ratioRow) {
        error = "--rainfall: R must be one of " + listed(tables.rowHeadings(RainfallGrid::sgz1)) +
                ", not '" + parts[0] + "'";
        return false;
    }
    const std::optional<int> durationColumn =
        find(parts[1], [&](double v) { return tables.durationColumn(v); });
    if (!durationColumn) {
        error = "--rainfall: DURATION must be one of " + listed(tables.durationHeadings()) +
                " (minutes), not '" + parts[1] + "'";
        return false;
    }
    const std::optional<int> m5Row =
        find(parts[2], [&](double v) { return tables.rowHeaded(RainfallGrid::sgz2, v); });
    if (!m5Row) {
        error = "--rainfall: M5 must be one of " + listed(tables.rowHeadings(RainfallGrid::sgz2)) +
                " (mm), not '" + parts[2] + "'";
        return false;
    }
    int region = 0;
    if (parts[3] == "ew") {
        region = RainfallDialogLogic::kEnglandAndWales;
    } else if (parts[3] == "sni") {
        region = RainfallDialogLogic::kScotlandAndNIreland;
    } else {
        error =
            "--rainfall: REGION must be ew (England and Wales) or sni (Scotland and N "
            "Ireland), not '" +
            parts[3] + "'";
        return false;
    }
    out = RainfallAction{{*ratioRow, *durationColumn}, {*m5Row, region}};
    return true;
}

}  // namespace varnholt
