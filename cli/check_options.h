#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/design_check.h"

namespace varnholt {

// The options that set the design check's inputs, "critical"'s storm options among them. They
// are kept as given and applied in order over the inputs the project keeps, so that an option
// changes its own input and leaves the project's others as they are.
class CheckOptions {
public:
    // Whether `option` takes a value here: --m560, --r, --region, --allowance, --source, --feh,
    // --feh99 and --return-period, and with `all` every other option of "check".
    static bool takes(const std::string& option, bool all);

    // Keeps the option, checking its value now, so that a bad one is a usage error before any
    // file is read.
    bool add(const std::string& option, const std::string& value, std::string& error);

    // The project's texts and tables, then an --feh file's figures taken for the source asked
    // (the project's when --source is not given), then the options in order; `routing`, when
    // given, gets the storm the project keeps to route. Returns false with the reason: the file
    // named, or the box of a refused text.
    bool apply(const DesignRecord& record, DesignCheckInputs& inputs, std::string& error,
               RoutingRequest* routing = nullptr) const;

private:
    std::vector<std::pair<std::string, std::string>> given_;
    std::string fehFile_;
};

}  // namespace varnholt
