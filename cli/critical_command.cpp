#include "critical_command.h"

#include "engine/number_text.h"
#include "json_writer.h"
#include "output/critical/critical_report.h"
#include "project/qt/atomic_file.h"
#include "storm_json.h"
#include "tools/critical_storm_logic.h"

namespace varnholt {

namespace {

std::string json(const CriticalStormLogic& logic, const DesignRecord& record,
                 const std::vector<std::string>& messages) {
    JsonWriter w;
    w.beginObject();
    writeSourceJson(w, logic.site);
    w.key("m560");
    w.value(logic.site.m560Rainfall);
    w.key("r");
    w.value(logic.site.ratio);
    w.key("region");
    w.value(logic.site.region == Region::englandAndWales ? "ew" : "sni");
    w.key("allowance");
    w.value(logic.site.allowancePercent);
    const CriticalStormTable& t = *logic.table();
    const bool fsr = t.source == RainfallSourceKind::fsr;
    w.key("rows");
    w.beginArray();
    for (const CriticalStormRow& row : t.rows) {
        w.beginObject();
        w.key("minutes");
        w.value(row.rain.minutes);
        if (fsr) {
            w.key("z1");
            w.value(row.rain.z1);
            w.key("m5");
            w.value(row.rain.m5);
            w.key("z2");
            w.value(row.rain.z2);
            w.key("z2Held");
            w.value(row.rain.z2Held);
            w.key("m10");
            w.value(row.rain.m10);
        } else {
            // The source's depth for the return period, before the allowance.
            w.key("depth");
            w.value(row.rain.m10);
            w.key("extrapolated");
            w.value(row.rain.extrapolated);
        }
        w.key("rainfall");
        w.value(row.rain.depth);
        // A storm the soil takes as it falls needs no size: a flag, not a negative number.
        w.key("trenchNoneNeeded");
        w.value(row.trenchNoneNeeded);
        w.key("trenchLength");
        row.trenchNoneNeeded ? w.null() : w.value(row.trenchLength);
        w.key("trenchHalfEmpty");
        row.trenchNoneNeeded ? w.null() : w.value(row.trenchHalfEmpty);
        w.key("trenchPasses");
        w.value(row.trenchPasses);
        w.key("ringNoneNeeded");
        w.value(row.ringNoneNeeded);
        w.key("ringDepth");
        row.ringNoneNeeded ? w.null() : w.value(row.ringDepth);
        w.key("ringHalfEmpty");
        row.ringNoneNeeded ? w.null() : w.value(row.ringHalfEmpty);
        w.key("ringPasses");
        w.value(row.ringPasses);
        w.endObject();
    }
    w.endArray();
    w.key("trenchGoverning");
    w.value(t.rows[t.trenchGoverning].rain.minutes);
    w.key("ringGoverning");
    w.value(t.rows[t.ringGoverning].rain.minutes);
    w.key("trenchLongestGoverns");
    w.value(t.longestGoverns(false));
    w.key("ringLongestGoverns");
    w.value(t.longestGoverns(true));
    const CriticalStormRow& use = t.rows[logic.governingRow(record)];
    w.key("useInDesign");
    w.beginObject();
    w.key("txtsdur");
    w.value(plainText(use.rain.minutes));
    w.key("txtrain");
    w.value(rainfallText(use.rain.depth));
    w.endObject();
    return w.endWithMessages(messages);
}

}  // namespace

bool parseCriticalRequest(const std::vector<std::string>& args, CriticalRequest& request,
                          std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "-o" && !CheckOptions::takes(a, false)) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        const std::string& v = args[++i];
        if (a == "-o")
            request.output = v;
        else if (!request.options.add(a, v, error))
            return false;
    }
    return parseDesignRequest(rest, request.design, error);
}

int runCritical(const CriticalRequest& request, std::string& out, std::string& messages) {
    CriticalStormLogic logic;
    bool made = false;
    DesignRecord record;
    const bool started =
        runSession(request.design, [&](Design& design, std::vector<std::string>& shown, bool ok) {
            if (ok) {
                DesignCheckInputs inputs;
                std::string refused;
                made = request.options.apply(design.record(), inputs, refused);
                if (made) {
                    logic.site = inputs.site;
                    made = logic.calculate(design.record());
                    refused = logic.error();
                }
                if (!made) shown.push_back(refused);
                record = design.record();
                if (made && request.output.empty())
                    out = request.design.json ? json(logic, record, shown) : logic.text(record);
            }
            messages = joinedLines(shown);
        });
    if (!started || !made) return 1;
    if (request.output.empty()) return 0;
    const QByteArray pdf = criticalStormReport(record, logic.site, *logic.table()).toPdf();
    if (auto failed = writeFileAtomically(request.output, pdf.toStdString())) {
        messages = *failed;
        return 1;
    }
    return 0;
}

}  // namespace varnholt
