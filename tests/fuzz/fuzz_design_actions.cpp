// The design engine under random user actions, decoded from the input as the headless
// driver applies them: typed and written texts in any field, ticks, page switches, the site
// data dialogs' commands. No crash, no sanitizer report, no runaway change chain, and the
// design left behind saves a file that opens again with every typed value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "project/project_file.h"
#include "reopen_check.h"
#include "started_design.h"
#include "tools/options_dialog_logic.h"
#include "tools/rainfall_dialog_logic.h"
#include "tools/runoff_dialog_logic.h"
#include "tools/soil_table_logic.h"
#include "tools/trial_pit_logic.h"

namespace {

using namespace varnholt;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    unsigned byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Short texts, mostly made of what number fields hold, now and then any byte at all.
    std::string text() {
        static const char kNumberish[] = "0123456789.-+eE INFNA";
        const unsigned length = byte() % 12;
        std::string t;
        for (unsigned i = 0; i < length; ++i) {
            const unsigned b = byte();
            t += (b & 0x80) ? static_cast<char>(b & 0x7F) : kNumberish[b % (sizeof kNumberish - 1)];
        }
        return t;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

GridCell cellOf(Input& in, RainfallGrid g) {
    return {static_cast<int>(in.byte()) % RainfallDialogLogic::rowCount(g),
            static_cast<int>(in.byte()) % RainfallDialogLogic::columnCount(g)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    fuzz::Quiet messages;
    Design design;
    testing::start(design);
    OptionsDialogLogic options(design);
    RunoffDialogLogic runoff(design);
    TrialPitLogic trialPit(design);
    SoilTableLogic soilTable(design);
    RainfallDialogLogic rainfall;

    for (int step = 0; step < 64 && !in.done(); ++step) {
        const unsigned op = in.byte() % 14;
        const Field field = kAllFields[in.byte() % kFieldCount];
        try {
            switch (op) {
                case 0:
                    design.write(field, in.text());
                    break;
                case 1: {
                    const unsigned k = in.byte();
                    design.type(field, k % 5 == 0 ? std::string("\b") : in.text().substr(0, 1));
                    break;
                }
                case 2:
                    design.setCheck(kAllChecks[in.byte() % kCheckCount], in.byte() & 1);
                    break;
                case 3:
                    design.switchPage(in.byte() & 1 ? DetailPage::tsring : DetailPage::tstrench);
                    break;
                case 4:
                    design.activate();
                    break;
                case 5:
                    design.refreshView();
                    break;
                case 6:
                    options.shown();
                    options.ok();
                    design.activate();
                    break;
                case 7:
                    if (runoff.ok(messages)) {
                        runoff.closed();
                        design.activate();
                    }
                    break;
                case 8:
                    trialPit.boxes = {in.text(), in.text(), in.text(), in.text()};
                    trialPit.calculate(messages, [] {});
                    break;
                case 9:
                    soilTable.select(1 + static_cast<int>(in.byte() % 5));
                    soilTable.use();
                    soilTable.closed();
                    break;
                case 10:
                    rainfall.click(RainfallGrid::sgz1, cellOf(in, RainfallGrid::sgz1));
                    rainfall.mouseReleased(RainfallGrid::sgz1);
                    rainfall.click(RainfallGrid::sgz2, cellOf(in, RainfallGrid::sgz2));
                    rainfall.mouseReleased(RainfallGrid::sgz2);
                    rainfall.useInDesign(design);
                    break;
                case 11: {
                    static constexpr Field kDimensions[] = {Field::txtlength, Field::txtdepth,
                                                            Field::lblwid};
                    const Field dimension = kDimensions[in.byte() % 3];
                    in.byte() & 1 ? design.stepUp(dimension) : design.stepDown(dimension);
                    break;
                }
                case 12:
                    design.chooseRingRow(1 + static_cast<int>(in.byte() % 9));
                    break;
                case 13:
                    design.windowResized();
                    break;
            }
        } catch (const ActionStopped&) {
            // The action stopped with its message; the user carries on.
        }
    }

    fuzz::expectReopens(design);
    return 0;
}
