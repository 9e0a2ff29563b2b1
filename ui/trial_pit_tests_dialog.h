#pragma once

#include <QDialog>
#include <array>

#include "design_session.h"
#include "tools/trial_pit_tests_logic.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace varnholt {

// "Trial Pit Tests": up to three soakage tests on one pit, open or filled with gravel; the
// lowest rate goes into txtsinf. Its boxes show the project's own tests and every edit is kept
// with the project, whose design check shows them.
class TrialPitTestsDialog : public QDialog {
    Q_OBJECT
public:
    TrialPitTestsDialog(TrialPitTestsLogic& logic, DesignSession& session,
                        QWidget* parent = nullptr);

    // Shows it modally; true when "Use in Design" was pressed with a rate to use, which the
    // opener then writes into the design.
    bool openModal();

private:
    void showTexts();
    void recalculate();
    void useInDesign();

    TrialPitTestsLogic& logic_;
    DesignSession& session_;
    QLineEdit* length_;
    QLineEdit* width_;
    QCheckBox* gravel_;
    QLineEdit* voidRatio_;
    std::array<QLineEdit*, kMostTrialPitTests> depth_{};
    std::array<QLineEdit*, kMostTrialPitTests> minutes_{};
    std::array<QLabel*, kMostTrialPitTests> rate_{};
    QLabel* lowest_;
    QLabel* problem_;
};

}  // namespace varnholt
