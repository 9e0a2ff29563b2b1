#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/design.h"

namespace varnholt {

// The two factor tables of the rainfall dialog: Z1 (rows the ratio r, columns the storm
// duration in minutes) and Z2 (rows the M5 rainfall in mm, columns the region).
enum class RainfallGrid { sgz1, sgz2 };

// A cell of a grid; row 0 and column 0 are the fixed headings.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// The logic of the rainfall dialog (Tfrmz1z2): the Z1 and Z2 tables, their selections, the
// chain M5-60 (20 mm) x Z1 = M5, M5 x Z2 = M10, the three result labels and "Use in Design".
// It lives as long as the program, so the user finds it as they left it. The Qt dialog is a
// thin view over it.
class RainfallDialogLogic {
public:
    static constexpr int kEnglandAndWales = 1;  // columns of the Z2 table
    static constexpr int kScotlandAndNIreland = 2;

    RainfallDialogLogic();

    static int rowCount(RainfallGrid g);
    static int columnCount(RainfallGrid g);
    static bool isDataCell(RainfallGrid g, GridCell c);

    // A cell's text as the grid shows it: numbers padded on the left with blanks to the width
    // of the widest number in their column. Every value used is read back from these texts.
    const std::string& cell(RainfallGrid g, GridCell c) const;

    // The heading values the tables offer, as written in the headings without their padding:
    // the rows of either table, and the durations of the Z1 table.
    std::vector<std::string> rowHeadings(RainfallGrid g) const;
    std::vector<std::string> durationHeadings() const;
    // The row (or Z1 column) whose heading reads as `value`, if any.
    std::optional<int> rowHeaded(RainfallGrid g, double value) const;
    std::optional<int> durationColumn(double minutes) const;

    GridCell selected(RainfallGrid g) const { return selected_[index(g)]; }

    // A left click: a data cell becomes the selected cell; a heading, or a place outside the
    // cells, leaves the selection as it was. Returns whether the clicked cell is selected.
    bool click(RainfallGrid g, GridCell c);
    // Any mouse button released over a grid: the calculation runs from its selection (the
    // whole chain from the Z1 table, only the second step from the Z2 table).
    void mouseReleased(RainfallGrid g);
    // The keyboard moved the grid's selection to `c`: taken as a click would be, and the
    // calculation follows at once, so that the factors used are always those highlighted.
    void keyMoved(RainfallGrid g, GridCell c);

    void doZ1();
    void doZ2();

    const std::string& lblZ1() const { return lblZ1_; }
    const std::string& lblZ2() const { return lblZ2_; }  // ends in a blank
    const std::string& lblresult() const { return lblresult_; }

    double z1() const { return z1_; }
    double duration() const { return duration_; }
    double m5Rainfall() const { return m5_; }
    double z2() const { return z2_; }
    double m10Rainfall() const { return m10_; }

    // Whether "Use in Design" has a rainfall to send: only once the Z1 table has been used.
    // Before that the M10 rainfall is 0, which would wipe out the depth the designer has.
    bool canUse() const;
    // The M10 rainfall in metres, as written into txtrain.
    std::string designRainfall() const;
    // "Use in Design": the rainfall depth goes into txtrain through its change handling.
    // Nothing is written while canUse() is false. Throws ConversionError (from the
    // recalculation that the change starts).
    void useInDesign(Design& design) const;

private:
    static std::size_t index(RainfallGrid g) { return g == RainfallGrid::sgz1 ? 0 : 1; }

    std::array<std::vector<std::vector<std::string>>, 2> cells_;
    std::array<GridCell, 2> selected_{GridCell{1, 1}, GridCell{1, 1}};
    double z1_ = 0, duration_ = 0, m5_ = 0, z2_ = 0, m10_ = 0;
    std::string lblZ1_, lblZ2_, lblresult_;
};

}  // namespace varnholt
