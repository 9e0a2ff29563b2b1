#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "report.h"

class QPrinter;
class QWidget;

namespace varnholt::report {

// Shows the report in a modal preview window that can print it; returns when the window is
// closed, after the report's afterPreview hook. `savePdf`, when given, adds a "Save as PDF..."
// button to the preview's tool bar and is called with the preview window as parent.
void previewReport(Report& report, QWidget* parent,
                   const std::function<void(QWidget*)>& savePdf = {});

// Prints the report on the given printer (set up for the report's page) or on the default
// printer. Returns the reason when it could not be printed; afterPrint runs after printing.
std::optional<QString> printReport(Report& report, QPrinter& printer);
std::optional<QString> printReport(Report& report);

// Puts the printer on the report's page: paper size, portrait, the corner of the paper as
// the origin, one copy, the report's title as the job's name.
void setUpPrinter(QPrinter& printer, const Report& report);

}  // namespace varnholt::report
