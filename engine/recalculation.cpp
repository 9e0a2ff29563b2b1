#include "recalculation.h"

#include "trench_fill.h"

namespace varnholt {

// Stops at the first field that is empty or not above zero; a text that is not a number
// raises the conversion error.
bool Recalculation::allPositive(std::initializer_list<Field> fields) const {
    for (Field f : fields)
        if (record_.isEmpty(f) || !(record_.number(f) > 0)) return false;
    return true;
}

void Recalculation::procshowtrench() {
    const bool ready = allPositive({Field::txtarea, Field::txtsinf, Field::txtrain, Field::txtsdur,
                                    Field::txtlength, Field::txtdepth, Field::lblwid}) &&
                       (trenchFillOf(record_) != TrenchFill::crates ||
                        allPositive({Field::txtcratelength, Field::txtcratewidth,
                                     Field::txtcrateheight, Field::txtcratevr}));
    if (!ready) trench_.clearNotice();
    record_.flags.trenchdrawable = ready && record_.detailPage == DetailPage::tstrench;
}

void Recalculation::procshowring() {
    const bool ready =
        allPositive({Field::txtarea, Field::txtsinf, Field::txtrain, Field::txtsdur});
    if (!ready) ring_.clearNotice();
    record_.flags.ringdrawable = ready && record_.detailPage == DetailPage::tsring;
}

void Recalculation::showwhat() {
    filter_.checkfilter();

    if (record_.flags.trenchdrawable) {
        ringView_.hidering();
        record_.hide(Notice::trenchwarning);
        record_.hide(Notice::lblringwarning);
        record_.show(Notice::lblfttrench, filterTrenchOn(record_));
        trench_.designtrench();
        trenchView_.boxtovizwidth();
        trenchView_.boxtovizdepth();
        trenchView_.boxtovizlength();
        trenchView_.showtrench();
        trenchView_.drawbase();
        trenchView_.blacklines();
        trenchView_.lengthmove();
    }
    // Asked again: the write-back inside the sizing may have found the trench no longer ready
    // (a solved width of zero or less).
    if (!record_.flags.trenchdrawable) {
        trenchView_.hidetrench();
        record_.hide(Notice::lblringwarning);
    }

    if (record_.flags.ringdrawable) ring_.showRingDesign();
    if (!record_.flags.ringdrawable) {
        ringView_.hidering();
        record_.hide(Notice::lblringwarning);
    }
}

}  // namespace varnholt
