#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "enum_tables.h"

namespace varnholt {

// Every value of the design is the text of one of these fields, named as the program names
// its controls: the main window's, the runoff coefficient dialog's (txtVRC) and the design
// options dialog's.
enum class Field {
    projtit,
    projnum,
    desname,
    txtarea,
    txtrain,
    txtsinf,
    txtsdur,
    txtlength,
    txtdepth,
    lblwid,
    lbltime,
    rvdia,
    rvdepth,
    rvhalf,
    txtVRC,
    txtFOS,
    txtVR,
    txtoverflow,
    txthalfempty,
    txtringfail,
    txtringmargin,
    // The trench fill of the options: "gravel" or "crates", and the crate unit.
    txtfill,
    txtcratelength,
    txtcratewidth,
    txtcrateheight,
    txtcratevr,
};
inline constexpr std::size_t kFieldCount = index(Field::txtcratevr) + 1;

enum class Check { chkbase, chkringsur, chkringbase };
inline constexpr std::size_t kCheckCount = index(Check::chkringbase) + 1;

// Labels whose visibility (and for some, text) the design decides.
enum class Notice {
    trenchwarning,
    lblfttrench,
    lblringwarning,
    lblfiltwarning,
    lblfiltflow,
    lblfiltertrench,
    lblbaseincluded,
    // Why the trench or ring on show cannot be built from the inputs, and what to change.
    lbltrenchnotice,
    lblringnotice,
};
inline constexpr std::size_t kNoticeCount = index(Notice::lblringnotice) + 1;

enum class DetailPage { tstrench, tsring };

std::string_view nameOf(Field f);
std::string_view nameOf(Check c);
std::string_view nameOf(Notice n);
std::optional<Field> fieldNamed(std::string_view name);
std::optional<Check> checkNamed(std::string_view name);

// Fields of the main window that filter typed keys (the number entry rule).
bool isNumericField(Field f);
// Fields that live on the main window (as opposed to the two dialogs).
bool isMainWindowField(Field f);

inline constexpr std::array<Field, kFieldCount> kAllFields = {
    Field::projtit,        Field::projnum,     Field::desname,        Field::txtarea,
    Field::txtrain,        Field::txtsinf,     Field::txtsdur,        Field::txtlength,
    Field::txtdepth,       Field::lblwid,      Field::lbltime,        Field::rvdia,
    Field::rvdepth,        Field::rvhalf,      Field::txtVRC,         Field::txtFOS,
    Field::txtVR,          Field::txtoverflow, Field::txthalfempty,   Field::txtringfail,
    Field::txtringmargin,  Field::txtfill,     Field::txtcratelength, Field::txtcratewidth,
    Field::txtcrateheight, Field::txtcratevr};
// The fields of the trench fill, kept with the project apart from its 21 lines.
inline constexpr std::array<Field, 5> kTrenchFillFields = {
    Field::txtfill, Field::txtcratelength, Field::txtcratewidth, Field::txtcrateheight,
    Field::txtcratevr};
inline constexpr std::array<Check, kCheckCount> kAllChecks = {Check::chkbase, Check::chkringsur,
                                                              Check::chkringbase};
inline constexpr std::array<Notice, kNoticeCount> kAllNotices = {
    Notice::trenchwarning,   Notice::lblfttrench,     Notice::lblringwarning,
    Notice::lblfiltwarning,  Notice::lblfiltflow,     Notice::lblfiltertrench,
    Notice::lblbaseincluded, Notice::lbltrenchnotice, Notice::lblringnotice};
static_assert(listsInOrder(kAllFields) && listsInOrder(kAllChecks) && listsInOrder(kAllNotices));

}  // namespace varnholt
