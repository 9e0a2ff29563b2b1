#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Where a project's storms come from. FSR is the Flood Studies Report's M5-60, r and the Z1/Z2
// tables (10-year storms only); the FEH sources come from the FEH Web Service's export of the
// site's descriptors.
enum class RainfallSourceKind { fsr, feh99, feh13, feh22 };
inline constexpr std::size_t kRainfallSourceCount = 4;

// "fsr", "feh99", "feh13", "feh22": as the driver's --source takes them and the project keeps.
const char* rainfallSourceKey(RainfallSourceKind kind);
std::optional<RainfallSourceKind> rainfallSourceOfKey(std::string_view key);
// "FSR", "FEH99", "FEH13", "FEH22".
const char* rainfallSourceName(RainfallSourceKind kind);

// The FEH99 depth-duration-frequency model's six parameters.
struct Feh99Parameters {
    double c = 0;
    double d1 = 0;
    double d2 = 0;
    double d3 = 0;
    double e = 0;
    double f = 0;
    bool operator==(const Feh99Parameters&) const = default;
};
inline constexpr std::array<const char*, 6> kFeh99ParameterNames = {"c",  "d1", "d2",
                                                                    "d3", "e",  "f"};

// A depth of the source, in mm, without any allowance.
struct SourceDepth {
    double millimetres = 0;
    bool extrapolated = false;  // beyond what the source was made for (FEH99 under 1 hour)
};

// The FEH99 depth for a duration in hours and a return period in years, with
// y = -ln(-ln(1 - 1/T)):
//   ln R = (c.y + d1).ln D + e.y + f                          for D up to 12 h,
//   ln R = ln R(12) + (c.y + d2).(ln D - ln 12)               for 12 h < D <= 48 h,
//   ln R = ln R(48) + (c.y + d3).(ln D - ln 48)               beyond.
// Durations under 1 hour extend the first segment and are marked extrapolated. Refuses
// (std::domain_error) a duration not above 0 and a return period not above 1 year.
SourceDepth feh99Depth(const Feh99Parameters& p, double hours, double years);

// A table of depths by duration and return period (FEH13, FEH22).
struct DepthTable {
    std::vector<double> returnPeriods;        // years, rising
    std::vector<double> durations;            // hours, rising
    std::vector<std::vector<double>> depths;  // mm: depths[duration][return period]
    bool operator==(const DepthTable&) const = default;
};

// The most rows and columns a depth table may have: the FEH exports hold 15 by 22; a table far
// beyond that is not one, and the project file must stay small.
inline constexpr std::size_t kMostDepthTableDurations = 64;
inline constexpr std::size_t kMostDepthTableReturnPeriods = 64;

// Refuses (std::domain_error, in plain words naming the figures) a table that no rainfall can
// give: fewer than two durations or return periods, or more than the most above; a return
// period not above 1 year or a duration not above 0, or either not rising; a row whose count
// differs from the return periods'; a depth not above 0 or not a number; depths that fall as
// the return period rises or as the duration lengthens.
void checkDepthTable(const DepthTable& table);

// The table's depth for a duration in hours and a return period in years: ln R straight in
// ln D between listed durations and straight in ln T between listed return periods. Outside
// the table is refused (std::domain_error) with the range it holds: "the table holds durations
// 0.083 to 240 hours; 300 hours is outside it".
double tableDepth(const DepthTable& table, double hours, double years);

// The depth tables a project holds, with the file they came from. (The FEH99 parameters are
// kept as typed, with the check's other inputs.)
struct FehDepthTables {
    std::optional<DepthTable> feh13;
    std::optional<DepthTable> feh22;
    std::string origin;  // the file's name; empty when nothing was imported
    bool operator==(const FehDepthTables&) const = default;
};

}  // namespace varnholt
