#include "program_documents.h"

#include <system_error>
#include <vector>

namespace varnholt {

namespace {

std::vector<std::string> fileNames(ProgramDocument document) {
    switch (document) {
        case ProgramDocument::ringDrawing:
            return {"Ring_Soakaway.dwg", "Ring_Soakaway.dxf"};
        case ProgramDocument::trenchWithSiltTrapDrawing:
            return {"Soakaway_plus_Silttrap.dwg", "Soakaway_plus_Silttrap.dxf"};
        case ProgramDocument::trenchDrawing:
            return {"Trench_Soakaway.dwg", "Trench_Soakaway.dxf"};
        case ProgramDocument::maintenanceSchedule:
            return {"CS_VH_schedule.pdf"};
    }
    return {};
}

}  // namespace

std::string missingDocumentMessage(ProgramDocument document) {
    if (document == ProgramDocument::maintenanceSchedule)
        return "Soakaway Maintenance Schedule could not be found. Look in the program group for "
               "Varnholt in your start menu.";
    return "Drawing file could not be found. You may have to re-install Varnholt.";
}

ProgramDocuments::ProgramDocuments(std::filesystem::path folder, Open open)
    : folder_(std::move(folder)), open_(std::move(open)) {}

std::optional<std::filesystem::path> ProgramDocuments::find(ProgramDocument document) const {
    for (const std::string& name : fileNames(document)) {
        std::error_code error;
        const std::filesystem::path path = folder_ / name;
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    return std::nullopt;
}

bool ProgramDocuments::open(ProgramDocument document) {
    std::error_code ignored;  // a folder that has gone leaves the current directory as it was
    std::filesystem::current_path(folder_, ignored);
    const auto path = find(document);
    if (!path) return false;
    if (open_) open_(*path);
    return true;
}

}  // namespace varnholt
