#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "design_session.h"

namespace varnholt::report {
class Report;
}

namespace varnholt {

// Print, Print Preview and Save as PDF of the data sheet. Each first runs the Print command
// on the design (both designs brought up to date); with a main input empty nothing follows.
// The report is made for each command and fills itself from the design before every
// rendering.
class SheetCommands : public QObject {
    Q_OBJECT
public:
    SheetCommands(DesignSession& session, QWidget* window);

    void print();
    void preview();
    void saveAsPdf();

private:
    // Runs the Print command and a first filling of the page, so that a value that is not a
    // number is reported before any window opens. False when there is no sheet to make.
    bool prepare();
    // Asks where, then writes the sheet atomically; a failure is reported over `parent`.
    void savePdf(report::Report& sheet, QWidget* parent);

    DesignSession& session_;
    QPointer<QWidget> window_;
};

}  // namespace varnholt
