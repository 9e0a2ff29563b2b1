#pragma once

#include <cstdint>
#include <string>

namespace varnholt {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::string hex() const;  // "#rrggbb"
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb aqua{0, 255, 255};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb teal{0, 128, 128};
inline constexpr Rgb green{0, 128, 0};
}  // namespace colours

// Text on background, as a field shows a result: blue on white normally, red on aqua when a
// limit is exceeded.
struct FieldStyle {
    Rgb text = colours::blue;
    Rgb background = colours::white;
    friend bool operator==(const FieldStyle&, const FieldStyle&) = default;
};
inline constexpr FieldStyle kNormalStyle{colours::blue, colours::white};
inline constexpr FieldStyle kWarningStyle{colours::red, colours::aqua};

}  // namespace varnholt
