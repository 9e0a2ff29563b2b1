#include "sheet_command.h"

#include "engine/errors.h"
#include "engine/print_command.h"
#include "output/sheet/data_sheet.h"
#include "project/qt/atomic_file.h"

namespace varnholt {

bool parseSheetRequest(const std::vector<std::string>& args, SheetRequest& request,
                       std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size()) {
                error = args[i] + " needs a value";
                return false;
            }
            request.output = args[++i];
        } else if (args[i] == "--json") {
            error = "the sheet command writes a PDF; --json belongs to 'design'";
            return false;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (request.output.empty()) {
        error = "the sheet command needs -o OUT.pdf";
        return false;
    }
    return parseDesignRequest(rest, request.design, error);
}

int runSheet(const SheetRequest& request, std::string& error) {
    bool made = false;
    SheetContent content;
    const bool started = runSession(
        request.design, [&](Design& design, std::vector<std::string>& messages, bool started) {
            if (!started) {
                error = joinedLines(messages);
                return;
            }
            try {
                if (prepareDataSheet(design)) {
                    content = fillSheet(design.record(), sheetDateToday());
                    made = true;
                } else {
                    messages.push_back(
                        "no data sheet: the impermeable area, rainfall depth, soil "
                        "infiltration rate and storm duration must all be given");
                }
            } catch (const ActionStopped& e) {
                messages.push_back(e.what());
            }
            error = joinedLines(messages);
        });
    if (!started) {
        if (error.empty()) error = "the project could not be started";
        return 1;
    }
    if (!made) return 1;

    report::Report sheet = dataSheetReport(sheetWebAddress(), [&] { return content; });
    const QByteArray pdf = sheet.toPdf();
    if (auto failed = writeFileAtomically(request.output, pdf.toStdString())) {
        error = *failed;
        return 1;
    }
    return 0;
}

}  // namespace varnholt
