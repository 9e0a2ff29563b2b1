#pragma once

#include <array>
#include <cstddef>

namespace varnholt {

// The Wallingford growth factors: Z1 takes the M5-60 rainfall to the M5 rainfall of a storm
// duration, Z2 takes an M5 rainfall to the M10 rainfall of the same duration.
inline constexpr std::size_t kStormDurationCount = 10;
inline constexpr std::size_t kRatioCount = 12;
inline constexpr std::size_t kZ2RowCount = 10;

inline constexpr std::array<double, kStormDurationCount> kStormDurations = {
    5, 10, 15, 30, 60, 120, 240, 360, 600, 1440};  // minutes
inline constexpr std::array<double, kRatioCount> kRatios = {0.12, 0.15, 0.18, 0.21, 0.24, 0.27,
                                                            0.30, 0.33, 0.36, 0.39, 0.42, 0.45};
inline constexpr std::array<std::array<double, kStormDurationCount>, kRatioCount> kZ1Factors = {{
    {0.22, 0.34, 0.45, 0.67, 1.00, 1.48, 2.17, 2.75, 3.70, 6.00},
    {0.25, 0.38, 0.48, 0.69, 1.00, 1.42, 2.02, 2.46, 3.23, 4.90},
    {0.27, 0.41, 0.51, 0.71, 1.00, 1.36, 1.86, 2.25, 2.86, 4.30},
    {0.29, 0.43, 0.54, 0.73, 1.00, 1.33, 1.77, 2.12, 2.62, 3.60},
    {0.31, 0.46, 0.56, 0.75, 1.00, 1.30, 1.71, 2.00, 2.40, 3.35},
    {0.33, 0.48, 0.58, 0.76, 1.00, 1.27, 1.64, 1.88, 2.24, 3.10},
    {0.34, 0.49, 0.59, 0.77, 1.00, 1.25, 1.57, 1.78, 2.12, 2.84},
    {0.35, 0.50, 0.61, 0.78, 1.00, 1.23, 1.53, 1.73, 2.04, 2.60},
    {0.36, 0.51, 0.62, 0.79, 1.00, 1.22, 1.48, 1.67, 1.90, 2.42},
    {0.37, 0.52, 0.63, 0.80, 1.00, 1.21, 1.46, 1.62, 1.82, 2.28},
    {0.38, 0.53, 0.64, 0.81, 1.00, 1.20, 1.42, 1.57, 1.74, 2.16},
    {0.39, 0.54, 0.65, 0.82, 1.00, 1.19, 1.38, 1.51, 1.68, 2.03},
}};

enum class Region { englandAndWales, scotlandAndNIreland };
inline constexpr std::size_t kRegionCount = 2;

inline constexpr std::array<double, kZ2RowCount> kZ2Rainfalls = {5,  10, 15, 20, 25,
                                                                 30, 40, 50, 75, 100};  // M5, mm
// One row per M5 rainfall, one column per region in the order of Region.
inline constexpr std::array<std::array<double, kRegionCount>, kZ2RowCount> kZ2Factors = {{
    {1.19, 1.17},
    {1.22, 1.19},
    {1.24, 1.20},
    {1.24, 1.19},
    {1.24, 1.18},
    {1.22, 1.18},
    {1.19, 1.17},
    {1.17, 1.16},
    {1.14, 1.14},
    {1.13, 1.13},
}};

inline constexpr double kMinimumRatio = 0.12;
inline constexpr double kMaximumRatio = 0.45;

// Z1 for the ratio r and the duration kStormDurations[duration], straight-line between the two
// table rows around r. r must lie within [kMinimumRatio, kMaximumRatio]: the factors do not
// extend beyond the table, so a caller outside it is refused (std::domain_error).
double z1Factor(double ratio, std::size_t duration);

struct Z2Factor {
    double value;
    bool held;  // the M5 rainfall lies outside the table and the end row was taken
};

// Z2 for an M5 rainfall in mm, straight-line between the table rows; beyond either end the end
// row's factor is held (and marked so), since the table gives no trend to carry on.
Z2Factor z2Factor(double m5Rainfall, Region region);

}  // namespace varnholt
