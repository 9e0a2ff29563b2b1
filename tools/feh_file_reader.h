#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/rainfall_source.h"

namespace varnholt {

// A file that holds no FEH rainfall this program can use. what() names the file, the element
// or line, and what was expected: "table.csv, line 3: 5 depths for 4 return periods".
class FehFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An FEH export is some kilobytes; anything far larger is not one and is not parsed.
inline constexpr std::size_t kMostFehFileBytes = 4 * 1024 * 1024;

struct FehFile {
    std::optional<Feh99Parameters> catchmentFeh99;  // CatchmentAverageDDFValues
    std::optional<Feh99Parameters> pointFeh99;      // PointDDFValues (c_1_km ...)
    std::optional<DepthTable> feh13;                // CatchmentAverageDDF2013Values
    std::optional<DepthTable> feh22;                // CatchmentAverageDDF2022Values
    // A depth table that is well formed but that no rainfall can give is left out, with one
    // message here ("maun.xml, <CatchmentAverageDDF2013Values>: ..."), so that the file's
    // other figures can still be used and whoever asks for that table can say why it is not
    // there.
    std::vector<std::string> refusedGroups;
};

// An export of FEH descriptors (root FEHDescriptors or FEHCDROMExportedDescriptors). Elements
// other than the four groups above are passed over.
FehFile readFehXml(std::string_view contents, std::string_view fileName);

// A depth table typed or exported as CSV: the first row holds the return periods in years, the
// first column the durations in hours, the top-left cell a label or nothing; commas between
// cells, blanks around figures, CR LF or LF, a byte order mark and blank lines at the end
// allowed. A table no rainfall can give is refused as a whole.
DepthTable readDepthTableCsv(std::string_view contents, std::string_view fileName);

// Either of the above, told apart by content: XML begins, after a byte order mark and blanks,
// with '<'. A CSV table stands for both FEH13 and FEH22, whichever source is chosen.
FehFile readFehFile(std::string_view contents, std::string_view fileName);

// The file's table for an FEH13 or FEH22 source; refused with the group's own refusal when
// there was one, else with "maun.xml holds no FEH22 depth table".
const DepthTable& fehDepthTable(const FehFile& file, RainfallSourceKind kind,
                                std::string_view fileName);

}  // namespace varnholt
