#include "command_line.h"

#include "file_access.h"
#include "project_file.h"

namespace varnholt {

std::string joinArguments(const std::vector<std::string>& arguments) {
    std::string path;
    for (const std::string& argument : arguments) path += argument + " ";
    while (!path.empty() && path.back() == ' ') path.pop_back();
    return path;
}

void handOverCommandLine(DesignRecord& record, const std::vector<std::string>& arguments) {
    record.OpenFromCommandLine = !arguments.empty();
}

LoadOutcome commandload(Design& design, const std::vector<std::string>& arguments,
                        MessageSink& messages) {
    DesignRecord& record = design.record();
    LoadOutcome outcome = LoadOutcome::nothingNamed;
    if (record.OpenFromCommandLine) {
        const std::string path = joinArguments(arguments);
        const FileContents file = readFileContents(path);
        if (!file.ok) {
            messages.inform(file.error);
            return LoadOutcome::failed;
        }
        if (!readProjectFile(design, file.contents, messages)) return LoadOutcome::failed;
        record.CurrentFileName = path;
        record.caption = "Varnholt - " + path;
        record.OpenFromCommandLine = false;
        outcome = LoadOutcome::opened;
    }
    design.takeRingFillOver();
    return outcome;
}

}  // namespace varnholt
