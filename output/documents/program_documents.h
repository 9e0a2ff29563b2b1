#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace varnholt {

// The files the program opens from its own folder with the desktop's associated application.
enum class ProgramDocument {
    ringDrawing,
    trenchWithSiltTrapDrawing,
    trenchDrawing,
    maintenanceSchedule
};

// The message shown when the document is not in the program folder.
std::string missingDocumentMessage(ProgramDocument document);

// Opens the standard drawings and the maintenance schedule from the program folder. Each
// command first makes the program folder the current directory, so that the open and save
// dialogs start there afterwards.
class ProgramDocuments {
public:
    // Hands a file to the desktop; it does not wait and reports nothing.
    using Open = std::function<void(const std::filesystem::path&)>;

    ProgramDocuments(std::filesystem::path folder, Open open);

    const std::filesystem::path& folder() const { return folder_; }
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    void setOpen(Open open) { open_ = std::move(open); }

    // The file that would be opened: a drawing's .dwg when there is one, else the .dxf of the
    // same name that the build writes (a DXF under a .dwg name would not open).
    std::optional<std::filesystem::path> find(ProgramDocument document) const;

    // Returns false when the file is missing; the caller shows missingDocumentMessage.
    bool open(ProgramDocument document);

private:
    std::filesystem::path folder_;
    Open open_;
};

}  // namespace varnholt
