#pragma once

#include <charconv>
#include <istream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace varnholt::testing {

// Reads an ASCII DXF back the way a CAD program's loader walks it: group code and value pairs,
// sections, the layer table, the entities with their layers and points.
struct DxfFile {
    struct Entity {
        std::string type;
        std::string layer;
        std::vector<std::pair<double, double>> points;  // groups 10/20, 11/21, ...
        std::string text;
        double height = 0;
        double radius = 0;
    };

    std::vector<std::string> sections;  // in order
    std::vector<std::string> faults;    // anything a loader would stumble on
    std::map<std::string, std::string> headerText;
    std::map<std::string, std::pair<double, double>> headerPoints;
    std::set<std::string> layers;
    std::vector<Entity> entities;
    bool ended = false;

    std::map<std::string, int> countByType() const {
        std::map<std::string, int> counts;
        for (const Entity& e : entities) ++counts[e.type];
        return counts;
    }
};

inline bool parseNumber(const std::string& text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

inline DxfFile readDxf(std::istream& in) {
    DxfFile f;
    std::vector<std::pair<int, std::string>> groups;
    std::string codeLine;
    std::string value;
    while (std::getline(in, codeLine) && std::getline(in, value)) {
        int code = 0;
        const auto first = codeLine.find_first_not_of(' ');
        const auto [end, error] =
            std::from_chars(codeLine.data() + (first == std::string::npos ? 0 : first),
                            codeLine.data() + codeLine.size(), code);
        if (error != std::errc() || end != codeLine.data() + codeLine.size()) {
            f.faults.push_back("group code '" + codeLine + "'");
            return f;
        }
        groups.emplace_back(code, value);
    }

    std::string section;
    std::string headerVariable;
    std::string table;
    DxfFile::Entity* entity = nullptr;
    std::map<int, double> pending;  // x of a point waiting for its y
    for (const auto& [code, v] : groups) {
        if (f.ended) {
            f.faults.push_back("groups after EOF");
            break;
        }
        if (code == 0) {
            entity = nullptr;
            if (v == "SECTION") {
                if (!section.empty()) f.faults.push_back("SECTION inside " + section);
                section = "?";
            } else if (v == "ENDSEC") {
                if (section.empty()) f.faults.push_back("ENDSEC without SECTION");
                section.clear();
            } else if (v == "EOF") {
                if (!section.empty()) f.faults.push_back("EOF inside " + section);
                f.ended = true;
            } else if (v == "TABLE" || v == "ENDTAB") {
                table = v == "TABLE" ? "?" : "";
            } else if (section == "ENTITIES") {
                f.entities.push_back({v, {}, {}, {}, 0, 0});
                entity = &f.entities.back();
            }
            continue;
        }
        if (code == 2 && section == "?") {
            section = v;
            f.sections.push_back(v);
            continue;
        }
        if (code == 2 && table == "?") {
            table = v;
            continue;
        }
        if (section == "HEADER") {
            double n = 0;
            if (code == 9)
                headerVariable = v;
            else if (code == 10 && parseNumber(v, n))
                f.headerPoints[headerVariable].first = n;
            else if (code == 20 && parseNumber(v, n))
                f.headerPoints[headerVariable].second = n;
            else
                f.headerText[headerVariable] = v;
        } else if (section == "TABLES" && table == "LAYER" && code == 2) {
            f.layers.insert(v);
        } else if (entity) {
            double n = 0;
            const bool numeric = (code >= 10 && code < 60) ? parseNumber(v, n) : true;
            if (!numeric) f.faults.push_back("number '" + v + "'");
            if (code == 8)
                entity->layer = v;
            else if (code == 1)
                entity->text = v;
            else if (code == 40)
                entity->type == "TEXT" ? entity->height = n : entity->radius = n;
            else if (code >= 10 && code <= 13)
                pending[code] = n;
            else if (code >= 20 && code <= 23)
                entity->points.emplace_back(pending[code - 10], n);
        }
    }
    if (!f.ended) f.faults.push_back("no EOF");
    return f;
}

}  // namespace varnholt::testing
