#pragma once

#include <QDialog>

#include "design_session.h"
#include "tools/soil_table_logic.h"

namespace varnholt {

class FittedTable;

// Tfrmsoiltable, "Soil Table": typical infiltration rates of five soils, for a preliminary
// design only. Made once at start-up, it keeps its selected soil for the whole run.
class SoilTableDialog : public QDialog {
    Q_OBJECT
public:
    SoilTableDialog(DesignSession& session, QWidget* parent = nullptr);

    // Shows the table modally, in front of every window of the program, and returns when it
    // is closed.
    void openModal();
    // insertsoil: "Use in Design" and a double click on a soil.
    void useSelected();
    // Whatever closes the window (use, Cancel, Escape, the close box) ends here.
    void done(int result) override;

private:
    void fill();

    DesignSession& session_;
    SoilTableLogic logic_;
    FittedTable* grid_;
};

}  // namespace varnholt
