#include "report_page.h"

namespace varnholt::report {

Label* Page::label(const QString& name) {
    for (Element& e : elements)
        if (auto* l = std::get_if<Label>(&e); l && l->name == name) return l;
    return nullptr;
}

const Label* Page::label(const QString& name) const {
    return const_cast<Page*>(this)->label(name);
}

}  // namespace varnholt::report
