#pragma once

#include <string>
#include <string_view>

#include "change_handling.h"
#include "design_record.h"
#include "filter_report.h"
#include "recalculation.h"
#include "ring_elevation.h"
#include "ring_sizing.h"
#include "scene_model.h"
#include "trench_elevation.h"
#include "trench_sizing.h"

namespace varnholt {

// The design and everything that acts on it, wired together. The windows and the headless
// driver act on the design only through these operations, each of which is one user action:
// a ConversionError thrown from it has already left behind what was written before.
class Design {
public:
    explicit Design(DrawingObserver* observer = nullptr);
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;

    DesignRecord& record() { return record_; }
    const DesignRecord& record() const { return record_; }
    const SceneModel& scene() const { return scene_; }
    const ElevationCanvas& canvas() const { return canvas_; }
    // Where the drawings may not go, in window client coordinates; the window tells.
    void setPaneBounds(int splitterRight, int pcmainBottom);

    // Start-up: the main window is created (today's date in its short form for the status
    // bar), first shown, and made active.
    void create(std::string today);
    void firstShow();  // everything before a project named on the command line is opened
    void activate();

    // One change of a field's text by the program (a tool, a drag, a spin button, a file):
    // handled at once, no key filter, and the write-back may rewrite it.
    void write(Field f, std::string text);
    // One key typed at the end of a field's text, nothing selected: one character in UTF-8,
    // or "\b" for backspace, which removes one character. Returns false when the field refuses
    // the key; the refusal's hint goes to the status bar. The typed text stands: the
    // recalculation never writes back into the field being typed in.
    bool type(Field f, std::string_view key);
    bool type(Field f, char key) { return type(f, std::string_view(&key, 1)); }
    // The key filter of a window's field: `result` is the text the key would leave (it may
    // replace a selection). Returns false, with the hint on the status bar, for a refused key.
    bool allowKey(Field f, std::string_view result, char key);
    // A key the filter let through has left `text`: handled as a typed change.
    void typeText(Field f, std::string text);
    // Any other edit by the user that leaves `text`: a paste, a drop, a cut, a deletion. A
    // numeric field takes a text that is a number (or nothing), and a shorter text that typing
    // on could still make one; anything else is refused whole, with the hint on the status
    // bar. Returns whether it was taken.
    bool editText(Field f, std::string text);
    void setCheck(Check c, bool on) { record_.setChecked(c, on); }
    void switchPage(DetailPage page);
    void refreshView() { pass_.showwhat(); }
    // A dialog that edits the design in place (the options, the runoff coefficient) closed:
    // the design is shown as it now stands.
    void dialogClosed() { pass_.showwhat(); }
    // Both pages brought up to date and the width solved afresh, since new options change
    // what a given length needs: the options' OK, and every printed data sheet.
    void recalculateBothPages();
    // OK in the design options: the filter report and both pages follow the new options, the
    // status bar shows them, and the ring fill becomes the one the ring sizing uses.
    void optionsAccepted();
    // Cancel in the design options, once the fields hold again what the dialog was shown with.
    void optionsCancelled();
    // An input of the design check typed, or FEH tables imported for it: kept with the project,
    // so a change marks it modified. False, changing nothing, for a key the check does not have.
    bool editCheckText(std::string_view key, std::string text);
    void importFehTables(FehDepthTables tables);
    // A new project: the ring table loses the sizes of the design before.
    void clearRingTable() { ring_.clearTable(); }
    void stepUp(Field f) { trench_.stepUp(f); }
    void stepDown(Field f) { trench_.stepDown(f); }
    void chooseRingRow(int row) { ring_.chooseRow(row); }
    // The ring fill of the options becomes the one the ring sizing uses.
    void takeRingFillOver();
    // The whole window is repainted, which wipes the lines traced on it.
    void repaintWindow() { canvas_.repaint(); }
    // The window changed size: its repaint wiped the traced lines, which are traced again.
    void windowResized();
    // sbringdia: the variable ring one step (10 mm, one pixel of the drawing) wider or
    // narrower, sized as a drag of its grip would.
    void stepRingDiameter(bool wider);

    TrenchElevation& trenchElevation() { return trenchElevation_; }
    RingElevation& ringElevation() { return ringElevation_; }
    const TrenchElevation& trenchElevation() const { return trenchElevation_; }
    const RingElevation& ringElevation() const { return ringElevation_; }

private:
    DesignRecord record_;
    SceneModel scene_;
    ElevationCanvas canvas_;
    TrenchElevation trenchElevation_;
    RingElevation ringElevation_;
    FilterReport filter_;
    TrenchSizing trench_;
    RingSizing ring_;
    Recalculation pass_;
    ChangeHandling changes_;
};

// Fields the user can type into on the main window.
bool isTypeable(Field f);

}  // namespace varnholt
