#include "text_encoding.h"

#include <array>
#include <cstdint>

namespace varnholt {

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;  // cut short by the end of the line
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        static constexpr std::array<std::uint32_t, 4> kMinimum = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

namespace {
// 0x80 to 0x9F of Windows-1252; the rest of the upper half equals Latin-1. Unassigned bytes
// map to themselves, as Windows does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const std::uint32_t cp = c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
        appendUtf8(out, cp);
    }
    return out;
}

std::string lineToUtf8(std::string_view line) {
    return isValidUtf8(line) ? std::string(line) : windows1252ToUtf8(line);
}

}  // namespace varnholt
