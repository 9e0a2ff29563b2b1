#pragma once

#include <QString>

#include "design_session.h"
#include "fixed_dialog.h"
#include "tools/trial_pit_logic.h"
#include "tools/trial_pit_tests_logic.h"

class QLineEdit;

namespace varnholt {

class TrialPitTestsDialog;

// Tfrmsinfcalc, "Calculate Soil Infiltration Rate": the infiltration rate from a trial-pit
// soakage test, written into the main window's txtsinf. Made once at start-up; the typed pit
// values stay for the whole run.
class TrialPitDialog : public FixedDialog {
    Q_OBJECT
public:
    TrialPitDialog(DesignSession& session, QString programFolder, QWidget* parent = nullptr);
    ~TrialPitDialog() override;

    // The folder Help looks in and makes current.
    void setProgramFolder(QString folder) { programFolder_ = std::move(folder); }

    // Button1, "Calculate Infiltration Rate".
    void calculate();
    // Button2, "Help": helpvarn.chm opened with the desktop's viewer, or the user asked to
    // find it.
    void help();
    // "Trial Pit Tests": up to three tests on one pit; this dialog closes too when their
    // lowest rate is used in the design.
    void openTests();
    const TrialPitTestsLogic& testsLogic() const { return testsLogic_; }
    TrialPitTestsDialog& testsDialog();

private:
    QLineEdit* box(const char* name);

    DesignSession& session_;
    TrialPitLogic logic_;
    QString programFolder_;
    QLineEdit* length_;
    QLineEdit* width_;
    QLineEdit* depth_;
    QLineEdit* time_;
    TrialPitTestsLogic testsLogic_;
    TrialPitTestsDialog* tests_ = nullptr;
};

}  // namespace varnholt
