#pragma once

#include <QString>

#include "design_session.h"
#include "fixed_dialog.h"
#include "tools/trial_pit_logic.h"

class QLineEdit;

namespace varnholt {

// Tfrmsinfcalc, "Calculate Soil Infiltration Rate": the infiltration rate from a trial-pit
// soakage test, written into the main window's txtsinf. Made once at start-up; the typed pit
// values stay for the whole run.
class TrialPitDialog : public FixedDialog {
    Q_OBJECT
public:
    TrialPitDialog(DesignSession& session, QString programFolder, QWidget* parent = nullptr);

    // The folder Help looks in and makes current.
    void setProgramFolder(QString folder) { programFolder_ = std::move(folder); }

    // Button1, "Calculate Infiltration Rate".
    void calculate();
    // Button2, "Help": helpvarn.chm opened with the desktop's viewer, or the user asked to
    // find it.
    void help();

private:
    QLineEdit* box(const char* name);

    DesignSession& session_;
    TrialPitLogic logic_;
    QString programFolder_;
    QLineEdit* length_;
    QLineEdit* width_;
    QLineEdit* depth_;
    QLineEdit* time_;
};

}  // namespace varnholt
