#include "ring_sizing.h"

#include "filter_report.h"
#include "sizing_values.h"
#include "unbuildable.h"

namespace varnholt {

namespace {
const std::string kCellIndent = "        ";  // eight spaces before every result cell
const std::string kFail = "Fail";
const std::string kNoneNeeded = "none";

std::string& cell(DesignRecord& record, int row, int column) {
    return record.ring.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}
}  // namespace

std::string trimLeadingSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

RingLoad ringLoadOf(const DesignRecord& record) {
    const SizingValues& s = record.sizing;
    // The case follows the live switches, the margin the one applied at the last OK or open.
    return {s.effectiveArea,
            s.rainfallDepth,
            s.overflowFactor,
            s.stormDuration,
            s.designInfiltrationRate,
            s.voidRatio,
            record.checked(Check::chkringsur),
            record.checked(Check::chkringbase),
            record.appliedRingMargin};
}

RingLoad RingSizing::snapshot() {
    refillSizingValues(record_);
    return ringLoadOf(record_);
}

void RingSizing::size(double radius, const RingLoad& load) {
    RingDesign& ring = record_.ring;
    ring.radius = radius;
    const RingResult result = sizeRing(load, radius);
    ring.depth = result.depth;
    ring.halfEmptyTime = result.halfEmptyTime;
}

void RingSizing::ringcalc() {
    const RingLoad load = snapshot();
    for (int row = 1; row <= RingDesign::kRows; ++row) {
        size(RingDesign::radiusOf(row), load);
        const double failureDepth = record_.number(Field::txtringfail);
        const double limit = record_.number(Field::txthalfempty);
        RingDesign& ring = record_.ring;
        ring.rowDepths[static_cast<std::size_t>(row - 1)] = ring.depth;
        ring.rowHalfEmptyTimes[static_cast<std::size_t>(row - 1)] = ring.halfEmptyTime;
        // Written so that a time or depth that is not a number fails.
        if (failureDepth >= ring.depth && limit >= ring.halfEmptyTime) {
            // A ring of no depth passes both limits, but there is nothing to build or time.
            const bool needed = isBuildable(ring.depth);
            cell(record_, row, 2) =
                kCellIndent + (needed ? displayText(ring.halfEmptyTime) : kNoneNeeded);
            cell(record_, row, 1) = kCellIndent + (needed ? displayText(ring.depth) : kNoneNeeded);
        } else {
            cell(record_, row, 2) = kCellIndent + kFail;
            cell(record_, row, 1) = kCellIndent + kFail;
        }
    }
}

void RingSizing::ringcalcvariable() {
    const RingLoad load = snapshot();
    size(record_.ring.radius, load);
    RingDesign& ring = record_.ring;
    ring.shownDepth = ring.depth;
    ring.shownHalfEmptyTime = ring.halfEmptyTime;
    if (!acceptDepth(ring.depth)) return;
    record_.write(Field::rvdepth, displayText(ring.depth));
    record_.write(Field::rvhalf, displayText(ring.halfEmptyTime));
    judgeShownRing();
}

bool RingSizing::acceptDepth(double depth) {
    if (isBuildable(depth)) {
        clearNotice();
        return true;
    }
    const RingLoad& load = ringLoadOf(record_);
    NoticeState& notice = record_.notice(Notice::lblringnotice);
    notice.text = ringNotice(load.effectiveArea * load.rainfallDepth * load.overflowFactor,
                             load.overflowFactor, depth);
    notice.visible = true;
    for (Field f : {Field::rvdepth, Field::rvhalf}) record_.style(f) = kWarningStyle;
    record_.ringcolour = colours::red;
    return false;
}

void RingSizing::clearNotice() {
    record_.hide(Notice::lblringnotice);
}

// The colours follow the ring in the panel, not whichever ring was sized last.
void RingSizing::judgeShownRing() {
    const RingDesign& ring = record_.ring;
    const bool depthWithin = record_.number(Field::txtringfail) >= ring.shownDepth;
    const bool timeWithin = record_.number(Field::txthalfempty) >= ring.shownHalfEmptyTime &&
                            record_.text(Field::rvhalf) != kFail;
    record_.style(Field::rvdepth) = depthWithin ? kNormalStyle : kWarningStyle;
    record_.style(Field::rvhalf) = timeWithin ? kNormalStyle : kWarningStyle;
    record_.ringcolour = depthWithin && timeWithin ? colours::black : colours::red;
}

bool RingSizing::rowFails(int row) const {
    return trimLeadingSpaces(record_.ring.cells[static_cast<std::size_t>(row)][1]) == kFail;
}

bool RingSizing::copyRowToPanel(int row) {
    RingDesign& ring = record_.ring;
    ring.shownDepth = ring.rowDepths[static_cast<std::size_t>(row - 1)];
    ring.shownHalfEmptyTime = ring.rowHalfEmptyTimes[static_cast<std::size_t>(row - 1)];
    record_.write(Field::rvdia, trimLeadingSpaces(cell(record_, row, 0)));
    // A row that passes with a depth of nothing (the base takes the storm) is no ring to build.
    if (rowFails(row))
        clearNotice();
    else if (!acceptDepth(ring.shownDepth))
        return false;
    record_.write(Field::rvdepth, trimLeadingSpaces(cell(record_, row, 1)));
    record_.write(Field::rvhalf, trimLeadingSpaces(cell(record_, row, 2)));
    judgeShownRing();
    return true;
}

void RingSizing::showRingDesign() {
    trenchView_.hidetrench();
    record_.hide(Notice::lblringwarning);
    record_.hide(Notice::trenchwarning);
    record_.show(Notice::lblfttrench, filterTrenchOn(record_));
    ringcalc();

    int row = 1;
    selectRow(row);
    while (rowFails(row) && row < RingDesign::kRows) selectRow(++row);

    if (!rowFails(row) && copyRowToPanel(row)) {
        ringView_.ringboxtoviz();
        ringView_.showring();
        ringView_.drawringbase();
        ringView_.ringlines();
        ringView_.depthmove();
        ringView_.mirrorring();
    } else {
        ringView_.hidering();
        // Every row failing is said by its own warning; a ring of no depth by the notice.
        record_.show(Notice::lblringwarning, rowFails(row));
        canvas_.repaint();
    }
}

void RingSizing::selectRow(int row) {
    if (record_.ring.selectedRow == row) return;
    record_.ring.selectedRow = row;
    ringrowchange();
}

void RingSizing::chooseRow(int row) {
    record_.ring.selectedRow = row;
    ringrowchange();
}

void RingSizing::ringrowchange() {
    if (!record_.flags.ringdrawable) return;
    const int row = record_.ring.selectedRow;
    const bool buildable = copyRowToPanel(row);
    if (!buildable) {
        ringView_.hidering();
        record_.hide(Notice::lblringwarning);
        canvas_.repaint();
    } else if (!rowFails(row)) {
        record_.ringcolour = colours::black;
        ringView_.showring();
        ringView_.mirrorring();
        ringView_.depthmove();
        ringView_.ringlines();
        ringView_.ringboxtoviz();
        for (Field f : {Field::rvdia, Field::rvdepth, Field::rvhalf})
            record_.style(f).text = colours::black;
        record_.hide(Notice::lblringwarning);
    } else {
        ringView_.hidering();
        record_.show(Notice::lblringwarning);
        record_.ringcolour = colours::red;
        for (Field f : {Field::rvdia, Field::rvdepth, Field::rvhalf})
            record_.style(f).text = colours::red;
        ringView_.mirrorring();
        ringView_.depthmove();
        canvas_.repaint();
    }
}

void RingSizing::rvdiaChange() {
    record_.flags.ProjectModified = true;
    record_.blankTipPanel();
}

void RingSizing::rvdepthChange() {
    record_.flags.ProjectModified = true;
    record_.blankTipPanel();
    judgeShownRing();
    ringView_.ringlines();
    ringView_.diametermove();
    ringView_.depthmove();
}

void RingSizing::rvhalfChange() {
    judgeShownRing();
    ringView_.ringlines();
    ringView_.diametermove();
    ringView_.depthmove();
}

void RingSizing::clearTable() {
    for (int row = 1; row <= RingDesign::kRows; ++row) {
        cell(record_, row, 1).clear();
        cell(record_, row, 2).clear();
    }
}

}  // namespace varnholt
