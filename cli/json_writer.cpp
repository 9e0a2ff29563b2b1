#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "project/text_encoding.h"

namespace varnholt {

std::string jsonEscape(std::string_view raw) {
    // JSON is UTF-8: a text that is not (a file name in another code page) is read as
    // Windows-1252, as the project reader reads old files.
    const std::string text = lineToUtf8(raw);
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(depth_) * 2, ' ');
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_) out_ += ',';
    if (depth_ > 0) newline();
    first_ = false;
}

void JsonWriter::beginObject() {
    separate();
    out_ += '{';
    ++depth_;
    first_ = true;
}

void JsonWriter::endObject() {
    --depth_;
    if (!first_) newline();
    out_ += '}';
    first_ = false;
}

void JsonWriter::beginArray() {
    separate();
    out_ += '[';
    ++depth_;
    first_ = true;
}

void JsonWriter::endArray() {
    --depth_;
    if (!first_) newline();
    out_ += ']';
    first_ = false;
}

void JsonWriter::key(std::string_view name) {
    separate();
    out_ += jsonEscape(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    out_ += jsonEscape(text);
}

void JsonWriter::value(bool b) {
    separate();
    out_ += b ? "true" : "false";
}

void JsonWriter::value(int n) {
    separate();
    out_ += std::to_string(n);
}

void JsonWriter::value(double d) {
    if (!std::isfinite(d)) return null();
    separate();
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 17);
    out_.append(buf, res.ptr);
}

void JsonWriter::null() {
    separate();
    out_ += "null";
}

std::string JsonWriter::endWithMessages(const std::vector<std::string>& messages) {
    key("messages");
    beginArray();
    for (const std::string& m : messages) value(m);
    endArray();
    endObject();
    return out_ + "\n";
}

}  // namespace varnholt
