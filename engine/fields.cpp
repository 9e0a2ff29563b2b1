#include "fields.h"

namespace varnholt {

namespace {
constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "projtit",        "projnum",     "desname",       "txtarea", "txtrain",        "txtsinf",
    "txtsdur",        "txtlength",   "txtdepth",      "lblwid",  "lbltime",        "rvdia",
    "rvdepth",        "rvhalf",      "txtVRC",        "txtFOS",  "txtVR",          "txtoverflow",
    "txthalfempty",   "txtringfail", "txtringmargin", "txtfill", "txtcratelength", "txtcratewidth",
    "txtcrateheight", "txtcratevr"};
constexpr std::array<std::string_view, kCheckCount> kCheckNames = {"chkbase", "chkringsur",
                                                                   "chkringbase"};
constexpr std::array<std::string_view, kNoticeCount> kNoticeNames = {
    "trenchwarning",   "lblfttrench",     "lblringwarning",  "lblfiltwarning", "lblfiltflow",
    "lblfiltertrench", "lblbaseincluded", "lbltrenchnotice", "lblringnotice"};
static_assert(noEntryMissing(kFieldNames) && noEntryMissing(kCheckNames) &&
              noEntryMissing(kNoticeNames));
}  // namespace

std::string_view nameOf(Field f) {
    return kFieldNames[index(f)];
}
std::string_view nameOf(Check c) {
    return kCheckNames[index(c)];
}
std::string_view nameOf(Notice n) {
    return kNoticeNames[index(n)];
}

std::optional<Field> fieldNamed(std::string_view name) {
    for (Field f : kAllFields)
        if (nameOf(f) == name) return f;
    return std::nullopt;
}

std::optional<Check> checkNamed(std::string_view name) {
    for (Check c : kAllChecks)
        if (nameOf(c) == name) return c;
    return std::nullopt;
}

bool isNumericField(Field f) {
    switch (f) {
        case Field::txtarea:
        case Field::txtsinf:
        case Field::txtrain:
        case Field::txtsdur:
        case Field::txtlength:
        case Field::txtdepth:
        case Field::lblwid:
        case Field::txtVRC:
        case Field::txtFOS:
        case Field::txtVR:
        case Field::txtoverflow:
        case Field::txthalfempty:
        case Field::txtringfail:
        case Field::txtringmargin:
        case Field::txtcratelength:
        case Field::txtcratewidth:
        case Field::txtcrateheight:
        case Field::txtcratevr:
            return true;
        default:
            return false;
    }
}

bool isMainWindowField(Field f) {
    return index(f) < index(Field::txtVRC);
}

}  // namespace varnholt
