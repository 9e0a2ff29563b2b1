#pragma once

#include "fixed_dialog.h"

namespace varnholt {

// Tfrmreportbug, "Report a Bug!": sends the user to the maker's web site to report a fault.
// Opened modally.
class BugReportWindow : public FixedDialog {
    Q_OBJECT
public:
    explicit BugReportWindow(QWidget* parent = nullptr);

protected:
    void build() override;
};

}  // namespace varnholt
