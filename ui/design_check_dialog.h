#pragma once

#include <QDialog>
#include <array>

#include "design_session.h"
#include "tools/design_check_logic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace varnholt {

class EventsBox;
class RainfallSourceBox;
class RoutingPage;

// "Design Check": every storm of the rainfall source taken through the design as it stands with
// the allowances, the governing one marked; the storm events with the storage they need; and
// the checks a checking engineer asks for (factor of safety, clearances, trial-pit tests); a
// storm routed through the soakaway; with "Use in Design", the record as PDF and on paper. Every
// box shows and edits the project's own check inputs, named by their keys.
class DesignCheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit DesignCheckDialog(DesignSession& session, QWidget* parent = nullptr);

    // Shows it modally over the design and the check inputs the project holds now.
    void openModal();
    DesignCheckLogic& logic() { return logic_; }

    // Closing by any way keeps the window's size for the next opening, in this run and after.
    void done(int result) override;

private:
    void restoreSize();
    QWidget* siteTab();
    // Every box from the project's texts, as they stand.
    void showTexts();
    // One input typed or chosen: kept with the project, then the check made again.
    void edit(const QString& key, const QString& text);
    void importFeh();
    void recalculate();
    void showTable();
    void showChecks();
    void useInDesign();
    void savePdf();
    void print();

    DesignSession& session_;
    DesignCheckLogic logic_;
    RainfallSourceBox* source_;
    EventsBox* events_;
    QComboBox* consequence_;
    QLineEdit* groundwater_;
    QLineEdit* top_;
    QLineEdit* building_;
    QLineEdit* leastGroundwater_;
    QLineEdit* leastBuilding_;
    QLineEdit* smallArea_;
    QLineEdit* largestArea_;
    std::array<std::array<QLineEdit*, kConsequenceCount>, kFosBandCount> fos_{};
    QTableWidget* table_;
    QWidget* plot_;
    QWidget* eventPlot_;
    RoutingPage* routing_;
    QWidget* checks_;
    QLabel* summary_;
    QLabel* problem_;
    QLabel* notes_;
    QString problemText_;
};

}  // namespace varnholt
