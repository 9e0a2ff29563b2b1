#include "option_field_rules.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "engine/number_text.h"

namespace varnholt {

namespace {

// The bounds a typed option is brought back to. The half-empty limit shares the threshold of
// its down step: anything below 1.1 becomes 1.
struct TypedRange {
    Field field;
    double below;
    const char* lowText;
    double above;
    const char* highText;
};

constexpr double kNoLowerBound = -std::numeric_limits<double>::infinity();

constexpr std::array<TypedRange, 9> kTypedRanges = {{
    {Field::txtFOS, 1, "1", 10, "10"},
    {Field::txtVR, 0.01, "0.01", 1, "1"},
    {Field::txtoverflow, kNoLowerBound, "", 100, "100"},
    {Field::txthalfempty, 1.1, "1", 100, "100"},
    {Field::txtringfail, 1, "1", 10, "10"},
    // Crate units are made from a few centimetres to a few metres a side.
    {Field::txtcratelength, 0.1, "0.1", 5, "5"},
    {Field::txtcratewidth, 0.1, "0.1", 5, "5"},
    {Field::txtcrateheight, 0.1, "0.1", 5, "5"},
    {Field::txtcratevr, 0.01, "0.01", 1, "1"},
}};

[[noreturn]] void notAnOption(Field f) {
    throw std::invalid_argument(std::string(nameOf(f)) + " is not a field of the options dialog");
}

OptionStep fixed(std::string text) {
    return {std::move(text), false};
}

OptionStep add(const std::string& text, double step) {
    return {plainText(parseNumber(text) + step), true};
}

// Up steps that stop only when the text is exactly the top value: "10.0" still steps on.
OptionStep upUntilText(const std::string& text, const char* whenEmpty, const char* top,
                       double step) {
    if (text.empty()) return fixed(whenEmpty);
    if (text == top) return fixed(top);
    return add(text, step);
}

}  // namespace

bool isOptionField(Field f) {
    switch (f) {
        case Field::txtFOS:
        case Field::txtVR:
        case Field::txtoverflow:
        case Field::txthalfempty:
        case Field::txtringfail:
        case Field::txtringmargin:
        case Field::txtcratelength:
        case Field::txtcratewidth:
        case Field::txtcrateheight:
        case Field::txtcratevr:
            return true;
        default:
            return false;
    }
}

std::string correctedOptionText(Field f, const std::string& text, double shownValue) {
    if (!isOptionField(f)) notAnOption(f);
    if (f == Field::txtringmargin) return text.empty() ? "0" : text;
    if (text.empty()) return plainText(shownValue);
    for (const TypedRange& range : kTypedRanges) {
        if (range.field != f) continue;
        const double v = parseNumber(text);
        if (v < range.below) return range.lowText;
        if (v > range.above) return range.highText;
        return text;
    }
    notAnOption(f);
}

OptionStep optionStepUp(Field f, const std::string& text) {
    switch (f) {
        case Field::txtFOS:
            return upUntilText(text, "1", "10", 0.5);
        case Field::txtoverflow:
            return upUntilText(text, "0", "100", 5);
        case Field::txthalfempty:
            return upUntilText(text, "0", "100", 0.5);
        case Field::txtringfail:
            return upUntilText(text, "1", "10", 0.1);
        case Field::txtVR:
            // One step may still pass 1; the next one brings it back.
            if (text.empty()) return fixed("0.1");
            if (parseNumber(text) > 1) return fixed("1");
            return add(text, 0.1);
        case Field::txtringmargin:
            return text.empty() ? fixed("0.1") : add(text, 0.1);
        case Field::txtcratelength:
        case Field::txtcratewidth:
        case Field::txtcrateheight:
            return upUntilText(text, "0.1", "5", 0.1);
        case Field::txtcratevr:
            if (text.empty()) return fixed("0.95");
            if (parseNumber(text) >= 1) return fixed("1");
            return add(text, 0.01);
        default:
            notAnOption(f);
    }
}

OptionStep optionStepDown(Field f, const std::string& text) {
    switch (f) {
        case Field::txtFOS:
            if (text.empty() || parseNumber(text) <= 1) return fixed("1");
            return add(text, -0.5);
        case Field::txtVR:
            if (text.empty() || parseNumber(text) <= 0.1) return fixed("0.1");
            return add(text, -0.1);
        case Field::txtoverflow:
            if (text.empty() || parseNumber(text) < 5) return fixed("0");
            return add(text, -5);
        case Field::txthalfempty:
            // From 1.1 the step lands on 0.6, below the typed range; the next step puts 1.
            if (text.empty() || parseNumber(text) < 1.1) return fixed("1");
            return add(text, -0.5);
        case Field::txtringfail:
            if (text.empty() || parseNumber(text) <= 1) return fixed("1");
            return add(text, -0.5);
        case Field::txtringmargin:
            // The margin is a width of fill: a step down from a typed 0.05 stops at 0 rather
            // than making the pit narrower than the ring.
            if (text.empty() || parseNumber(text) <= 0.1) return fixed("0");
            return add(text, -0.1);
        case Field::txtcratelength:
        case Field::txtcratewidth:
        case Field::txtcrateheight:
            // Never down to a unit of no size.
            if (text.empty() || parseNumber(text) <= 0.2) return fixed("0.1");
            return add(text, -0.1);
        case Field::txtcratevr:
            if (text.empty() || parseNumber(text) <= 0.02) return fixed("0.01");
            return add(text, -0.01);
        default:
            notAnOption(f);
    }
}

}  // namespace varnholt
