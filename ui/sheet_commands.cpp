#include "sheet_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "engine/print_command.h"
#include "output/sheet/data_sheet.h"
#include "project/qt/atomic_file.h"
#include "report/report_printing.h"

namespace varnholt {

namespace {
report::Report makeSheet(const DesignRecord& record) {
    return dataSheetReport(sheetWebAddress(),
                           [&record] { return fillSheet(record, sheetDateToday()); });
}
}  // namespace

SheetCommands::SheetCommands(DesignSession& session, QWidget* window)
    : QObject(window), session_(session), window_(window) {}

bool SheetCommands::prepare() {
    bool ready = false;
    session_.act([&] {
        ready = prepareDataSheet(session_.design());
        if (ready) fillSheet(session_.record(), sheetDateToday());
    });
    return ready;
}

void SheetCommands::print() {
    if (!prepare()) return;
    report::Report sheet = makeSheet(session_.record());
    if (auto failed = report::printReport(sheet)) showInformation(window_, failed->toStdString());
}

void SheetCommands::preview() {
    if (!prepare()) return;
    report::Report sheet = makeSheet(session_.record());
    report::previewReport(sheet, window_, [&](QWidget* dialog) { savePdf(sheet, dialog); });
}

void SheetCommands::saveAsPdf() {
    if (!prepare()) return;
    report::Report sheet = makeSheet(session_.record());
    savePdf(sheet, window_);
}

void SheetCommands::savePdf(report::Report& sheet, QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Save Data Sheet as PDF"));
    dialog.setObjectName(QStringLiteral("PdfSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF Files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();

    QByteArray pdf;
    if (!session_.act([&] { pdf = sheet.toPdf(); })) return;
    if (auto failed = writeFileAtomically(path.toStdString(), pdf.toStdString()))
        showInformation(parent, *failed);
}

}  // namespace varnholt
