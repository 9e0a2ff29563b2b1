#include "soil_table_logic.h"

#include <cctype>
#include <string>

namespace varnholt {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::optional<int> soilRowNamed(std::string_view nameOrNumber) {
    for (std::size_t i = 0; i < kSoilRows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (nameOrNumber == std::to_string(row) ||
            sameIgnoringCase(nameOrNumber, kSoilRows[i].soilType))
            return row;
    }
    return std::nullopt;
}

void SoilTableLogic::select(int row) {
    if (row >= 1 && row <= static_cast<int>(kSoilRows.size())) selected_ = row;
}

void SoilTableLogic::use() {
    const SoilRow& soil = kSoilRows[static_cast<std::size_t>(selected_ - 1)];
    design_.write(Field::txtsinf, std::string(soil.writtenRate));
}

void SoilTableLogic::closed() {
    design_.refreshView();
}

}  // namespace varnholt
