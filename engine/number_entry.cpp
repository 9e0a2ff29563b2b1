#include "number_entry.h"

#include <cctype>

#include "number_text.h"

namespace varnholt {

namespace {

constexpr const char* kPlainHint = "This field takes a number: digits and one decimal point.";
constexpr const char* kExponentHint =
    "This field takes a number: digits, one decimal point and an exponent such as 1E-5.";
constexpr const char* kCommaHint = "Use a point for decimals.";
constexpr const char* kRangeHint = "That number is out of range.";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

EntryCheck refused(const char* hint) {
    return {false, hint};
}

const char* hintFor(Field f) {
    return takesExponent(f) ? kExponentHint : kPlainHint;
}

// How far `text` follows digits [. digits] [E [-] digits], and what it has.
struct Shape {
    bool whole = false;      // the grammar covers the whole text
    bool mantissa = false;   // at least one digit before any "E"
    bool exponent = false;   // an "E" is there
    bool expDigits = false;  // ... followed by at least one digit
};

Shape shapeOf(std::string_view s, bool exponentAllowed) {
    Shape shape;
    std::size_t i = 0;
    while (i < s.size() && isDigit(s[i])) ++i, shape.mantissa = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, shape.mantissa = true;
    }
    if (exponentAllowed && shape.mantissa && i < s.size() && s[i] == 'E') {
        shape.exponent = true;
        ++i;
        if (i < s.size() && s[i] == '-') ++i;
        while (i < s.size() && isDigit(s[i])) ++i, shape.expDigits = true;
    }
    shape.whole = i == s.size();
    return shape;
}

std::string withCapitalE(std::string_view text, Field f) {
    std::string out(text);
    if (takesExponent(f))
        for (char& c : out)
            if (c == 'e') c = 'E';
    return out;
}

// A finished number that does not convert is one from_chars cannot hold (1E400, 1E-400).
bool outOfRange(const std::string& text, const Shape& shape) {
    const bool finished = shape.mantissa && (!shape.exponent || shape.expDigits);
    return finished && !tryParseNumber(text);
}

}  // namespace

bool takesExponent(Field f) {
    return f == Field::txtsinf;
}

char enteredKey(Field f, char key) {
    return takesExponent(f) && key == 'e' ? 'E' : key;
}

EntryCheck checkKey(Field f, std::string_view text, std::string_view result, char key) {
    if (key == '\b') return {};
    if (key == ',') return refused(kCommaHint);
    if (key == '.' && text.find('.') != std::string_view::npos) return refused(hintFor(f));
    const bool exponent = takesExponent(f);
    const char k = enteredKey(f, key);
    const bool inAlphabet = isDigit(k) || k == '.' || (exponent && (k == 'E' || k == '-'));
    if (!inAlphabet) return refused(hintFor(f));
    const std::string after = withCapitalE(result, f);
    const Shape shape = shapeOf(after, exponent);
    if (!shape.whole) return refused(hintFor(f));
    if (outOfRange(after, shape)) return refused(kRangeHint);
    return {};
}

EntryCheck checkEnteredText(Field f, std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    std::string candidate = withCapitalE(std::string_view(text).substr(first, last - first), f);
    if (candidate.empty()) {
        text.clear();
        return {};
    }
    const Shape shape = shapeOf(candidate, takesExponent(f));
    const bool number = shape.whole && shape.mantissa && (!shape.exponent || shape.expDigits);
    if (!number) {
        const bool comma = candidate.find(',') != std::string::npos;
        return refused(comma ? kCommaHint : hintFor(f));
    }
    if (!tryParseNumber(candidate)) return refused(kRangeHint);
    text = std::move(candidate);
    return {};
}

bool isPartialNumber(Field f, std::string_view text) {
    return shapeOf(text, takesExponent(f)).whole;
}

bool isExponentInProgress(std::string_view text) {
    const Shape shape = shapeOf(text, true);
    return shape.whole && shape.exponent && !shape.expDigits;
}

}  // namespace varnholt
