#pragma once

#include "design_session.h"
#include "fixed_dialog.h"
#include "tools/rainfall_dialog_logic.h"

class QLabel;
class QPushButton;

namespace varnholt {

class FactorGrid;

// Tfrmz1z2, "Rainfall Calculations for Z1 and Z2 factors": the Z1 and Z2 tables, the rainfall
// worked out from the cells the user picks, and "Use in Design", which sends it to txtrain.
// Opened modally; it keeps its selections and results from one opening to the next.
class RainfallDialog : public FixedDialog {
    Q_OBJECT
public:
    RainfallDialog(DesignSession& session, QWidget* parent = nullptr);

protected:
    void build() override;

private:
    FactorGrid* makeGrid(RainfallGrid g, const QString& name, QWidget* parent);
    int widestResultLine() const;
    void showResults();
    void useClicked();

    DesignSession& session_;
    RainfallDialogLogic logic_;
    QLabel* lblZ1_ = nullptr;
    QLabel* lblZ2_ = nullptr;
    QLabel* lblresult_ = nullptr;
    QPushButton* btnuse_ = nullptr;
    int line_ = 0;  // the height of each result line
};

}  // namespace varnholt
