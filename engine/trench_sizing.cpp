#include "trench_sizing.h"

#include "sizing_values.h"
#include "trench_fill.h"
#include "unbuildable.h"

namespace varnholt {

TrenchLoad trenchLoadOf(const DesignRecord& record) {
    const SizingValues& s = record.sizing;
    return {s.effectiveArea,
            s.rainfallDepth,
            s.overflowFactor,
            s.stormDuration,
            s.designInfiltrationRate,
            s.trenchVoidRatio,
            record.checked(Check::chkbase)};
}

TrenchLoad TrenchSizing::load() const {
    return trenchLoadOf(record_);
}

void TrenchSizing::designtrench() {
    refillSizingValues(record_);
    const bool solving = record_.flags.solveWidth || record_.flags.solveLength;
    // A request is cleared only after its solve has returned: the write-back inside the solve
    // starts nested passes, and they must still see the request that is being honoured.
    if (record_.flags.solveWidth) {
        widthcalc();
        record_.flags.solveWidth = false;
    }
    if (record_.flags.solveLength) {
        lengthcalc();
        record_.flags.solveLength = false;
    }
    // The last solve that ran decides, and without one the last verdict stands: the fields
    // still hold the texts of the last trench that could be built.
    if (record_.notice(Notice::lbltrenchnotice).visible) {
        // Nothing to time: the texts that stand are marked as not this design's.
        record_.style(Field::lbltime) = kWarningStyle;
        record_.flags.trenchdrawable = false;
        return;
    }
    if (solving) showCrateTank();
    halfempty();
    if (restyle_) {
        // The time's text may be the one it had before, which starts no check of its own.
        restyle_ = false;
        lbltimeChange();
    }
}

void TrenchSizing::showCrateTank() {
    if (!crateUnitOf(record_)) return;
    // Each write may start a nested pass that sizes the tank again; the next write takes the
    // tank as that pass left it. Whole units repeat their texts, so the chain soon ends.
    const TrenchNumbers& t = record_.trench;
    record_.write(Field::txtdepth, displayText(t.depth));
    record_.write(Field::txtlength, displayText(t.length));
    record_.write(Field::lblwid, displayText(t.width));
}

void TrenchSizing::clearNotice() {
    if (!record_.notice(Notice::lbltrenchnotice).visible) return;
    record_.hide(Notice::lbltrenchnotice);
    for (Field f : {Field::txtlength, Field::lblwid}) record_.style(f) = kNormalStyle;
    restyle_ = true;
}

bool TrenchSizing::accept(Field solved, double size) {
    if (isBuildable(size)) {
        clearNotice();
        return true;
    }
    const TrenchLoad l = load();
    const double inflow = l.effectiveArea * l.rainfallDepth * l.overflowFactor;
    NoticeState& notice = record_.notice(Notice::lbltrenchnotice);
    notice.text = trenchNotice(solved == Field::lblwid ? TrenchSolve::width : TrenchSolve::length,
                               inflow, l.overflowFactor, size);
    notice.visible = true;
    record_.style(solved) = kWarningStyle;
    return false;
}

void TrenchSizing::widthcalc() {
    // The width the user is typing stands; the length is solved for it instead.
    if (record_.isTyping(Field::lblwid)) return;
    const std::optional<CrateUnit> crates = crateUnitOf(record_);
    double length = record_.number(Field::txtlength);
    double depth = record_.number(Field::txtdepth);
    // Crates are sized as the tank their whole units make.
    if (crates) {
        length = roundedUpToUnits(length, crates->length);
        depth = roundedUpToUnits(depth, crates->height);
    }
    double width = solveTrenchWidth(load(), length, depth);
    if (!accept(Field::lblwid, width)) return;
    if (crates) width = roundedUpToUnits(width, crates->width);
    TrenchNumbers& t = record_.trench;
    t.length = length;
    t.depth = depth;
    t.width = width;
    record_.write(Field::lblwid, displayText(t.width));
}

void TrenchSizing::lengthcalc() {
    if (record_.isTyping(Field::txtlength)) return;
    const std::optional<CrateUnit> crates = crateUnitOf(record_);
    double depth = record_.number(Field::txtdepth);
    double width = record_.number(Field::lblwid);  // the displayed width, as the user sees it
    if (crates) {
        depth = roundedUpToUnits(depth, crates->height);
        width = roundedUpToUnits(width, crates->width);
    }
    double length = solveTrenchLength(load(), width, depth);
    if (!accept(Field::txtlength, length)) return;
    if (crates) length = roundedUpToUnits(length, crates->length);
    TrenchNumbers& t = record_.trench;
    t.depth = depth;
    t.width = width;
    t.length = length;
    record_.write(Field::txtlength, displayText(t.length));
}

void TrenchSizing::halfempty() {
    TrenchNumbers& t = record_.trench;
    t.halfEmptyTime = trenchHalfEmptyHours(load(), t.length, t.width, t.depth);
    record_.write(Field::lbltime, displayText(t.halfEmptyTime));
}

void TrenchSizing::lbltimeChange() {
    const double limit = record_.number(Field::txthalfempty);
    // The full-precision time decides, not the cut text: 24.004 h shows 24.00 and fails.
    // A time that is not a number compares false and so fails.
    const bool within = limit >= record_.trench.halfEmptyTime;
    record_.outlinecolour = within ? colours::black : colours::red;
    view_.blacklines();
    view_.widthmove();
    view_.lengthmove();
    view_.heightmove();
    record_.style(Field::lbltime) = within ? kNormalStyle : kWarningStyle;
    record_.show(Notice::trenchwarning, !within);
}

void TrenchSizing::stepUp(Field f) {
    const std::string& text = record_.text(f);
    record_.write(f, text.empty() ? "0.15" : plainText(parseNumber(text) + 0.1));
}

void TrenchSizing::stepDown(Field f) {
    const std::string& text = record_.text(f);
    if (text.empty()) return record_.write(f, "0.15");
    const double value = parseNumber(text);
    record_.write(f, value <= 0.15 ? "0.15" : plainText(value - 0.1));
}

}  // namespace varnholt
