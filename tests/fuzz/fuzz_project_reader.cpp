// Any bytes as a project file: no crash, no sanitizer report, and whatever design results
// saves a file that opens again with every typed value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/errors.h"
#include "project/project_file.h"
#include "reopen_check.h"
#include "started_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnholt;
    Design design;
    testing::start(design);
    fuzz::Quiet messages;
    try {
        if (!readProjectFile(design, std::string_view(reinterpret_cast<const char*>(data), size),
                             "fuzzed.vhl", messages))
            return 0;
    } catch (const ActionStopped&) {
        // A line stopped with a message; the lines before it stand.
    }
    fuzz::expectReopens(design);
    return 0;
}
