#pragma once

#include <string>

#include "engine/check_texts.h"
#include "engine/rainfall_source.h"
#include "feh_file_reader.h"

namespace varnholt {

// Takes an FEH file's figures into the project for a source: the FEH99 parameters into the
// check's texts (the catchment average where the file has it, else the 1 km point), both depth
// tables into `tables`, each with where it came from. An FSR source asks for the newest the
// file holds (FEH22, FEH13, then FEH99), which becomes the source. Throws FehFileError, taking
// nothing, when the file lacks what the source needs. Returns the source taken.
RainfallSourceKind useFehFile(const FehFile& file, const std::string& fileName,
                              RainfallSourceKind source, CheckTexts& texts, FehDepthTables& tables);

// The six FEH99 parameters as the texts keep them: "-0.02575, 0.34137, ...".
std::string feh99Text(const Feh99Parameters& p);

}  // namespace varnholt
