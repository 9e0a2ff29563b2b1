#include "design.h"

#include "number_entry.h"
#include "number_text.h"

namespace varnholt {

Design::Design(DrawingObserver* observer)
    : trenchElevation_(record_, scene_, canvas_, observer),
      ringElevation_(record_, scene_, canvas_, observer),
      filter_(record_, scene_),
      trench_(record_, trenchElevation_),
      ring_(record_, ringElevation_, trenchElevation_, canvas_),
      pass_(record_, filter_, trench_, ring_, trenchElevation_, ringElevation_),
      changes_(record_, pass_, trench_, ring_) {
    record_.setChangeHandler(&changes_);
    ringElevation_.setVariableSizing([this] { ring_.ringcalcvariable(); });
}

void Design::setPaneBounds(int splitterRight, int pcmainBottom) {
    canvas_.splitterRight = splitterRight;
    canvas_.pcmainBottom = pcmainBottom;
}

void Design::windowResized() {
    if (record_.flags.trenchdrawable) {
        trenchElevation_.drawbase();
        ringElevation_.drawringbase();
        trenchElevation_.blacklines();
    }
    if (record_.flags.ringdrawable && !record_.notice(Notice::lblringwarning).visible)
        ringElevation_.ringlines();
}

void Design::stepRingDiameter(bool wider) {
    if (!record_.flags.ringdrawable || !ringElevation_.shapes().visible) return;
    const Point grip{0, 0};
    ringElevation_.gripPressed(grip);
    ringElevation_.gripMoved({wider ? 1 : -1, 0}, true);
    ringElevation_.gripReleased();
}

void Design::create(std::string today) {
    record_.flags = EngineFlags{};
    record_.outlinecolour = colours::black;
    record_.ringcolour = colours::black;
    record_.status.date = std::move(today);
}

void Design::firstShow() {
    record_.windowShown = true;
    record_.flags.ProjectModified = false;
    record_.CurrentFileName = " ";
    if (isZeroOrEmpty(record_.text(Field::txtFOS))) record_.place(Field::txtFOS, "1");
    const std::string& fail = record_.text(Field::txtringfail);
    if (fail == "0" || fail.empty()) record_.place(Field::txtringfail, "4");
    ringElevation_.hidering();
    trenchElevation_.hidetrench();
    filter_.checkfilter();
    canvas_.repaint();
}

void Design::activate() {
    record_.flags.solveWidth = true;
    pass_.procshowtrench();
    pass_.procshowring();
    pass_.showwhat();
}

void Design::write(Field f, std::string text) {
    record_.write(f, std::move(text));
}

bool isTypeable(Field f) {
    switch (f) {
        case Field::lbltime:
        case Field::rvdia:
        case Field::rvdepth:
        case Field::rvhalf:
            return false;
        default:
            return isMainWindowField(f);
    }
}

bool Design::type(Field f, std::string_view key) {
    if (!isTypeable(f) || key.empty()) return false;
    std::string text = record_.text(f);
    if (key == "\b") {
        // Back over the continuation bytes to the start of the last character.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (!text.empty()) text.pop_back();
    } else if (isNumericField(f)) {
        // A character outside ASCII is never a digit or a point.
        const char c = key.size() == 1 ? enteredKey(f, key.front()) : '\x7f';
        if (!allowKey(f, text + c, c)) return false;
        text += c;
    } else {
        text += key;
    }
    typeText(f, std::move(text));
    return true;
}

bool Design::allowKey(Field f, std::string_view result, char key) {
    if (!isNumericField(f)) return true;
    const EntryCheck check = checkKey(f, record_.text(f), result, key);
    if (!check.accepted) record_.status.tips = check.hint;
    return check.accepted;
}

void Design::typeText(Field f, std::string text) {
    record_.writeTyped(f, std::move(text));
}

bool Design::editText(Field f, std::string text) {
    if (isNumericField(f)) {
        const bool removed = text.size() < record_.text(f).size() && isPartialNumber(f, text);
        const EntryCheck check = removed ? EntryCheck{} : checkEnteredText(f, text);
        if (!check.accepted) {
            record_.status.tips = check.hint;
            return false;
        }
    }
    typeText(f, std::move(text));
    return true;
}

void Design::switchPage(DetailPage page) {
    if (record_.detailPage == page) return;
    record_.detailPage = page;
    record_.hide(Notice::lblbaseincluded);
    canvas_.repaint();
    pass_.procshowtrench();
    pass_.procshowring();
    pass_.showwhat();
}

void Design::recalculateBothPages() {
    pass_.procshowtrench();
    pass_.procshowring();
    record_.flags.solveWidth = true;
    pass_.showwhat();
}

void Design::optionsAccepted() {
    filter_.checkfilter();
    recalculateBothPages();
    record_.status.showOptionsOf(record_);
    takeRingFillOver();
}

void Design::optionsCancelled() {
    filter_.checkfilter();
    record_.status.showOptionsOf(record_);
}

void Design::takeRingFillOver() {
    const bool surround = record_.checked(Check::chkringsur);
    record_.appliedRingSurround = surround;
    record_.appliedRingMargin = surround ? record_.number(Field::txtringmargin) : 0.0;
}

bool Design::editCheckText(std::string_view key, std::string text) {
    if (!isCheckTextKey(key)) return false;
    if (record_.checkTexts.text(key) == text) return true;
    record_.checkTexts.set(key, std::move(text));
    record_.flags.ProjectModified = true;
    return true;
}

void Design::importFehTables(FehDepthTables tables) {
    record_.fehTables = std::move(tables);
    record_.flags.ProjectModified = true;
}

}  // namespace varnholt
