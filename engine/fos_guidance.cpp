#include "fos_guidance.h"

namespace varnholt {

void colourcheck(DesignRecord& record) {
    const double v = record.number(Field::txtFOS);
    FosGuidance& g = record.fosGuidance;
    if (v < 2) {
        g = {colours::black,
             "1 - 2. Used where risk to adjacent property is minimal or negligible"};
    } else if (v <= 5) {
        g = {colours::purple,
             "2 - 5. Used in situations where there may be some surface water flooding, but only "
             "minor inconvenience"};
    } else {
        g = {colours::red,
             "5 - 10. Used where damage to buildings is likely due to the effects of flooding"};
    }
    record.style(Field::txtFOS).text = g.colour;
}

}  // namespace varnholt
