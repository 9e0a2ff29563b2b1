#include "check_options.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/number_text.h"
#include "tools/design_check_reader.h"
#include "tools/feh_import.h"

namespace varnholt {

namespace {

constexpr std::array kStormOptions = {"--m560",   "--r",     "--region",       "--allowance",
                                      "--source", "--feh99", "--return-period"};
constexpr const char* kFehOption = "--feh";
constexpr const char* kSourceOption = "--source";

bool applyOne(DesignCheckInputs& in, const std::string& option, const std::string& value,
              std::string& error) {
    StormSite& site = in.site;
    if (option == "--region") {
        if (value != "ew" && value != "sni") {
            error = "--region is ew or sni, not '" + value + "'";
            return false;
        }
        site.region = value == "ew" ? Region::englandAndWales : Region::scotlandAndNIreland;
        return true;
    }
    if (option == "--m560" || option == "--r" || option == "--allowance") {
        const auto parsed = tryParseNumber(value);
        if (!parsed) {
            error = option + " needs a number, not '" + value + "'";
            return false;
        }
        (option == "--m560" ? site.m560Rainfall
         : option == "--r"  ? site.ratio
                            : site.allowancePercent) = *parsed;
        return true;
    }
    DesignCheckReader reader(in);
    if (!reader.readOption(option, value)) {
        error = reader.error();
        return false;
    }
    // Typed parameters come from no file.
    if (option == "--feh99") site.feh99Origin.clear();
    return true;
}

// The file's contents, or the reason it could not be read. An FEH export is some kilobytes, so
// reading stops past the most a reader takes.
bool readWhole(const std::string& path, std::string& contents, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path + ": " + std::generic_category().message(errno);
        return false;
    }
    contents.resize(kMostFehFileBytes + 1);
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    contents.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

}  // namespace

bool CheckOptions::takes(const std::string& option, bool all) {
    if (option == kFehOption ||
        std::find(kStormOptions.begin(), kStormOptions.end(), option) != kStormOptions.end())
        return true;
    return all && DesignCheckReader::isOption(option);
}

bool CheckOptions::add(const std::string& option, const std::string& value, std::string& error) {
    if (option == kFehOption) {
        fehFile_ = value;
        return true;
    }
    DesignCheckInputs scratch;
    if (!applyOne(scratch, option, value, error)) return false;
    given_.emplace_back(option, value);
    return true;
}

bool CheckOptions::apply(const DesignRecord& record, DesignCheckInputs& inputs, std::string& error,
                         RoutingRequest* routing) const {
    CheckTexts texts = record.checkTexts;
    FehDepthTables tables = record.fehTables;
    if (!fehFile_.empty()) {
        std::string contents;
        if (!readWhole(fehFile_, contents, error)) return false;
        auto source = rainfallSourceOfKey(texts.text("source")).value_or(RainfallSourceKind::fsr);
        for (const auto& [option, value] : given_)
            if (option == kSourceOption) source = *rainfallSourceOfKey(value);
        // The record names the file, not the folder it was read from on this machine.
        const std::string name = std::filesystem::path(fehFile_).filename().string();
        try {
            useFehFile(readFehFile(contents, name), name, source, texts, tables);
        } catch (const FehFileError& e) {
            error = e.what();
            return false;
        }
    }
    DesignCheckReader reader(inputs);
    if (!reader.readTexts(texts, tables)) {
        error = reader.error();
        return false;
    }
    if (routing) *routing = reader.routing();
    for (const auto& [option, value] : given_) {
        // With a file the source is the one the file gave, chosen above.
        if (option == kSourceOption && !fehFile_.empty()) continue;
        if (!applyOne(inputs, option, value, error)) return false;
    }
    return true;
}

}  // namespace varnholt
