#include "soakaway_on_show.h"

#include <cmath>
#include <utility>

#include "number_text.h"
#include "trench_fill.h"

namespace varnholt {

namespace {
SoakawayOnShow dimension(bool ring, const DesignRecord& record, Field field,
                         const std::string& what, const std::string& noun) {
    const std::string& text = record.text(field);
    if (text.find_first_not_of(' ') == std::string::npos)
        return {ring, 0, what + " has no " + noun};
    const auto v = tryParseNumber(text);
    if (!v) return {ring, 0, what + "'s " + noun + " reads \"" + text + "\", not a number"};
    if (!(*v > 0 && std::isfinite(*v)))
        return {ring, 0, what + "'s " + noun + " is " + plainText(*v) + " m, not above 0"};
    return {ring, *v, ""};
}
}  // namespace

SoakawayOnShow trenchOnShow(const DesignRecord& record) {
    const std::string what = "the trench on show";
    for (auto [field, noun] : {std::pair{Field::lblwid, "width"}, {Field::txtdepth, "depth"}}) {
        const SoakawayOnShow p = dimension(false, record, field, what, noun);
        if (!p.designed()) return p;
    }
    const SoakawayOnShow length = dimension(false, record, Field::txtlength, what, "length");
    if (!length.designed()) return length;
    // Crates are built in whole units: the tank is as long as its units.
    if (const std::optional<CrateTank> tank = crateTankOf(record)) return {false, tank->length, ""};
    return length;
}

SoakawayOnShow ringOnShow(const DesignRecord& record, const StormDesign& d) {
    const std::string what = "the ring on show";
    if (!(d.ringRadius > 0 && std::isfinite(d.ringRadius)))
        return {true, 0,
                what + "'s diameter is " + plainText(d.ringRadius * 2000) + " mm, not above 0"};
    if (record.text(Field::rvdepth) == "Fail")
        return {true, 0, what + " fails in the ring table, which gives it no depth"};
    return dimension(true, record, Field::rvdepth, what, "depth");
}

SoakawayOnShow soakawayOnShow(const DesignRecord& record, const StormDesign& design) {
    return record.detailPage == DetailPage::tsring ? ringOnShow(record, design)
                                                   : trenchOnShow(record);
}

SoakawayStore storeOf(const SoakawayOnShow& s, const StormDesign& d) {
    return s.ring ? ringStore(d.ring, d.ringRadius, s.size)
                  : trenchStore(d.trench, s.size, d.trenchWidth, d.trenchDepth);
}

}  // namespace varnholt
