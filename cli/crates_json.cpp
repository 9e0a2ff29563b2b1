#include "crates_json.h"

#include "engine/trench_fill.h"

namespace varnholt {

void writeCratesJson(JsonWriter& json, const DesignRecord& record) {
    if (trenchFillOf(record) != TrenchFill::crates) return;
    json.key("crates");
    json.beginObject();
    json.key("fill");
    json.value(crateFillText(record));
    if (const std::optional<CrateTank> tank = crateTankOf(record)) {
        for (auto [name, count] : {std::pair{"along", tank->along},
                                   {"across", tank->across},
                                   {"layers", tank->layers},
                                   {"count", tank->count()}}) {
            json.key(name);
            json.value(static_cast<double>(count));
        }
        json.key("units");
        json.value(tank->unitsText());
        json.key("tank");
        json.beginObject();
        for (auto [name, size] :
             {std::pair{"length", tank->length}, {"width", tank->width}, {"depth", tank->depth}}) {
            json.key(name);
            json.value(size);
        }
        json.endObject();
        json.key("size");
        json.value(tank->sizeText());
    }
    json.endObject();
}

}  // namespace varnholt
