#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace varnholt {

// One input of the design check as the project keeps it: its key (the name of the box that
// shows it) and the text a new project gives it.
struct CheckTextDefault {
    const char* key;
    const char* text;
};

// Every input of the design check and its trial-pit tests, in the order the project file keeps
// them. Choices are kept as keys: source fsr/feh99/feh13/feh22, region england/scotland,
// consequence none/minor/buildings, pitgravel 1/0. feh99 holds the six parameters c, d1, d2,
// d3, e, f separated by commas.
inline constexpr auto kCheckTextDefaults = std::to_array<CheckTextDefault>({
    {"source", "fsr"},
    {"m560", "20"},
    {"ratio", "0.3"},
    {"region", "england"},
    {"feh99", ""},
    {"returnperiod", "10"},
    {"allowance", "0"},
    {"creep", "0"},
    {"siteperiod", "30"},
    {"siteallowance", "40"},
    {"buildingsperiod", "100"},
    {"buildingsallowance", "40"},
    {"consequence", "minor"},
    {"groundwater", ""},
    {"topdepth", "0"},
    {"building", ""},
    {"leastgroundwater", "1"},
    {"leastbuilding", "5"},
    {"smallarea", "100"},
    {"largearea", "1000"},
    {"minimumfos11", "1.5"},
    {"minimumfos12", "2"},
    {"minimumfos13", "10"},
    {"minimumfos21", "1.5"},
    {"minimumfos22", "3"},
    {"minimumfos23", "10"},
    {"minimumfos31", "1.5"},
    {"minimumfos32", "5"},
    {"minimumfos33", "10"},
    {"pitlength", ""},
    {"pitwidth", ""},
    {"pitgravel", "0"},
    {"pitvoidratio", "0.3"},
    {"testdepth1", ""},
    {"testtime1", ""},
    {"testdepth2", ""},
    {"testtime2", ""},
    {"testdepth3", ""},
    {"testtime3", ""},
    // Where the FEH99 parameters came from, for the record: the file and its group; empty when
    // typed. (The depth tables keep their own.)
    {"feh99origin", ""},
    // The storm the Routing page routes: the event design/site/buildings; a duration of the
    // storm table in min, empty for the event's critical storm; the wetted area level/halfdepth;
    // the step in s, empty for a chosen one; and whether the half-empty check takes the routed
    // time, 0/1.
    {"routeevent", "design"},
    {"routeduration", ""},
    {"routearea", "level"},
    {"routestep", ""},
    {"routedcheck", "0"},
});

bool isCheckTextKey(std::string_view key);

// The design check's inputs as typed, kept with the project so that a check can be made again
// as it was. A key never set reads as its default.
class CheckTexts {
public:
    const std::string& text(std::string_view key) const;
    // False, changing nothing, for a key that is not one of kCheckTextDefaults.
    bool set(std::string_view key, std::string text);
    bool isDefault() const { return texts_.empty(); }
    void reset() { texts_.clear(); }
    bool operator==(const CheckTexts&) const = default;

private:
    // Only the texts that differ from their defaults.
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace varnholt
