#pragma once

#include <array>
#include <string>

#include "engine/design_record.h"

namespace varnholt {

// Every value the data sheet shows, as the texts the page's labels get just before it is
// rendered. Named as the labels are.
struct SheetContent {
    std::string QRprojtit, QRprojnum, QRdesname;
    std::string QRtxtarea, QRtxtsdur, QRtxtvr, QRtxtvrc, QRtxtsinf, QRtxtrain;
    std::string qrtxtfos, qrtxtringfail, qrtxthalffail;
    std::string qrtrenchbase, qrringbase, qrringsurround, qrfiltertrench;
    std::string QRtxtlength, QRlblwid, QRtxtdepth, QRlbltime, qrsurface, QRwarning;
    std::array<std::string, RingDesign::kRows> ringDepths;     // QR11 ... QR19
    std::array<std::string, RingDesign::kRows> ringHalfTimes;  // QR21 ... QR29
    std::string qrvardia, qrvardepth, qrvarhalf;
    // Why the trench or the ring on show cannot be built; such a sheet prints no stale value
    // where the window marks one.
    std::string qrtrenchnotice, qrringnotice;
    std::string QRcurrentfile, QRdate;
    // With crates only: the fill and its unit, and the tank's units and size.
    std::string qrtrenchfill, qrcrates;
};

// The warning is about a fixed 24 hours, whatever half-empty limit the options set.
inline constexpr double kSheetWarningHours = 24;

// Fills the sheet from the design as it stands, in the order of the labels; `today` is the
// date in the system's short form. A trench dimension that does not read as a number stops
// the filling with ConversionError.
SheetContent fillSheet(const DesignRecord& record, const std::string& today);

}  // namespace varnholt
