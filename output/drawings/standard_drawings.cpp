#include "standard_drawings.h"

namespace varnholt::drawings {

std::string fileBaseName(StandardDrawing which) {
    switch (which) {
        case StandardDrawing::ring:
            return "Ring_Soakaway";
        case StandardDrawing::trenchWithSiltTrap:
            return "Soakaway_plus_Silttrap";
        case StandardDrawing::trench:
            return "Trench_Soakaway";
    }
    return {};
}

Drawing standardDrawing(StandardDrawing which) {
    switch (which) {
        case StandardDrawing::ring:
            return ringSoakawayDrawing();
        case StandardDrawing::trenchWithSiltTrap:
            return trenchWithSiltTrapDrawing();
        case StandardDrawing::trench:
            return trenchDrawing();
    }
    return {};
}

}  // namespace varnholt::drawings
