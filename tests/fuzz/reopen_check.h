#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/design.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "project/project_file.h"
#include "started_design.h"

namespace varnholt::fuzz {

struct Quiet : MessageSink {
    void inform(const std::string&) override {}
};

// Saves the design, opens the file in a fresh design and aborts unless it opens with every
// typed value. The trench's dimensions are typed again line by line as the file is read, so
// they settle by the order of its lines, and an option left empty or zero is read as its
// default; neither is compared.
inline void expectReopens(const Design& design) {
    const std::string saved = writeProjectFile(design.record());
    Design again;
    testing::start(again);
    Quiet messages;
    try {
        if (!readProjectFile(again, saved, messages)) {
            std::fprintf(stderr, "the saved file was refused:\n%s\n", saved.c_str());
            std::abort();
        }
    } catch (const ActionStopped&) {
        return;  // a text stops its handler: the design opens as far as it was typed
    }
    for (Field f : {Field::projtit, Field::projnum, Field::desname, Field::txtarea,
                    Field::txtsinf, Field::txtrain, Field::txtsdur, Field::txtVRC, Field::txtVR,
                    Field::txtFOS, Field::txtringfail, Field::txtoverflow, Field::txthalfempty,
                    Field::txtringmargin}) {
        const bool option = f == Field::txtVRC || f == Field::txtVR || f == Field::txtFOS ||
                            f == Field::txtringfail || f == Field::txtoverflow ||
                            f == Field::txthalfempty || f == Field::txtringmargin;
        std::string typed = design.record().text(f);
        for (char& c : typed)
            if (c == '\n' || c == '\0') c = ' ';  // as the file keeps them
        if (option && isZeroOrEmpty(typed)) continue;
        if (again.record().text(f) != typed) {
            std::fprintf(stderr, "field %d: saved '%s', reopened '%s'\n", static_cast<int>(f),
                         typed.c_str(), again.record().text(f).c_str());
            std::abort();
        }
    }
}

}  // namespace varnholt::fuzz
