#include "field_texts.h"

#include <array>

#include "engine/number_text.h"
#include "text_encoding.h"

namespace varnholt {

namespace {

constexpr std::array<std::string_view, kFieldCount> kLabels = {
    "Project Title",
    "Project Number",
    "Designer",
    "Impermeable Area",
    "Rainfall Depth",
    "Soil Infiltration Rate",
    "Storm Duration",
    "Length",
    "Depth",
    "Width",
    "Half Empty Time",
    "Ring Diameter",
    "Ring Depth",
    "Ring Half Empty Time",
    "Volumetric Runoff Coefficient",
    "Factor of Safety",
    "Void Ratio",
    "Overflow Percentage",
    "Half Empty Time Limit",
    "Ring Soakaway Failure Depth",
    "Granular Fill Width",
    "Trench Fill",
    "Crate Unit Length",
    "Crate Unit Width",
    "Crate Unit Height",
    "Crate Void Ratio",
};
static_assert(noEntryMissing(kLabels));

}  // namespace

bool isOption(Field f) {
    return isNumericField(f) && !isMainWindowField(f);
}

std::string_view fieldLabel(Field f) {
    return kLabels[index(f)];
}

std::size_t utf16Units(std::string_view utf8) {
    std::size_t units = 0;
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80) continue;
        units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::string quoted(std::string_view utf8) {
    constexpr std::size_t kShown = 40;
    std::string shown(utf8);
    if (shown.size() > kShown) {
        std::size_t cut = kShown;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    return "'" + shown + "'";
}

std::optional<std::string> textLengthProblem(std::string_view utf8) {
    if (utf16Units(utf8) > kFieldTextLimit)
        return "the text is longer than the " + std::to_string(kFieldTextLimit) +
               " characters a field holds";
    return std::nullopt;
}

std::string cutToFieldLimit(std::string utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) == 0x80) continue;
        units += c >= 0xF0 ? 2 : 1;
        if (units > kFieldTextLimit) {
            utf8.resize(i);
            break;
        }
    }
    return utf8;
}

std::optional<std::string> fieldTextProblem(Field f, std::string_view text) {
    // What the reader will make of the bytes: a text that is not UTF-8 comes back in the
    // Windows code page.
    const std::string read = lineToUtf8(text);
    if (auto problem = textLengthProblem(read)) return problem;
    if (isNumericField(f) && !read.empty() && !tryParseNumber(read))
        return quoted(read) + " is not a number";
    return std::nullopt;
}

}  // namespace varnholt
