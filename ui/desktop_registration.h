#pragma once

namespace varnholt {

// Registers ".vhl" project files and their icon with the desktop, so that a double click opens
// them in this program. A failure is shown with the system's message and start-up goes on.
void registerProjectFileType();

}  // namespace varnholt
