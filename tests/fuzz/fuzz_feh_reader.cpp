// Any bytes as an FEH file: no crash, no sanitizer report, a refusal that names the file, and
// what is read is whole: figures that are numbers and tables the engine's check lets through.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/rainfall_source.h"
#include "tools/feh_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnholt;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    FehFile file;
    try {
        file = readFehFile(contents, "fuzzed.xml");
    } catch (const FehFileError& e) {
        if (std::string_view(e.what()).substr(0, 10) != "fuzzed.xml") std::abort();
        return 0;
    }
    if (!file.catchmentFeh99 && !file.pointFeh99 && !file.feh13 && !file.feh22) std::abort();
    for (const auto* p : {&file.catchmentFeh99, &file.pointFeh99}) {
        if (!*p) continue;
        const Feh99Parameters& f = **p;
        for (double v : {f.c, f.d1, f.d2, f.d3, f.e, f.f})
            if (!std::isfinite(v)) std::abort();
    }
    for (const auto* t : {&file.feh13, &file.feh22})
        if (*t) checkDepthTable(**t);  // throws, and so fails, on a table it would refuse
    for (const auto& refusal : file.refusedGroups)
        if (refusal.substr(0, 10) != "fuzzed.xml") std::abort();
    return 0;
}
