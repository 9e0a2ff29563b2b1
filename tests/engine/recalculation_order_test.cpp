// Guards the order in which a pass asks the drawings for their work, and the bound on how
// deep the write-back chain may nest. The elevation and 3D view rely on the order (each
// operation reads what the one before it wrote).
#include <gtest/gtest.h>

#include "engine/design.h"
#include "engine/errors.h"
#include "started_design.h"

namespace varnholt {
namespace {

using testing::enter;
using testing::enterWorkedInputs;
using testing::OperationLog;
using testing::start;

TEST(RecalculationOrder, ATrenchPassDrawsInItsFixedOrder) {
    OperationLog log;
    Design design(&log);
    start(design);
    enterWorkedInputs(design);
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});
    log.calls.clear();

    design.refreshView();  // nothing to solve, no text changes: one flat pass

    const std::vector<std::string> base = {"drawbase", "drawsides"};
    const std::vector<std::string> lines = {"blacklines", "drawbase", "drawsides"};
    std::vector<std::string> expected = {"hidering", "boxtovizwidth", "widthmove", "heightmove",
                                         "lengthmove"};
    auto append = [&](const std::vector<std::string>& more) {
        expected.insert(expected.end(), more.begin(), more.end());
    };
    append(lines);
    append(base);
    append({"boxtovizdepth", "heightmove", "widthmove", "lengthmove"});
    append(lines);
    append(base);
    append({"boxtovizlength", "showtrench"});
    append(base);
    append(lines);
    append({"lengthmove", "hidering"});
    EXPECT_EQ(log.calls, expected);
}

TEST(RecalculationOrder, ARingPassShowsTheChosenRowLast) {
    OperationLog log;
    Design design(&log);
    start(design);
    enter(design,
          {{Field::txtarea, "100"}, {Field::txtrain, "0.015"}, {Field::txtsinf, "0.00001"}});
    design.switchPage(DetailPage::tsring);
    log.calls.clear();

    design.refreshView();  // the panel already shows row 1: no field changes
    const std::vector<std::string> expected = {
        "hidetrench",  // trench branch, not ready
        "hidetrench",  // ring branch
        "ringboxtoviz", "diametermove", "depthmove", "mirrorring", "drawringbase",
        "ringlines",    "drawringbase", "showring",  "mirrorring", "drawringbase",
        "ringlines",    "drawringbase", "depthmove", "mirrorring"};
    EXPECT_EQ(log.calls, expected);
}

// A drawing that writes back into a field on every show keeps the chain going for ever; the
// bound stops it with a message instead of a crash, and the design goes on working.
class RewritingDrawing : public DrawingObserver {
public:
    void operation(std::string_view name) override {
        if (design && name == "showtrench")
            design->write(Field::txtdepth, (toggle = !toggle) ? "1.0" : "1");
    }
    Design* design = nullptr;
    bool toggle = false;
};

TEST(RecalculationOrder, AChainThatNeverSettlesIsStoppedAtTheBound) {
    RewritingDrawing drawing;
    Design design(&drawing);
    start(design);
    enterWorkedInputs(design);
    enter(design, {{Field::txtdepth, "1"}, {Field::lblwid, "1"}, {Field::txtlength, "10"}});

    drawing.design = &design;
    try {
        design.write(Field::txtdepth, "2");
        FAIL() << "the chain ran to its end";
    } catch (const ChainTooDeepError& e) {
        EXPECT_NE(std::string(e.what()).find("did not settle"), std::string::npos);
    }
    drawing.design = nullptr;
    design.write(Field::txtdepth, "1.5");
    EXPECT_EQ(design.record().text(Field::txtlength), "6.63");
    EXPECT_EQ(design.record().text(Field::lbltime), "2.08");
}

}  // namespace
}  // namespace varnholt
