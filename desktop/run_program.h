#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace varnholt {

// Runs a program looked up on PATH with these arguments (the first is its name), without a
// shell, its input and output on /dev/null. Waits for it, but no longer than `limit`: one
// still running then is killed. Returns false when it could not be started; its exit status
// is not looked at.
bool runProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds limit);

}  // namespace varnholt
