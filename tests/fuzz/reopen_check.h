#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/design.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "project/field_texts.h"
#include "project/project_file.h"
#include "started_design.h"

namespace varnholt::fuzz {

struct Quiet : MessageSink {
    void inform(const std::string& text) override { last = text; }
    std::string last;
};

// Saves the design as Save would, opens the file in a fresh design and aborts unless it opens
// with every typed value. A design that Save refuses (a number field holding a text that is
// not a number) writes nothing and is not checked; a saved file that the reader refuses, or
// whose reading stops at a line, fails the check. The trench's dimensions are typed again line
// by line as the file is read, so they settle by the order of its lines, and an option zero
// is read as its default; neither is compared. The design check's inputs and the trench fill
// come back as written.
inline void expectReopens(const Design& design) {
    if (unsaveableField(design.record())) return;
    const std::string saved = writeProjectFile(design.record());
    Design again;
    testing::start(again);
    Quiet messages;
    try {
        if (!readProjectFile(again, saved, "saved.vhl", messages)) {
            std::fprintf(stderr, "the saved file was refused: %s\n%s\n", messages.last.c_str(),
                         saved.c_str());
            std::abort();
        }
    } catch (const ChainTooDeepError&) {
        return;  // the engine's own stop, told to the designer; no line was refused
    } catch (const ActionStopped& e) {
        std::fprintf(stderr, "reading the saved file stopped: %s\n%s\n", e.what(), saved.c_str());
        std::abort();
    }
    const DesignRecord& before = design.record();
    const DesignRecord& after = again.record();
    if (writeCheckSection(after.checkTexts, after.fehTables) !=
        writeCheckSection(before.checkTexts, before.fehTables)) {
        std::fprintf(stderr, "the design check's inputs did not come back\n%s\n", saved.c_str());
        std::abort();
    }
    if (fillTextsOf(after) != fillTextsOf(before)) {
        std::fprintf(stderr, "the trench fill did not come back\n%s\n", saved.c_str());
        std::abort();
    }
    for (const FieldLine& line : kFieldLines) {
        const Field f = line.field;
        if (f == Field::txtlength || f == Field::txtdepth || f == Field::lblwid) continue;
        std::string typed = design.record().text(f);
        for (char& c : typed)
            if (c == '\n' || c == '\0') c = ' ';  // as the file keeps them
        if (isOption(f) && isZeroOrEmpty(typed)) continue;
        if (again.record().text(f) != typed) {
            std::fprintf(stderr, "field %d: saved '%s', reopened '%s'\n", static_cast<int>(f),
                         typed.c_str(), again.record().text(f).c_str());
            std::abort();
        }
    }
}

}  // namespace varnholt::fuzz
