#include "report_printing.h"

#include <QAction>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <exception>

namespace varnholt::report {

void setUpPrinter(QPrinter& printer, const Report& report) {
    printer.setPageSize(QPageSize(report.page().size, QPageSize::Millimeter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(report.title());
}

namespace {
// Called from inside Qt's signals, which must not be left by an exception: a page that
// cannot be filled is not drawn.
bool renderOn(Report& report, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    try {
        report.render(painter);
    } catch (const std::exception&) {
        painter.end();
        return false;
    }
    return painter.end();
}
}  // namespace

void previewReport(Report& report, QWidget* parent, const std::function<void(QWidget*)>& savePdf) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, report);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("reportPreview"));
    dialog.setWindowTitle(report.title());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { renderOn(report, *target); });
    if (savePdf) {
        if (auto* bar = dialog.findChild<QToolBar*>()) {
            bar->addSeparator();
            QAction* save = bar->addAction(QStringLiteral("Save as PDF..."));
            save->setObjectName(QStringLiteral("savePdf"));
            QObject::connect(save, &QAction::triggered, &dialog, [&] { savePdf(&dialog); });
        }
    }
    dialog.exec();
    if (report.afterPreview) report.afterPreview();
}

std::optional<QString> printReport(Report& report, QPrinter& printer) {
    if (!printer.isValid()) return QStringLiteral("No printer is available.");
    const bool printed = renderOn(report, printer);
    if (report.afterPrint) report.afterPrint();
    if (!printed)
        return QStringLiteral("The printer \"%1\" could not print.").arg(printer.printerName());
    return std::nullopt;
}

std::optional<QString> printReport(Report& report) {
    QPrinter printer(QPrinter::HighResolution);  // the default printer
    setUpPrinter(printer, report);
    if (printer.printerName().isEmpty() && printer.outputFileName().isEmpty())
        return QStringLiteral("No printer is available.");
    return printReport(report, printer);
}

}  // namespace varnholt::report
