#pragma once

#include <QWidget>

#include "engine/design_record.h"
#include "tools/design_check_logic.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTableWidget;

namespace varnholt {

// "Routing": a storm of an event taken step by step through the soakaway on show, with the
// choices of storm, profile and wetted area, the results as labelled lines and the water level
// against time; or, when it cannot be routed, why. It only informs: nothing goes back into the
// design. It shows the project's texts and tells of every choice by its key; the step box is
// named by its key for the opener to handle as its other boxes.
class RoutingPage : public QWidget {
    Q_OBJECT
public:
    RoutingPage(const DesignCheckLogic& logic, QWidget* parent = nullptr);

    void showProject(const DesignRecord& record);
    // The logic's routed storm after each calculation, or why there is none: the logic's
    // reason, else `checkProblem`, why no check was made.
    void showResults(const QString& checkProblem);

signals:
    void edited(const QString& key, const QString& text);

private:
    const DesignCheckLogic& logic_;
    QComboBox* event_;
    QComboBox* duration_;
    QComboBox* area_;
    QCheckBox* used_;
    QTableWidget* results_;
    QWidget* plot_;
    QLabel* problem_;
    QStackedWidget* plotArea_;
};

}  // namespace varnholt
