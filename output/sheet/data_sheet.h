#pragma once

#include <QString>
#include <functional>

#include "report/report.h"
#include "sheet_content.h"

namespace varnholt {

// The title of the print job and of the preview window.
inline constexpr const char* kDataSheetTitle = "Varnholt - Calculations";

// The data sheet's page with every fixed text in place and the labels of the values empty.
// `webAddress` is shown under the logo.
report::Page dataSheetLayout(const QString& webAddress);

// Puts each value into the label of its name.
void fillDataSheet(report::Page& page, const SheetContent& content);

// The data sheet as a report; `content` is asked for the values before every rendering and
// may throw to stop it.
report::Report dataSheetReport(const QString& webAddress, std::function<SheetContent()> content);

// The maker's web address as the sheet shows it: the host the program's web links go to
// (VARNHOLT_WEB_HOST), without its scheme.
QString sheetWebAddress();

// Today in the system's short date form.
std::string sheetDateToday();

}  // namespace varnholt
