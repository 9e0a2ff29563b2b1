#include "fitted_table.h"

#include <QHeaderView>
#include <algorithm>
#include <numeric>

namespace varnholt {

std::vector<int> fittedWidths(const std::vector<int>& preferred, const std::vector<int>& least,
                              int room) {
    const int wanted = std::accumulate(preferred.begin(), preferred.end(), 0);
    if (wanted <= room) return preferred;
    std::vector<int> widths(preferred.size());
    int leastSum = 0, extra = 0;
    for (std::size_t i = 0; i < preferred.size(); ++i) {
        widths[i] = std::min(least[i], preferred[i]);
        leastSum += widths[i];
        extra += preferred[i] - widths[i];
    }
    const int spare = room - leastSum;
    if (spare <= 0 || extra == 0) return widths;
    int given = 0;
    for (std::size_t i = 0; i < preferred.size(); ++i) {
        const int share = (preferred[i] - widths[i]) * spare / extra;
        widths[i] += share;
        given += share;
    }
    widths.back() += std::min(spare - given, preferred.back() - widths.back());
    return widths;
}

FittedTable::FittedTable(int rows, std::vector<int> preferredWidths, QWidget* parent)
    : QTableWidget(rows, static_cast<int>(preferredWidths.size()), parent),
      preferred_(std::move(preferredWidths)) {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, preferred_[static_cast<std::size_t>(c)]);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!fitting_) userSized_ = true;
    });
}

void FittedTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (!userSized_) fitColumns();
}

void FittedTable::fitColumns() {
    std::vector<int> least;
    for (int c = 0; c < columnCount(); ++c) least.push_back(horizontalHeader()->sectionSizeHint(c));
    const std::vector<int> widths = fittedWidths(preferred_, least, viewport()->width());
    fitting_ = true;
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    fitting_ = false;
}

}  // namespace varnholt
