#include "design_record.h"

#include "trench_fill.h"

namespace varnholt {

namespace {
constexpr std::array<int, RingDesign::kRows> kRingSizesMm = {900,  1050, 1200, 1350, 1500,
                                                             1800, 2100, 2400, 2700};
constexpr std::array<double, RingDesign::kRows> kRingRadii = {0.45, 0.525, 0.6, 0.675, 0.75,
                                                              0.9,  1.05,  1.2, 1.35};
}  // namespace

int RingDesign::ringSizeMm(int row) {
    return kRingSizesMm[static_cast<std::size_t>(row - 1)];
}
double RingDesign::radiusOf(int row) {
    return kRingRadii[static_cast<std::size_t>(row - 1)];
}

RingDesign::RingDesign() {
    cells[0] = {"Ring Size (mm)", "    Depth (m)", "Half Empty Time"};
    for (int row = 1; row <= kRows; ++row)
        cells[static_cast<std::size_t>(row)][0] = "         " + std::to_string(ringSizeMm(row));
}

void StatusBarTexts::showVoidRatio(std::string_view text) {
    voidRatio = "Void Ratio = ";
    voidRatio += text;
}

void StatusBarTexts::showFactorOfSafety(std::string_view text) {
    factorOfSafety = "Factor of Safety = ";
    factorOfSafety += text;
}

void StatusBarTexts::showOptionsOf(const DesignRecord& record) {
    showVoidRatio(record.text(Field::txtVR));
    // The trench of crates holds water at the crates' ratio, not the gravel's.
    if (trenchFillOf(record) == TrenchFill::crates)
        voidRatio += ", crates " + record.text(Field::txtcratevr);
    showFactorOfSafety(record.text(Field::txtFOS));
}

DesignRecord::DesignRecord() {
    place(Field::txtVRC, "1.00");
    place(Field::txtsdur, "60");
    place(Field::txtFOS, "1");
    place(Field::txtVR, "0.3");
    place(Field::txtoverflow, "0");
    place(Field::txthalfempty, "24");
    place(Field::txtringfail, "4");
    place(Field::txtringmargin, "0");
    place(Field::rvdepth, "1");
    place(Field::txtfill, kGravelFillText);
    place(Field::txtcratelength, kDefaultCrateLength);
    place(Field::txtcratewidth, kDefaultCrateWidth);
    place(Field::txtcrateheight, kDefaultCrateHeight);
    place(Field::txtcratevr, kDefaultCrateVoidRatio);

    notice(Notice::trenchwarning).text = "Warning! Half Empty time has been exceeded!";
    notice(Notice::lblfttrench).text = "Designed as Filter Trench";
    notice(Notice::lblringwarning).text = "No Ring Varnholt available";
    notice(Notice::lblfiltwarning).text =
        "Soakaway has been designed as a filter trench with x% of the impermeable area "
        "discharging to the overflow pipe.";
    notice(Notice::lblfiltflow).text =
        "The AVERAGE flow discharging through the overflow pipe is ...";
    notice(Notice::lblfiltertrench).text =
        "The soakaway is NOT currently designed as a filter trench.";
    notice(Notice::lblbaseincluded).text = "Base Included";

    fosGuidance.text = "1 - 2. Used where risk to adjacent property is minimal or negligible";
    caption = std::string(kStartCaption);
}

void DesignRecord::write(Field f, std::string text) {
    if (isTyping(f)) return;
    std::string& current = texts_[index(f)];
    if (current == text) return;
    current = std::move(text);
    if (handler_.handler) handler_.handler->fieldChanged(f);
}

void DesignRecord::writeTyped(Field f, std::string text) {
    std::string& current = texts_[index(f)];
    if (current == text) return;
    current = std::move(text);
    // Restored however the handling ends, the conversion error included.
    struct Hold {
        std::optional<Field>& typing;
        std::optional<Field> before;
        ~Hold() { typing = before; }
    } hold{typing_, typing_};
    typing_ = f;
    if (handler_.handler) handler_.handler->fieldChanged(f);
}

}  // namespace varnholt
