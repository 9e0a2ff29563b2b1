#include "feh_import.h"

#include "engine/number_text.h"

namespace varnholt {

std::string feh99Text(const Feh99Parameters& p) {
    std::string out;
    for (double v : {p.c, p.d1, p.d2, p.d3, p.e, p.f})
        out += (out.empty() ? "" : ", ") + plainText(v);
    return out;
}

RainfallSourceKind useFehFile(const FehFile& file, const std::string& fileName,
                              RainfallSourceKind source, CheckTexts& texts,
                              FehDepthTables& tables) {
    const auto& feh99 = file.catchmentFeh99 ? file.catchmentFeh99 : file.pointFeh99;
    if (source == RainfallSourceKind::fsr)
        source = file.feh22   ? RainfallSourceKind::feh22
                 : file.feh13 ? RainfallSourceKind::feh13
                 : feh99      ? RainfallSourceKind::feh99
                              : RainfallSourceKind::feh22;  // refused below, with the reason
    // Asked first, so that a refusal takes nothing.
    if (source == RainfallSourceKind::feh99 && !feh99)
        throw FehFileError(fileName + " holds no FEH99 parameters");
    if (source != RainfallSourceKind::feh99) fehDepthTable(file, source, fileName);

    if (feh99) {
        texts.set("feh99", feh99Text(*feh99));
        texts.set("feh99origin",
                  fileName + (file.catchmentFeh99 ? ", catchment average" : ", 1 km point"));
    }
    if (file.feh13 || file.feh22) {
        tables = {file.feh13, file.feh22, fileName};
    }
    texts.set("source", rainfallSourceKey(source));
    return source;
}

}  // namespace varnholt
