// Any text and any double through the number rules: the key filter, the conversion and the
// three display forms, which must read back as the value (the cut display form never above it
// in size).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/errors.h"
#include "engine/number_entry.h"
#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnholt;
    if (size < sizeof(double) + 1) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const int decimals = data[sizeof value] % 8;
    const std::string text(reinterpret_cast<const char*>(data) + sizeof value + 1,
                           size - sizeof value - 1);

    // What the key filter lets through is on its way to a number, and a finished number it
    // let through converts: no key can leave a text that reads as another value.
    for (Field f : {Field::txtarea, Field::txtsinf}) {
        std::string typed;
        for (char key : text) {
            const char k = enteredKey(f, key);
            const std::string result =
                k == '\b' ? typed.substr(0, typed.size() - !typed.empty()) : typed + k;
            if (checkKey(f, typed, result, key).accepted) typed = result;
        }
        if (!isPartialNumber(f, typed)) std::abort();
        std::string entered = typed;
        if (checkEnteredText(f, entered).accepted && !entered.empty() && !tryParseNumber(entered))
            std::abort();
    }
    const auto parsed = tryParseNumber(text);
    try {
        const double p = parseNumber(text);
        if (!parsed || !(p == *parsed || (std::isnan(p) && std::isnan(*parsed)))) std::abort();
    } catch (const ConversionError&) {
        if (parsed) std::abort();
    }
    (void)isZeroOrEmpty(text);

    // The last doubles below the largest round, at 15 significant digits, beyond it; no
    // dimension or rate comes within hundreds of orders of magnitude of them.
    if (!std::isfinite(value) || std::fabs(value) > 1e307) {
        (void)nonFiniteText(value);
        (void)displayText(value, decimals);
        (void)generalText(value);
        (void)plainText(value);
        return 0;
    }
    // 15 significant digits: the forms read back within that precision.
    const auto back = [](const std::string& t) {
        const auto v = tryParseNumber(t);
        if (!v) std::abort();
        return *v;
    };
    const double tolerance = std::fabs(value) * 1e-14 + 1e-300;
    if (std::fabs(back(generalText(value)) - value) > tolerance) std::abort();
    if (std::fabs(back(plainText(value)) - value) > std::max(tolerance, 1e-15)) std::abort();
    const double shown = back(displayText(value, decimals));
    if (std::fabs(shown) > std::fabs(value) + tolerance) std::abort();
    if (std::fabs(value - shown) > std::pow(10.0, -decimals) + tolerance) std::abort();
    return 0;
}
