#pragma once

#include <string>
#include <string_view>

#include "engine/design.h"
#include "engine/messages.h"

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
bool readProjectFile(Design& design, std::string_view contents, MessageSink& messages);

}  // namespace varnholt
