#pragma once

#include <QDialog>

#include "design_session.h"
#include "tools/critical_storm_logic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace varnholt {

// "Critical Storm Duration": every storm of the Z1 table taken through the design as it
// stands, the governing one marked, with "Use in Design", the record as PDF and on paper.
class CriticalStormDialog : public QDialog {
    Q_OBJECT
public:
    CriticalStormDialog(DesignSession& session, QWidget* parent = nullptr);

    // Shows it modally over the design as it stands now.
    void openModal();
    CriticalStormLogic& logic() { return logic_; }

private:
    void recalculate();
    void useInDesign();
    void savePdf();
    void print();

    DesignSession& session_;
    CriticalStormLogic logic_;
    QLineEdit* m560_;
    QLineEdit* ratio_;
    QComboBox* region_;
    QLineEdit* allowance_;
    QTableWidget* table_;
    QWidget* plot_;
    QLabel* problem_;
};

}  // namespace varnholt
