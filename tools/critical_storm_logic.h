#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/critical_storm.h"
#include "engine/critical_storm_text.h"
#include "engine/design.h"

namespace varnholt {

// The critical storm duration: the site's storms taken through the design as it stands, the
// table as the driver prints it, and "Use in Design". The design check and the driver's
// "critical" are views over it.
class CriticalStormLogic {
public:
    StormSite site;

    // Recomputes from the design. Returns false, with the reason in error(), when a design
    // text is not a number or a site value is refused; the last table is then dropped.
    bool calculate(const DesignRecord& record);

    const std::optional<CriticalStormTable>& table() const { return table_; }
    const std::string& error() const { return error_; }

    // The row whose storm the design should take: the longest trench on the trench page, the
    // deepest ring on the ring page.
    std::size_t governingRow(const DesignRecord& record) const;

    // The table as plain text with a heading of its inputs, for the driver and the record.
    std::string text(const DesignRecord& record) const;

    // The governing duration into txtsdur and its rainfall depth, rounded up to 0.1 mm
    // (rainfallText), into txtrain, each through its change handling. Nothing is written without a
    // table. Throws ConversionError.
    void useInDesign(Design& design) const;

private:
    std::optional<CriticalStormTable> table_;
    std::string error_;
};

// The text Use in Design writes for a rainfall depth: rounded up to 0.1 mm ("0.0382").
std::string rainfallText(double depth);

}  // namespace varnholt
