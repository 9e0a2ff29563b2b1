#pragma once

#include <QDialog>
#include <array>

#include "design_session.h"
#include "tools/design_check_logic.h"
#include "tools/trial_pit_tests_logic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace varnholt {

// "Design Check": every storm of the Z1 table taken through the design as it stands with the
// allowances, the governing one marked, and the checks a checking engineer asks for (factor
// of safety, clearances, trial-pit tests), with "Use in Design", the record as PDF and on paper.
class DesignCheckDialog : public QDialog {
    Q_OBJECT
public:
    DesignCheckDialog(DesignSession& session, const TrialPitTestsLogic& trialPits,
                      QWidget* parent = nullptr);

    // Shows it modally over the design as it stands now.
    void openModal();
    DesignCheckLogic& logic() { return logic_; }

    // Closing by any way keeps the window's size for the next opening, in this run and after.
    void done(int result) override;

private:
    void restoreSize();
    QWidget* siteTab();
    // False, with the refusal in problemText_, at the first box that is not a number.
    bool readInputs();
    void recalculate();
    void showTable();
    void showChecks();
    void useInDesign();
    void savePdf();
    void print();

    DesignSession& session_;
    const TrialPitTestsLogic& trialPits_;
    DesignCheckLogic logic_;
    QLineEdit* m560_;
    QLineEdit* ratio_;
    QComboBox* region_;
    QLineEdit* allowance_;
    QLineEdit* creep_;
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
    QWidget* checks_;
    QLabel* summary_;
    QLabel* problem_;
    QLabel* notes_;
    QString problemText_;
};

}  // namespace varnholt
