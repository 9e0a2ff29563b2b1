#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// A small streaming JSON writer: enough for the driver's report, with correct string escapes,
// valid UTF-8 whatever bytes it is given, and locale-free numbers.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool b);
    void value(int n);
    // 17 significant digits; null when the number is not finite.
    void value(double d);
    void null();

    // The "messages" every report ends with, the object closed and the text finished.
    std::string endWithMessages(const std::vector<std::string>& messages);

    const std::string& str() const { return out_; }

private:
    void separate();
    void newline();

    std::string out_;
    int depth_ = 0;
    bool first_ = true;
    bool afterKey_ = false;
};

// A JSON string, always valid UTF-8.
std::string jsonEscape(std::string_view text);

}  // namespace varnholt
