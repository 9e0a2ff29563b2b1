#include "check_texts.h"

namespace varnholt {

namespace {
const CheckTextDefault* defaultOf(std::string_view key) {
    for (const CheckTextDefault& d : kCheckTextDefaults)
        if (key == d.key) return &d;
    return nullptr;
}
}  // namespace

bool isCheckTextKey(std::string_view key) {
    return defaultOf(key) != nullptr;
}

const std::string& CheckTexts::text(std::string_view key) const {
    if (const auto it = texts_.find(key); it != texts_.end()) return it->second;
    // One string per default, made once: a reference must outlive the call.
    static const auto defaults = [] {
        std::map<std::string, std::string, std::less<>> m;
        for (const CheckTextDefault& d : kCheckTextDefaults) m.emplace(d.key, d.text);
        return m;
    }();
    static const std::string none;
    const auto it = defaults.find(key);
    return it == defaults.end() ? none : it->second;
}

bool CheckTexts::set(std::string_view key, std::string text) {
    const CheckTextDefault* d = defaultOf(key);
    if (!d) return false;
    if (text == d->text)
        texts_.erase(std::string(key));
    else
        texts_.insert_or_assign(std::string(key), std::move(text));
    return true;
}

}  // namespace varnholt
