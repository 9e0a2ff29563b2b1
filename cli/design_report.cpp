#include "design_report.h"

#include <sstream>

#include "crates_json.h"
#include "engine/trench_fill.h"
#include "json_writer.h"

namespace varnholt {

namespace {

const char* pageName(DetailPage page) {
    return page == DetailPage::tstrench ? "trench" : "ring";
}

void writeRect(JsonWriter& json, const char* name, const Rect& r, bool visible) {
    json.key(name);
    json.beginObject();
    json.key("left");
    json.value(r.left);
    json.key("top");
    json.value(r.top);
    json.key("width");
    json.value(r.width);
    json.key("height");
    json.value(r.height);
    json.key("visible");
    json.value(visible);
    json.endObject();
}

void writeElevation(JsonWriter& json, const Design& design) {
    const TrenchElevation::Shapes& t = design.trenchElevation().shapes();
    const RingElevation::Shapes& r = design.ringElevation().shapes();
    json.key("elevation");
    json.beginObject();
    json.key("trench");
    json.beginObject();
    writeRect(json, "shfront", t.face, t.visible);
    writeRect(json, "frontgrip1", t.depthGrip, t.visible);
    writeRect(json, "frontgrip2", t.widthGrip, t.visible);
    json.key("colour");
    json.value(t.colour.hex());
    json.key("hint");
    json.value(t.hint);
    json.endObject();
    json.key("ring");
    json.beginObject();
    writeRect(json, "ringtop", r.ringtop, r.visible);
    writeRect(json, "ringbottom", r.ringbottom, r.visible);
    writeRect(json, "shinringtop", r.shinringtop, r.innerVisible);
    writeRect(json, "shinringbot", r.shinringbot, r.innerVisible);
    writeRect(json, "ringgrip", r.ringgrip, r.visible);
    json.key("colour");
    json.value(r.colour.hex());
    json.key("bottom_outline");
    json.value(r.bottomOutline.hex());
    json.key("hatched_base");
    json.value(r.hatchedBase);
    json.key("hint");
    json.value(r.hint);
    json.endObject();
    json.key("lines");
    json.beginArray();
    for (const TracedLine& line : design.canvas().lines) {
        json.beginObject();
        json.key("from");
        json.beginArray();
        json.value(line.from.x);
        json.value(line.from.y);
        json.endArray();
        json.key("to");
        json.beginArray();
        json.value(line.to.x);
        json.value(line.to.y);
        json.endArray();
        json.key("colour");
        json.value(line.colour.hex());
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void writeVec(JsonWriter& json, const char* name, const Vec3& v) {
    json.key(name);
    json.beginArray();
    for (float f : v) json.value(static_cast<double>(f));
    json.endArray();
}

void writeScene(JsonWriter& json, const SceneModel& scene) {
    json.key("scene");
    json.beginObject();
    json.key("objects");
    json.beginObject();
    for (std::size_t i = 0; i < kSceneNodeCount; ++i) {
        const auto id = static_cast<SceneNodeId>(i);
        const SceneNode& node = scene.node(id);
        json.key(nameOf(id));
        json.beginObject();
        json.key("visible");
        json.value(node.visible);
        writeVec(json, "position", node.position);
        writeVec(json, "extent", node.extent);
        json.key("radius");
        json.value(static_cast<double>(node.radius));
        json.key("length");
        json.value(static_cast<double>(node.length));
        json.endObject();
    }
    json.endObject();
    json.key("captions");
    json.beginObject();
    for (std::size_t i = 0; i < kSceneCaptionCount; ++i) {
        const auto id = static_cast<SceneCaptionId>(i);
        json.key(nameOf(id));
        json.value(scene.caption(id));
    }
    json.endObject();
    json.endObject();
}

void writeStyle(JsonWriter& json, const FieldStyle& style) {
    json.beginObject();
    json.key("text");
    json.value(style.text.hex());
    json.key("background");
    json.value(style.background.hex());
    json.endObject();
}

}  // namespace

std::string jsonReport(const Design& design, const std::vector<std::string>& messages) {
    const DesignRecord& r = design.record();
    JsonWriter json;
    json.beginObject();

    json.key("fields");
    json.beginObject();
    // The trench fill's fields only where the project file keeps them: a gravel report stays
    // as it was.
    const bool fillKept = !fillKeepsDefaults(r);
    for (Field f : kAllFields) {
        if (!fillKept && isTrenchFillField(f)) continue;
        json.key(nameOf(f));
        json.value(r.text(f));
    }
    json.endObject();

    json.key("checks");
    json.beginObject();
    for (Check c : kAllChecks) {
        json.key(nameOf(c));
        json.value(r.checked(c));
    }
    json.endObject();

    json.key("visible");
    json.beginObject();
    for (Notice n : kAllNotices) {
        json.key(nameOf(n));
        json.value(r.notice(n).visible);
    }
    json.endObject();

    json.key("notice_texts");
    json.beginObject();
    for (Notice n : kAllNotices) {
        json.key(nameOf(n));
        json.value(r.notice(n).text);
    }
    json.endObject();

    // What the window shows in words, as the text report's "!" lines.
    json.key("notices");
    json.beginArray();
    for (Notice n : kAllNotices)
        if (r.notice(n).visible) json.value(r.notice(n).text);
    json.endArray();

    json.key("flags");
    json.beginObject();
    json.key("ProjectModified");
    json.value(r.flags.ProjectModified);
    json.key("trenchdrawable");
    json.value(r.flags.trenchdrawable);
    json.key("ringdrawable");
    json.value(r.flags.ringdrawable);
    json.key("solveWidth");
    json.value(r.flags.solveWidth);
    json.key("solveLength");
    json.value(r.flags.solveLength);
    json.key("OpenFromCommandLine");
    json.value(r.OpenFromCommandLine);
    json.endObject();

    json.key("values");
    json.beginObject();
    json.key("trenchLength");
    json.value(r.trench.length);
    json.key("trenchWidth");
    json.value(r.trench.width);
    json.key("trenchDepth");
    json.value(r.trench.depth);
    json.key("halfEmptyTime");
    json.value(r.trench.halfEmptyTime);
    json.key("ringRadius");
    json.value(r.ring.radius);
    json.key("ringDepth");
    json.value(r.ring.depth);
    json.key("ringHalfEmptyTime");
    json.value(r.ring.halfEmptyTime);
    json.key("appliedRingSurround");
    json.value(r.appliedRingSurround);
    json.key("appliedRingMargin");
    json.value(r.appliedRingMargin);
    json.endObject();

    json.key("ring_table");
    json.beginArray();
    for (int row = 1; row <= RingDesign::kRows; ++row) {
        json.beginArray();
        for (const std::string& cell : r.ring.cells[static_cast<std::size_t>(row)])
            json.value(cell);
        json.endArray();
    }
    json.endArray();
    json.key("ring_row");
    json.value(r.ring.selectedRow);

    json.key("outlinecolour");
    json.value(r.outlinecolour.hex());
    json.key("ringcolour");
    json.value(r.ringcolour.hex());

    json.key("styles");
    json.beginObject();
    for (Field f : {Field::txtlength, Field::lblwid, Field::lbltime, Field::rvdia, Field::rvdepth,
                    Field::rvhalf, Field::txtFOS}) {
        json.key(nameOf(f));
        writeStyle(json, r.style(f));
    }
    json.endObject();
    json.key("fos_guidance");
    json.value(r.fosGuidance.text);

    json.key("page");
    json.value(pageName(r.detailPage));
    json.key("status");
    json.beginArray();
    for (const std::string* panel : r.status.inOrder()) json.value(*panel);
    json.endArray();
    json.key("caption");
    json.value(r.caption);
    json.key("CurrentFileName");
    json.value(r.CurrentFileName);

    writeCratesJson(json, r);
    writeElevation(json, design);
    writeScene(json, design.scene());

    return json.endWithMessages(messages);
}

namespace {
std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}
}  // namespace

std::string textReport(const Design& design, const std::vector<std::string>& messages) {
    const DesignRecord& r = design.record();
    std::ostringstream out;
    auto line = [&](const char* label, const std::string& value) {
        out << "  " << label << value << "\n";
    };
    out << r.caption << "\n";
    if (!r.text(Field::projtit).empty() || !r.text(Field::projnum).empty())
        out << "Project: " << r.text(Field::projtit) << "  " << r.text(Field::projnum) << "\n";

    out << "Inputs\n";
    line("Impermeable area (m2):          ", orDash(r.text(Field::txtarea)));
    line("Runoff coefficient:             ", orDash(r.text(Field::txtVRC)));
    line("Rainfall depth (m):             ", orDash(r.text(Field::txtrain)));
    line("Storm duration (min):           ", orDash(r.text(Field::txtsdur)));
    line("Soil infiltration rate (m/s):   ", orDash(r.text(Field::txtsinf)));
    out << "Options\n";
    line("Factor of safety:               ", r.text(Field::txtFOS));
    line("Void ratio:                     ", r.text(Field::txtVR));
    line("Overflow (%):                   ", r.text(Field::txtoverflow));
    line("Half-empty limit (h):           ", r.text(Field::txthalfempty));
    line("Ring failure depth (m):         ", r.text(Field::txtringfail));
    line("Base in trench:                 ", r.checked(Check::chkbase) ? "yes" : "no");
    line("Ring surround / margin (m):     ",
         std::string(r.appliedRingSurround ? "yes / " : "no / ") + plainText(r.appliedRingMargin));
    line("Base in ring:                   ", r.checked(Check::chkringbase) ? "yes" : "no");

    if (r.detailPage == DetailPage::tstrench) {
        out << "Trench soakaway" << (r.flags.trenchdrawable ? "" : " (not ready)") << "\n";
        line("Length (m):                     ", orDash(r.text(Field::txtlength)));
        line("Width (m):                      ", orDash(r.text(Field::lblwid)));
        line("Depth (m):                      ", orDash(r.text(Field::txtdepth)));
        line("Half-empty time (h):            ", orDash(r.text(Field::lbltime)));
        if (trenchFillOf(r) == TrenchFill::crates) {
            line("Fill:                           ", crateFillText(r));
            if (const std::optional<CrateTank> tank = crateTankOf(r)) {
                line("Crates:                         ", tank->unitsText());
                line("Tank (m):                       ", tank->sizeText());
            }
        }
    } else {
        out << "Ring soakaway" << (r.flags.ringdrawable ? "" : " (not ready)") << "\n";
        for (int row = 0; row <= RingDesign::kRows; ++row) {
            const auto& cells = r.ring.cells[static_cast<std::size_t>(row)];
            out << (row == r.ring.selectedRow ? "> " : "  ");
            for (const std::string& cell : cells) {
                std::string padded = cell;
                padded.resize(std::max<std::size_t>(padded.size(), 18), ' ');
                out << padded;
            }
            out << "\n";
        }
        line("Variable ring: diameter (mm)    ", orDash(r.text(Field::rvdia)));
        line("               depth (m)        ", orDash(r.text(Field::rvdepth)));
        line("               half empty (h)   ", orDash(r.text(Field::rvhalf)));
    }
    for (Notice n : kAllNotices)
        if (r.notice(n).visible) out << "! " << r.notice(n).text << "\n";
    for (const std::string& m : messages) out << "Message: " << m << "\n";
    return out.str();
}

}  // namespace varnholt
