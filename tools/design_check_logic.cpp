#include "design_check_logic.h"

#include <stdexcept>

#include "design_check_reader.h"
#include "engine/design_check_text.h"
#include "engine/errors.h"

namespace varnholt {

bool DesignCheckLogic::calculate(const DesignRecord& record) {
    check_.reset();
    error_.clear();
    storm_.site = inputs.site;
    try {
        check_ = designCheck(inputs, record);
    } catch (const ConversionError& e) {
        error_ = e.what();
    } catch (const std::domain_error& e) {
        error_ = e.what();
    }
    if (check_) storm_.calculate(record);
    route(record);
    return check_.has_value();
}

void DesignCheckLogic::route(const DesignRecord& record) {
    routed_.reset();
    routingProblem_.clear();
    if (!check_) {
        routingProblem_ = error_;
        return;
    }
    if (inputs.routing) routing = *inputs.routing;
    if (check_->routing) {
        routed_ = check_->routing;
        return;
    }
    try {
        routed_ = routedOnShow(inputs, record, routing);
    } catch (const std::domain_error& e) {
        routingProblem_ = e.what();
    }
}

bool DesignCheckLogic::calculateFromProject(const DesignRecord& record) {
    DesignCheckReader reader(inputs);
    if (!reader.readTexts(record.checkTexts, record.fehTables)) {
        check_.reset();
        error_ = reader.error();
        routed_.reset();
        routingProblem_ = error_;
        return false;
    }
    routing = reader.routing();
    return calculate(record);
}

std::string DesignCheckLogic::summary() const {
    return check_ ? designCheckSummary(*check_) : error_;
}

std::string DesignCheckLogic::text(const DesignRecord& record) const {
    std::string out = "Design Check\n";
    auto section = [&](const std::string& heading, const std::vector<std::string>& lines) {
        out += "\n" + heading + "\n";
        for (const std::string& line : lines) out += "  " + line + "\n";
    };
    const DesignCheck* check = check_ ? &*check_ : nullptr;
    section("Project", designCheckProjectLines(record));
    section("Inputs and options", designCheckDesignLines(record, check));
    section("Allowances", designCheckAllowanceLines(inputs, check));
    section("Trial pit tests", designCheckTrialPitLines(inputs, check));
    section("Settings", designCheckSettingLines(inputs));
    if (!check_) return out + "\n" + error_ + "\n";
    out += "\n" + storm_.text(record);
    out += "\nChecks\n";
    for (const CheckItem& item : check_->items)
        out += "  " + item.name + ": " + verdictName(item.verdict) + ". " + item.reason + "\n";
    return out + "\n" + summary() + "\n";
}

}  // namespace varnholt
