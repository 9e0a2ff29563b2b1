#pragma once

#include <QTableWidget>
#include <vector>

namespace varnholt {

// A table whose columns take their preferred widths when there is room, and otherwise share
// the room there is, each keeping at least the width of its heading, so that every column
// shows without scrolling. Once the user has dragged a column, the widths are theirs.
class FittedTable : public QTableWidget {
    Q_OBJECT
public:
    FittedTable(int rows, std::vector<int> preferredWidths, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();

    std::vector<int> preferred_;
    bool fitting_ = false;
    bool userSized_ = false;
};

// The widths that fit `room`: the preferred ones (never less than the least) when they fit;
// otherwise each column gets its least width and a share of what is left in proportion to how
// much more it would like.
std::vector<int> fittedWidths(const std::vector<int>& preferred, const std::vector<int>& least,
                              int room);

}  // namespace varnholt
