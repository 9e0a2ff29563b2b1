#pragma once

#include "design_record.h"
#include "recalculation.h"
#include "ring_sizing.h"
#include "trench_sizing.h"

namespace varnholt {

// What a change of each field's text sets off, at once and nested inside whoever wrote it.
//
// A solved width written into lblwid is itself a change: it asks for the length, which is
// solved from the displayed width and written into txtlength, whose change asks for the width
// again, and so on. Each level needs a text that differs from the one it replaces, so the
// chain stops within a few levels once the written texts repeat. The depth is bounded all the
// same, so that no design can run the stack out.
class ChangeHandling : public ChangeHandler {
public:
    static constexpr int kMaxNesting = 100;

    ChangeHandling(DesignRecord& record, Recalculation& pass, TrenchSizing& trench,
                   RingSizing& ring)
        : record_(record), pass_(pass), trench_(trench), ring_(ring) {}

    void fieldChanged(Field f) override;

private:
    enum class Solve { width, length };
    enum class Tests { ringFirst, trenchFirst };
    void inputChanged(Solve request, Tests order);

    DesignRecord& record_;
    Recalculation& pass_;
    TrenchSizing& trench_;
    RingSizing& ring_;
    int nesting_ = 0;
};

}  // namespace varnholt
