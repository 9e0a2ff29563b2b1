#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/design.h"

namespace varnholt {

// One soil of the table: its name, the rate as the grid shows it, and the text written into
// txtsinf. The written text is fixed per soil, not read back from the shown one.
struct SoilRow {
    std::string_view soilType;
    std::string_view shownRate;
    std::string_view writtenRate;
};

inline constexpr std::array<SoilRow, 5> kSoilRows = {{
    {"Sand", "8.3 x 10^-6", "0.0000083"},
    {"Sandy Loam", "5.5 x 10^-6", "0.0000055"},
    {"Loam", "2.7 x 10^-6", "0.0000027"},
    {"Clay Loam", "1.3 x 10^-6", "0.0000013"},
    {"Clay", "2 x 10^-7", "0.0000002"},
}};

// The grid row (1 to 5) of a soil named in any case ("clay loam"), or given by its number.
std::optional<int> soilRowNamed(std::string_view nameOrNumber);

// The logic of the soil table (Tfrmsoiltable): typical rates for a preliminary design only.
// The window lives as long as the program and keeps its selected row between openings.
class SoilTableLogic {
public:
    explicit SoilTableLogic(Design& design) : design_(design) {}

    // The grid's selected data row, 1 to 5; the first until the user picks another.
    int selectedRow() const { return selected_; }
    // Rows outside 1 to 5 (the heading, nothing) leave the selection as it was.
    void select(int row);

    // insertsoil: "Use in Design" and a double click on the grid write the selected soil's
    // rate into txtsinf, whose change handling recalculates; the window then closes.
    void use();
    // However the window closes (use, Cancel, the close box) the main window's recalculation
    // pass runs once more.
    void closed();

private:
    Design& design_;
    int selected_ = 1;
};

}  // namespace varnholt
