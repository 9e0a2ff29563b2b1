#include "factor_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace varnholt {

namespace {

// Room beside a cell's text, so that neighbouring numbers do not run together.
constexpr int kCellPadding = 10;

bool isNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first != std::string::npos && text[first] >= '0' && text[first] <= '9';
}

}  // namespace

FactorGrid::FactorGrid(const QString& name, const std::vector<std::vector<std::string>>& cells,
                       QWidget* parent)
    : QTableWidget(static_cast<int>(cells.size()), static_cast<int>(cells.front().size()), parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const QBrush headingFace = palette().brush(QPalette::Button);
    const QBrush headingText = palette().brush(QPalette::ButtonText);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            const std::string& text =
                cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            // Numbers stand right-aligned, except factors under a heading of words, which
            // stand in the middle of their wide column as the heading does.
            const bool underWords =
                r > 0 && c > 0 && !isNumber(cells.front()[static_cast<std::size_t>(c)]);
            item->setTextAlignment(isNumber(text) && !underWords ? Qt::AlignRight | Qt::AlignVCenter
                                                                 : Qt::AlignCenter);
            if (r == 0 || c == 0) {
                // A heading takes no selection; its own colours keep it from looking disabled.
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(headingFace);
                item->setForeground(headingText);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    fitToCells();
}

void FactorGrid::fitToCells() {
    resizeColumnsToContents();
    resizeRowsToContents();
    // The factor columns share one width, as a table printed on paper would.
    int factorWidth = 0;
    for (int c = 1; c < columnCount(); ++c) factorWidth = std::max(factorWidth, columnWidth(c));
    setColumnWidth(0, columnWidth(0) + kCellPadding);
    for (int c = 1; c < columnCount(); ++c) setColumnWidth(c, factorWidth + kCellPadding);
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r) height += rowHeight(r);
    setFixedSize(width, height);
}

void FactorGrid::showSelected(int row, int column) {
    setCurrentCell(row, column);
}

// The owner decides what a press selects; the view's own rules (any button, dragging) do not
// apply.
void FactorGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid()) emit leftPressed(at.row(), at.column());
    event->accept();
}

void FactorGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void FactorGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void FactorGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released();
}

void FactorGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    if (now.isValid() && now != before) emit keyMoved(now.row(), now.column());
}

}  // namespace varnholt
