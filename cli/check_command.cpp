#include "check_command.h"

#include <algorithm>

#include "crates_json.h"
#include "engine/number_text.h"
#include "json_writer.h"
#include "output/critical/design_check_report.h"
#include "project/qt/atomic_file.h"
#include "route_options.h"
#include "storm_json.h"
#include "tools/design_check_reader.h"

namespace varnholt {

namespace {

bool pair(const std::string& option, const std::string& text, std::string& first,
          std::string& second, std::string& error) {
    const auto parts = splitAtCommas(text);
    if (parts.size() != 2) {
        error = option + " needs two values separated by a comma, not '" + text + "'";
        return false;
    }
    first = parts[0];
    second = parts[1];
    return true;
}

std::string json(const DesignCheckLogic& logic, const DesignRecord& record, bool strict,
                 const std::vector<std::string>& messages) {
    const DesignCheck& c = *logic.check();
    const CriticalStormTable& t = c.table;
    JsonWriter w;
    w.beginObject();
    writeSourceJson(w, logic.inputs.site);
    w.key("checked");
    w.value(c.ring ? "ring" : "trench");
    if (!c.ring) writeCratesJson(w, record);
    w.key("governingMinutes");
    w.value(t.rows[c.ring ? t.ringGoverning : t.trenchGoverning].rain.minutes);
    w.key("drainedArea");
    w.value(c.drainedArea);
    w.key("minimumFactorOfSafety");
    w.value(c.minimumFos);
    w.key("longestStormGoverns");
    w.value(t.longestGoverns(c.ring));
    if (c.trialPitRates) {
        w.key("trialPitRates");
        w.beginArray();
        for (const TrialPitRate& r : c.trialPitRates->rates) w.value(r.rate);
        w.endArray();
        w.key("designRate");
        w.value(c.trialPitRates->designRate);
    }
    w.key("checks");
    w.beginArray();
    for (const CheckItem& item : c.items) {
        w.beginObject();
        w.key("name");
        w.value(item.name);
        w.key("verdict");
        w.value(verdictKey(item.verdict));
        w.key("reason");
        w.value(item.reason);
        w.endObject();
    }
    w.endArray();
    writeEventsJson(w, c);
    w.key("passes");
    w.value(c.passes(strict));
    w.key("summary");
    w.value(logic.summary());
    return w.endWithMessages(messages);
}

}  // namespace

bool parseCheckRequest(const std::vector<std::string>& args, CheckRequest& request,
                       std::string& error) {
    std::vector<std::string> rest;
    std::size_t pitTests = 0;
    std::string routingOption;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        static const std::vector<std::string> kPitOptions = {"--pit", "--pit-gravel", "--pit-test"};
        if (a == "--strict" || a == "--route") {
            (a == "--strict" ? request.strict : request.route) = true;
            continue;
        }
        bool taken = false;
        if (!takeRoutingOption(args, i, request.routing, taken, error)) return false;
        if (taken) {
            routingOption = a;
            continue;
        }
        const bool pitOption =
            std::find(kPitOptions.begin(), kPitOptions.end(), a) != kPitOptions.end();
        if (!pitOption && !CheckOptions::takes(a, true)) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        const std::string& v = args[++i];
        if (a == "--pit") {
            if (!pair(a, v, request.pit.length, request.pit.width, error)) return false;
            request.pitGiven = true;
        } else if (a == "--pit-gravel") {
            request.pit.gravel = true;
            request.pit.voidRatio = v;
        } else if (a == "--pit-test") {
            if (pitTests == kMostTrialPitTests) {
                error = "at most three --pit-test";
                return false;
            }
            if (!pair(a, v, request.pit.depth[pitTests], request.pit.minutes[pitTests], error))
                return false;
            ++pitTests;
        } else if (!request.critical.options.add(a, v, error)) {
            return false;
        }
    }
    if (pitTests > 0 && !request.pitGiven) {
        error = "--pit-test needs --pit L,W";
        return false;
    }
    if (request.pitGiven && pitTests == 0) {
        error = "--pit needs at least one --pit-test D,T";
        return false;
    }
    if (!routingOption.empty() && !request.route) {
        error = routingOption + " needs --route";
        return false;
    }
    return parseCriticalRequest(rest, request.critical, error);
}

int runCheck(const CheckRequest& request, std::string& out, std::string& messages) {
    std::optional<TrialPitSeries> pits;
    if (request.pitGiven) {
        TrialPitTestsLogic pit;
        pit.boxes = request.pit;
        if (!pit.calculate()) {
            messages = "trial pit tests: " + pit.error();
            return 1;
        }
        pits = pit.series();
    }
    DesignCheckLogic logic;
    bool made = false;
    DesignRecord record;
    const bool started = runSession(
        request.critical.design, [&](Design& design, std::vector<std::string>& shown, bool ok) {
            if (ok) {
                std::string refused;
                RoutingRequest kept;
                made =
                    request.critical.options.apply(design.record(), logic.inputs, refused, &kept);
                if (made) {
                    if (pits) logic.inputs.trialPits = pits;
                    // Without --route the check takes the routed time only if the project says so.
                    logic.routing = request.routing.over(kept);
                    if (request.route) logic.inputs.routing = logic.routing;
                    made = logic.calculate(design.record());
                    refused = logic.error();
                }
                if (!made) shown.push_back(refused);
                record = design.record();
                if (made && request.critical.output.empty())
                    out = request.critical.design.json
                              ? json(logic, design.record(), request.strict, shown)
                              : logic.text(record);
            }
            messages = joinedLines(shown);
        });
    if (!started || !made) return 1;
    const int verdict = logic.check()->passes(request.strict) ? 0 : 3;
    if (request.critical.output.empty()) return verdict;
    const QByteArray pdf =
        designCheckReport(record, logic.inputs, *logic.check(), logic.routing).toPdf();
    if (auto failed = writeFileAtomically(request.critical.output, pdf.toStdString())) {
        messages = *failed;
        return 1;
    }
    return verdict;
}

}  // namespace varnholt
