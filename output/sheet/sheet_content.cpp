#include "sheet_content.h"

#include "engine/filter_report.h"
#include "engine/number_text.h"
#include "engine/trench_fill.h"

namespace varnholt {

namespace {
std::string baseNote(bool included, const char* soakaway) {
    return std::string("* Base has ") + (included ? "" : "NOT ") + "been included in design of " +
           soakaway + " soakaway *";
}
}  // namespace

SheetContent fillSheet(const DesignRecord& record, const std::string& today) {
    auto text = [&](Field f) { return record.text(f); };
    SheetContent s;
    s.QRprojtit = text(Field::projtit);
    s.QRprojnum = text(Field::projnum);
    s.QRdesname = text(Field::desname);
    s.QRtxtarea = text(Field::txtarea) + " m2";
    s.QRtxtsdur = text(Field::txtsdur) + " minutes";
    s.QRtxtvr = text(Field::txtVR);
    s.QRtxtvrc = text(Field::txtVRC);
    s.QRtxtsinf = text(Field::txtsinf) + " m/sec";
    s.QRtxtrain = text(Field::txtrain) + " metres";
    s.qrtxtfos = text(Field::txtFOS);
    s.qrtxtringfail = text(Field::txtringfail) + " metres";
    s.qrtxthalffail = text(Field::txthalfempty) + " hours";
    s.qrtrenchbase = baseNote(record.checked(Check::chkbase), "trench");
    s.qrringbase = baseNote(record.checked(Check::chkringbase), "ring");
    s.qrringsurround =
        record.checked(Check::chkringsur)
            ? "* Granular surround has been included in ring soakaway design with a margin of " +
                  generalText(record.appliedRingMargin) + " metres. *"
            : "* Granular surround has NOT been included in ring soakaway design *";
    if (filterTrenchOn(record))
        s.qrfiltertrench = record.notice(Notice::lblfiltwarning).text + " " +
                           record.notice(Notice::lblfiltflow).text;

    if (!record.isEmpty(Field::txtlength) && !record.isEmpty(Field::lblwid) &&
        !record.isEmpty(Field::txtdepth)) {
        s.QRtxtlength = text(Field::txtlength) + " metres";
        s.QRlblwid = text(Field::lblwid) + " metres";
        s.QRtxtdepth = text(Field::txtdepth) + " metres";
        s.QRlbltime = text(Field::lbltime) + " hours (decimal)";
        const double length = record.number(Field::txtlength);
        const double width = record.number(Field::lblwid);
        const double depth = record.number(Field::txtdepth);
        double area = (2 * length + 2 * width) * (depth * 0.5);
        if (record.checked(Check::chkbase)) area += width * length;
        s.qrsurface = displayText(area) + " metres squared";
    }
    if (trenchFillOf(record) == TrenchFill::crates) {
        s.qrtrenchfill = crateFillText(record);
        s.qrtrenchfill[0] = 'G';
        if (const std::optional<CrateTank> tank = crateTankOf(record))
            s.qrcrates = tank->unitsText() + ", " + tank->sizeText();
    }
    if (record.trench.halfEmptyTime > kSheetWarningHours)
        s.QRwarning = "WARNING! HALF EMPTY TIME EXCEEDS 24hour LIMIT!";
    if (const NoticeState& n = record.notice(Notice::lbltrenchnotice); n.visible) {
        // The texts the window keeps and marks belong to no trench these inputs can have.
        s.qrtrenchnotice = n.text;
        s.QRlbltime.clear();
        s.qrsurface.clear();
        s.QRwarning.clear();
        s.qrcrates.clear();
        if (record.style(Field::txtlength) == kWarningStyle) s.QRtxtlength.clear();
        if (record.style(Field::lblwid) == kWarningStyle) s.QRlblwid.clear();
    }

    for (std::size_t row = 1; row <= RingDesign::kRows; ++row) {
        s.ringDepths[row - 1] = record.ring.cells[row][1];
        s.ringHalfTimes[row - 1] = record.ring.cells[row][2];
    }
    s.qrvardia = text(Field::rvdia);
    s.qrvardepth = text(Field::rvdepth);
    s.qrvarhalf = text(Field::rvhalf);
    if (const NoticeState& n = record.notice(Notice::lblringnotice); n.visible) {
        s.qrringnotice = n.text;
        s.qrvardepth.clear();
        s.qrvarhalf.clear();
    }
    // An unsaved project has no file: the footer shows a single blank.
    const std::string& file = record.CurrentFileName;
    s.QRcurrentfile = file.empty() || file == "*.vhl" ? " " : file;
    s.QRdate = today;
    return s;
}

}  // namespace varnholt
