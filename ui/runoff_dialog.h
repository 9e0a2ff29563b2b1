#pragma once

#include <QDialog>

#include "design_session.h"
#include "tools/runoff_dialog_logic.h"

namespace varnholt {

class FieldEdit;

// TfrmVRC, "Volumetric Runoff Coefficient": a modal dialog that only its OK button closes.
class RunoffDialog : public QDialog {
    Q_OBJECT
public:
    RunoffDialog(DesignSession& session, QWidget* parent = nullptr);

    // Shows the dialog modally; returns once OK has closed it.
    void open();
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Escape does not close it

private:
    void okClicked();

    DesignSession& session_;
    RunoffDialogLogic logic_;
    FieldEdit* txtVRC_;
    bool closing_ = false;
};

}  // namespace varnholt
