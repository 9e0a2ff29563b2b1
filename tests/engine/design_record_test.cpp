// Guards a copy of the design record: it is a record of its own. A copy that kept the change
// handler of the design it came from ran that design's handling for every write into the copy,
// so the storm table and the headless reports, which size their own copies, rewrote the
// design on show.
#include <gtest/gtest.h>

#include "engine/design.h"
#include "started_design.h"

namespace varnholt {
namespace {

// Writes into a record that was made from the design's, and says whether the design changed.
struct CopyCase {
    const char* name;
    void (*copyAndWrite)(const DesignRecord& from);
};

const CopyCase kCopies[] = {
    {"constructed",
     [](const DesignRecord& from) {
         DesignRecord copy = from;
         copy.write(Field::lblwid, "2");
     }},
    {"assigned",
     [](const DesignRecord& from) {
         DesignRecord copy;
         copy = from;
         copy.write(Field::lblwid, "2");
     }},
    {"moved",
     [](const DesignRecord& from) {
         DesignRecord copy = from;
         DesignRecord moved = std::move(copy);
         moved.write(Field::lblwid, "2");
     }},
};

TEST(DesignRecordCopy, RunsNoneOfTheChangeHandlingOfTheDesignItCameFrom) {
    for (const CopyCase& c : kCopies) {
        SCOPED_TRACE(c.name);
        Design design;
        testing::start(design);
        testing::enterWorkedInputs(design);
        testing::enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}});
        design.write(Field::txtlength, "10");
        design.record().flags.ProjectModified = false;
        const std::string length = design.record().text(Field::txtlength);
        const double solved = design.record().trench.length;

        c.copyAndWrite(design.record());

        EXPECT_FALSE(design.record().flags.ProjectModified);
        EXPECT_EQ(design.record().text(Field::txtlength), length);
        EXPECT_EQ(design.record().trench.length, solved);
    }
}

// An assigned record stays under its own design's handling.
TEST(DesignRecordCopy, AnAssignedRecordKeepsItsOwnHandling) {
    Design from;
    testing::start(from);
    testing::enterWorkedInputs(from);
    Design to;
    testing::start(to);
    to.record() = from.record();
    to.record().flags.ProjectModified = false;
    to.write(Field::txtarea, "150");
    EXPECT_TRUE(to.record().flags.ProjectModified);
    EXPECT_EQ(from.record().text(Field::txtarea), "100");
}

}  // namespace
}  // namespace varnholt
