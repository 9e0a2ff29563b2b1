// A stand-in for the engine's check of a depth table while that is written beside the reader:
// it refuses what the reader's tests need refused, a table whose figures do not rise.
#include <cstddef>
#include <stdexcept>

#include "engine/rainfall_source.h"

namespace varnholt {

void checkDepthTable(const DepthTable& table) {
    const auto rising = [](const auto& figures) {
        for (std::size_t i = 1; i < figures.size(); ++i)
            if (!(figures[i] > figures[i - 1])) return false;
        return figures.size() >= 2;
    };
    if (!rising(table.returnPeriods) || !rising(table.durations))
        throw std::domain_error("the durations and return periods must rise");
    for (std::size_t d = 0; d < table.depths.size(); ++d) {
        if (table.depths[d].size() != table.returnPeriods.size() || !rising(table.depths[d]) ||
            !(table.depths[d][0] > 0))
            throw std::domain_error("the depths must rise with the return period");
        if (d > 0)
            for (std::size_t t = 0; t < table.depths[d].size(); ++t)
                if (!(table.depths[d][t] > table.depths[d - 1][t]))
                    throw std::domain_error("the depths must rise with the duration");
    }
}

}  // namespace varnholt
