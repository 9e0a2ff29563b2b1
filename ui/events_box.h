#pragma once

#include <QGroupBox>
#include <array>
#include <optional>

#include "engine/design_check.h"

class QLabel;
class QLineEdit;

namespace varnholt {

// "Events": one row per storm event with its return period and climate change allowance as
// boxes named by their keys (the design event's are returnperiod and allowance), then what the
// check found: the critical duration, the storage needed and provided, the exceedance and the
// verdict. The urban creep allowance, which every event takes, sits below them.
class EventsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit EventsBox(QWidget* parent = nullptr);

    // Empty result columns when there is no check.
    void showResults(const std::optional<DesignCheck>& check);

private:
    struct Row {
        QLineEdit* period;
        QLineEdit* allowance;
        QLabel* critical;
        QLabel* needed;
        QLabel* provided;
        QLabel* exceedance;
        QLabel* verdict;
    };
    std::array<Row, kStormEventCount> rows_{};
};

}  // namespace varnholt
