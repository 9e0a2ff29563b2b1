#include "tools/xml_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace varnholt {

const std::string* XmlStartTag::attribute(std::string_view attributeName) const {
    for (const XmlAttribute& a : attributes)
        if (a.name == attributeName) return &a.value;
    return nullptr;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
}

bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isAllowedCodePoint(std::uint32_t cp) {
    if (cp == 0x9 || cp == 0xA || cp == 0xD) return true;
    if (cp < 0x20 || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return false;
    return cp <= 0x10FFFF;
}

void appendUtf8(std::uint32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class Parser {
public:
    Parser(std::string_view contents, XmlHandler& handler) : s_(contents), handler_(handler) {}

    void run() {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        while (pos_ < s_.size()) {
            if (s_[pos_] != '<') {
                characters();
            } else if (startsWith("<?")) {
                skipPast("?>", "the processing instruction");
            } else if (startsWith("<!--")) {
                skipPast("-->", "the comment");
            } else if (startsWith("<![CDATA[")) {
                cdata();
            } else if (startsWith("<!DOCTYPE")) {
                fail(pos_, "a <!DOCTYPE> is not read: an FEH file has none");
            } else if (startsWith("<!")) {
                fail(pos_, "'<!' begins no comment or CDATA section");
            } else if (startsWith("</")) {
                endTag();
            } else {
                startTag();
            }
        }
        // A cut file is reported on its last line that holds anything, not past it.
        std::size_t last = s_.size();
        while (last > 0 && isBlank(s_[last - 1])) --last;
        if (!open_.empty())
            fail(last, "the file ends inside <" + std::string(open_.back().first) +
                           ">, opened on line " + std::to_string(open_.back().second));
        if (!rootSeen_) fail(last, "no element: the file holds no XML");
    }

private:
    [[noreturn]] void fail(std::size_t at, const std::string& what) const {
        const auto line =
            std::count(s_.begin(), s_.begin() + static_cast<std::ptrdiff_t>(at), '\n');
        throw XmlSyntaxError(static_cast<int>(line) + 1, what);
    }

    // Lines are counted as the reading moves on, so that every tag knows its line cheaply.
    int lineAt(std::size_t at) {
        for (; counted_ < at; ++counted_)
            if (s_[counted_] == '\n') ++line_;
        return line_;
    }

    bool startsWith(std::string_view prefix) const {
        return s_.substr(pos_, prefix.size()) == prefix;
    }

    void skipBlanks() {
        while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
    }

    void skipPast(std::string_view close, const char* what) {
        const std::size_t end = s_.find(close, pos_ + 2);
        if (end == std::string_view::npos)
            fail(pos_,
                 std::string(what) + " begun here is not closed with '" + std::string(close) + "'");
        pos_ = end + close.size();
    }

    std::string_view name() {
        const std::size_t begin = pos_;
        if (pos_ < s_.size() && isNameStart(s_[pos_]))
            while (pos_ < s_.size() && isNameChar(s_[pos_])) ++pos_;
        return s_.substr(begin, pos_ - begin);
    }

    // Replaces the references in raw text that begins at `at` in the file.
    std::string decoded(std::string_view raw, std::size_t at) const {
        std::string out;
        out.reserve(raw.size());
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                out += raw[i];
                continue;
            }
            const std::size_t semicolon = raw.find(';', i);
            if (semicolon == std::string_view::npos || semicolon - i > 12)
                fail(at + i, "an '&' that begins no reference: write &amp; for an ampersand");
            const std::string_view ref = raw.substr(i + 1, semicolon - i - 1);
            if (ref == "lt") {
                out += '<';
            } else if (ref == "gt") {
                out += '>';
            } else if (ref == "amp") {
                out += '&';
            } else if (ref == "quot") {
                out += '"';
            } else if (ref == "apos") {
                out += '\'';
            } else if (ref.size() > 1 && ref[0] == '#') {
                const bool hex = ref[1] == 'x';
                const std::string_view digits = ref.substr(hex ? 2 : 1);
                std::uint32_t cp = 0;
                const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                                       cp, hex ? 16 : 10);
                if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
                    !isAllowedCodePoint(cp))
                    fail(at + i, "'&" + std::string(ref) + ";' is no character");
                appendUtf8(cp, out);
            } else {
                fail(at + i, "'&" + std::string(ref) +
                                 ";' is not one of XML's own entities (lt, gt, amp, quot, apos)");
            }
            i = semicolon;
        }
        return out;
    }

    void characters() {
        const std::size_t begin = pos_;
        pos_ = std::min(s_.find('<', pos_), s_.size());
        const std::string_view raw = s_.substr(begin, pos_ - begin);
        if (open_.empty()) {
            const auto solid = std::find_if_not(raw.begin(), raw.end(), isBlank);
            if (solid != raw.end())
                fail(begin + static_cast<std::size_t>(solid - raw.begin()),
                     rootSeen_ ? "text after the root element has closed"
                               : "text before the root element");
            return;
        }
        if (raw.find('&') == std::string_view::npos)
            handler_.text(raw);
        else
            handler_.text(decoded(raw, begin));
    }

    void cdata() {
        if (open_.empty()) fail(pos_, "a CDATA section outside the root element");
        const std::size_t begin = pos_ + 9;
        const std::size_t end = s_.find("]]>", begin);
        if (end == std::string_view::npos)
            fail(pos_, "the CDATA section begun here is not closed with ']]>'");
        handler_.text(s_.substr(begin, end - begin));
        pos_ = end + 3;
    }

    void startTag() {
        const std::size_t begin = pos_;
        ++pos_;
        XmlStartTag tag;
        tag.name = name();
        if (tag.name.empty()) fail(begin, "a '<' that begins no element: write &lt; for a '<'");
        if (open_.empty() && rootSeen_)
            fail(begin, "a second root element <" + std::string(tag.name) + ">");
        const std::size_t colon = tag.name.rfind(':');
        tag.localName = colon == std::string_view::npos ? tag.name : tag.name.substr(colon + 1);
        tag.line = lineAt(begin);
        const auto unclosed = [&] {
            fail(begin, "the tag <" + std::string(tag.name) + " is not closed with '>'");
        };
        bool selfClosing = false;
        for (;;) {
            skipBlanks();
            if (pos_ >= s_.size()) unclosed();
            if (s_[pos_] == '>') {
                ++pos_;
                break;
            }
            if (startsWith("/>")) {
                pos_ += 2;
                selfClosing = true;
                break;
            }
            const std::size_t attributeAt = pos_;
            const std::string_view attributeName = name();
            if (attributeName.empty())
                fail(attributeAt, "in <" + std::string(tag.name) +
                                      ">: an attribute name or '>' is expected here");
            skipBlanks();
            if (pos_ >= s_.size()) unclosed();
            if (s_[pos_] != '=')
                fail(attributeAt, "in <" + std::string(tag.name) + ">: the attribute " +
                                      std::string(attributeName) + " has no '=' and value");
            ++pos_;
            skipBlanks();
            if (pos_ >= s_.size()) unclosed();
            const char quote = s_[pos_];
            if (quote != '"' && quote != '\'')
                fail(attributeAt, "in <" + std::string(tag.name) + ">: the value of " +
                                      std::string(attributeName) + " is not in quotes");
            const std::size_t valueAt = pos_ + 1;
            const std::size_t close = s_.find(quote, valueAt);
            if (close == std::string_view::npos) unclosed();
            const std::string_view raw = s_.substr(valueAt, close - valueAt);
            if (raw.find('<') != std::string_view::npos)
                fail(valueAt, "in <" + std::string(tag.name) + ">: a '<' in the value of " +
                                  std::string(attributeName));
            tag.attributes.push_back({attributeName, decoded(raw, valueAt)});
            pos_ = close + 1;
        }
        rootSeen_ = true;
        handler_.start(tag);
        if (selfClosing)
            handler_.end();
        else
            open_.emplace_back(tag.name, tag.line);
    }

    void endTag() {
        const std::size_t begin = pos_;
        pos_ += 2;
        const std::string_view closed = name();
        skipBlanks();
        if (closed.empty() || pos_ >= s_.size() || s_[pos_] != '>')
            fail(begin, "an end tag '</" + std::string(closed) + "' that is not closed with '>'");
        ++pos_;
        if (open_.empty()) fail(begin, "</" + std::string(closed) + "> closes no open element");
        if (open_.back().first != closed)
            fail(begin, "</" + std::string(closed) + "> does not close <" +
                            std::string(open_.back().first) + ">, opened on line " +
                            std::to_string(open_.back().second));
        open_.pop_back();
        handler_.end();
    }

    std::string_view s_;
    XmlHandler& handler_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0;
    int line_ = 1;
    bool rootSeen_ = false;
    std::vector<std::pair<std::string_view, int>> open_;  // name and line
};

}  // namespace

void readXml(std::string_view contents, XmlHandler& handler) {
    Parser(contents, handler).run();
}

}  // namespace varnholt
