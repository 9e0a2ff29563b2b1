#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/design.h"

namespace varnholt::testing {

// Records every drawing operation in the order the engine asks for it.
class OperationLog : public DrawingObserver {
public:
    void operation(std::string_view name) override { calls.emplace_back(name); }
    std::vector<std::string> calls;
};

// A design as the program has it once its main window is up: created, shown and active.
inline void start(Design& design) {
    design.create("10/12/2026");
    design.firstShow();
    design.activate();
}

using Entries = std::initializer_list<std::pair<Field, std::string>>;

inline void enter(Design& design, Entries entries) {
    for (const auto& [field, text] : entries) design.write(field, text);
}

// The design the sizing examples are worked with: 100 m2 at coefficient 1.00, 0.02 m of rain
// in 60 minutes, 0.00001 m/s, factor of safety 1, void ratio 0.3, no overflow, base off.
// V = 2 m3 and f.t = 0.036 m.
inline void enterWorkedInputs(Design& design) {
    enter(design, {{Field::txtarea, "100"},
                   {Field::txtrain, "0.02"},
                   {Field::txtsdur, "60"},
                   {Field::txtsinf, "0.00001"}});
}

}  // namespace varnholt::testing
