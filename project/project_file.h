#pragma once

#include <string>
#include <string_view>

#include "engine/design.h"
#include "engine/messages.h"
#include "project_storage.h"

namespace varnholt {

inline constexpr std::string_view ProjectFileMagic = "Varnholt-Corvane Systems-Version2";
inline constexpr int kProjectFileLines = 21;

// The 21 lines of a project file, each ended by CR LF: the field texts as they stand.
std::string writeProjectFile(const DesignRecord& record);

// Puts the lines of a project file back into their fields, one after another, each as if the
// user had typed it, so that every line runs its field's change handling (and the
// recalculation) before the next is read. Returns false, after saying "Not a valid Soakaway
// File.", when the first line is not the magic line; nothing changes then. A ConversionError
// from a handler stops the reading where it is and leaves the lines already read in place.
//
// A file larger than any project file could be, or one holding NUL bytes, is not a project
// file either, even when its first line is right: reading its junk into the fields would only
// destroy the design. A line that is not UTF-8 is read as Windows-1252.
bool readProjectFile(Design& design, std::string_view contents, MessageSink& messages);

// Reads the project file at `path` through `storage`. False, after saying why, when the file
// could not be read or is not a project file.
bool readProjectPath(Design& design, ProjectStorage& storage, const std::string& path,
                     MessageSink& messages);

}  // namespace varnholt
