#include "fitted_table.h"

#include <QHeaderView>
#include <algorithm>
#include <numeric>

namespace varnholt {

std::vector<int> fittedWidths(const std::vector<int>& preferred, const std::vector<int>& least,
                              int room) {
    std::vector<int> wanted(preferred.size());
    for (std::size_t i = 0; i < preferred.size(); ++i) wanted[i] = std::max(preferred[i], least[i]);
    if (std::accumulate(wanted.begin(), wanted.end(), 0) <= room) return wanted;
    const int leastSum = std::accumulate(least.begin(), least.end(), 0);
    int extra = 0;
    for (std::size_t i = 0; i < wanted.size(); ++i) extra += wanted[i] - least[i];
    std::vector<int> widths = least;
    const int spare = room - leastSum;
    if (spare <= 0 || extra == 0) return widths;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        widths[i] += (wanted[i] - least[i]) * spare / extra;
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
