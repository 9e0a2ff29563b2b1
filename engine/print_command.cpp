#include "print_command.h"

namespace varnholt {

namespace {
// With two pages, stepping to the previous page shows the other one; each step is a page
// change and recalculates the design of the page it shows.
void stepToPreviousPage(Design& design) {
    const DetailPage now = design.record().detailPage;
    design.switchPage(now == DetailPage::tstrench ? DetailPage::tsring : DetailPage::tstrench);
}
}  // namespace

bool prepareDataSheet(Design& design) {
    design.recalculateBothPages();
    const DesignRecord& record = design.record();

    stepToPreviousPage(design);
    stepToPreviousPage(design);

    for (Field f : {Field::txtarea, Field::txtsinf, Field::txtrain, Field::txtsdur})
        if (record.isEmpty(f)) return false;
    if (record.detailPage != DetailPage::tsring) {
        stepToPreviousPage(design);
        stepToPreviousPage(design);
    }
    return true;
}

}  // namespace varnholt
