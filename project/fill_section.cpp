#include "fill_section.h"

#include "engine/number_text.h"
#include "text_encoding.h"

namespace varnholt {

namespace {

constexpr std::string_view kCrLf = "\r\n";

struct FillKey {
    Field field;
    std::string_view key;
    const char* text;  // the default
};
constexpr std::array<FillKey, kTrenchFillFields.size()> kKeys = {{
    {Field::txtfill, "fill", kGravelFillText},
    {Field::txtcratelength, "unitlength", kDefaultCrateLength},
    {Field::txtcratewidth, "unitwidth", kDefaultCrateWidth},
    {Field::txtcrateheight, "unitheight", kDefaultCrateHeight},
    {Field::txtcratevr, "unitvoidratio", kDefaultCrateVoidRatio},
}};

constexpr bool keysInFieldOrder() {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i].field != kTrenchFillFields[i] || kKeys[i].key.size() > 16) return false;
    return true;
}
static_assert(keysInFieldOrder());

}  // namespace

FillTexts defaultFillTexts() {
    FillTexts texts;
    for (std::size_t i = 0; i < kKeys.size(); ++i) texts[i] = kKeys[i].text;
    return texts;
}

FillTexts fillTextsOf(const DesignRecord& record) {
    FillTexts texts;
    for (std::size_t i = 0; i < kKeys.size(); ++i) texts[i] = record.text(kKeys[i].field);
    return texts;
}

std::optional<std::string> fillTextProblem(Field f, std::string_view text) {
    if (f == Field::txtfill) {
        if (fillNamed(std::string(text))) return std::nullopt;
        return quoted(text) + " is neither " + kGravelFillText + " nor " + kCratesFillText;
    }
    if (auto problem = fieldTextProblem(f, text)) return problem;
    // A unit of no size would make a tank of endless units: no design can be worked with it.
    const std::optional<double> v = tryParseNumber(lineToUtf8(text));
    if (v && !(*v > 0)) return quoted(text) + " is not above 0";
    return std::nullopt;
}

std::string writeFillSection(const FillTexts& texts) {
    if (texts == defaultFillTexts()) return {};
    std::string out(kFillSectionMarker);
    out += kCrLf;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (texts[i] == kKeys[i].text) continue;
        // One text, one line, as the reader takes it back.
        std::string line = lineToUtf8(texts[i]);
        for (char& c : line)
            if (c == '\r' || c == '\n' || c == '\0') c = ' ';
        out.append(kKeys[i].key).append("=").append(cutToFieldLimit(std::move(line)));
        out += kCrLf;
    }
    return out;
}

std::optional<CheckSectionProblem> readFillSection(const std::vector<NumberedLine>& lines,
                                                   FillTexts& into) {
    bool ours = false;
    for (const NumberedLine& line : lines) {
        const std::string_view text = line.text;
        if (text.empty()) continue;
        if (text.front() == '[' && text.back() == ']') {
            ours = text == kFillSectionMarker;
            continue;
        }
        if (!ours) continue;
        const auto eq = text.find('=');
        if (eq == std::string_view::npos)
            return CheckSectionProblem{
                line.number, {}, quoted(text) + " is not of the form key=text"};
        const std::string_view key = text.substr(0, eq), value = text.substr(eq + 1);
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            if (kKeys[i].key != key) continue;
            if (value.empty()) {
                into[i] = kKeys[i].text;
            } else if (auto problem = fillTextProblem(kKeys[i].field, value)) {
                return CheckSectionProblem{line.number, std::string(fieldLabel(kKeys[i].field)),
                                           *problem};
            } else {
                into[i] = value;
            }
        }
        // Any other key is a newer program's: skipped, as that program would read ours.
    }
    return std::nullopt;
}

}  // namespace varnholt
