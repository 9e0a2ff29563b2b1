#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

namespace varnholt {

// A grid of plain text whose first row and column are fixed headings, sized to show every
// cell whole without scrolling. The selection is its owner's: the grid reports a left press
// on a cell, a release of any mouse button, and a move of its selection by the keyboard, and
// shows the cell it is told to.
class FactorGrid : public QTableWidget {
    Q_OBJECT
public:
    FactorGrid(const QString& name, const std::vector<std::vector<std::string>>& cells,
               QWidget* parent = nullptr);

    // Shows `row`, `column` as the selected cell.
    void showSelected(int row, int column);

signals:
    void leftPressed(int row, int column);
    void released();
    void keyMoved(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitToCells();
};

}  // namespace varnholt
