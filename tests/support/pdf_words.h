#pragma once

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace varnholt::testing {

// A word of a PDF's first page as poppler places it, in millimetres from the paper's
// top-left corner.
struct PdfWord {
    std::string text;
    double left, top, right, bottom;
};

inline std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
    return out;
}

// poppler writes the words as XML text.
inline std::string unescapeXml(std::string text) {
    for (const auto& [entity, plain] : {std::pair{"&apos;", "'"},
                                        {"&quot;", "\""},
                                        {"&lt;", "<"},
                                        {"&gt;", ">"},
                                        {"&amp;", "&"}}) {
        const std::string e = entity;
        for (auto at = text.find(e); at != std::string::npos; at = text.find(e, at + 1))
            text.replace(at, e.size(), plain);
    }
    return text;
}

// The words of every page, or of one page (counted from 1) when `page` is given.
inline std::vector<PdfWord> pdfWords(const std::string& path, int page = 0) {
    const std::string pages =
        page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    const std::string html =
        commandOutput("pdftotext -bbox" + pages + " '" + path + "' - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    constexpr double mm = 25.4 / 72;
    std::vector<PdfWord> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.push_back({unescapeXml(m[5].str()), std::stod(m[1].str()) * mm,
                         std::stod(m[2].str()) * mm, std::stod(m[3].str()) * mm,
                         std::stod(m[4].str()) * mm});
    }
    return words;
}

// The words on the line whose top is at `top` (within half a millimetre), left to right.
inline std::string lineAt(const std::vector<PdfWord>& words, double top, double fromX = 0,
                          double toX = 1000) {
    std::string line;
    for (const PdfWord& w : words)
        if (std::abs(w.top - top) < 0.5 && w.left >= fromX && w.left < toX)
            line += (line.empty() ? "" : " ") + w.text;
    return line;
}

}  // namespace varnholt::testing
