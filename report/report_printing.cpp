#include "report_printing.h"

#include <QAction>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
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
        report.render(painter, printer);
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
    // A page read at a glance: most of the screen, the page as wide as the window, and the size
    // the user last gave the preview kept for the next one.
    static QSize lastSize;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    dialog.resize(lastSize.isValid() ? lastSize.boundedTo(room.size())
                                     : QSize(room.width() * 3 / 4, room.height() * 9 / 10));
    dialog.move(room.center() - dialog.rect().center());
    if (auto* page = dialog.findChild<QPrintPreviewWidget*>()) page->fitToWidth();
    dialog.exec();
    lastSize = dialog.size();
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
