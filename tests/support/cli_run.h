#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace varnholt::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the headless driver with these arguments; `env` is given to env(1) first, to set
// ("NAME=VALUE") or take away ("-u", "NAME") what the driver finds in its environment.
inline CliRun runCli(const std::vector<std::string>& args,
                     const std::vector<std::string>& env = {}) {
    // Tests run side by side: each keeps its own copy of what the driver says on stderr.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string errFile = ::testing::TempDir() + "cli-stderr-" + test->test_suite_name() +
                                "-" + test->name() + ".txt";
    std::string command = env.empty() ? "" : "env ";
    for (const std::string& e : env) command += quote(e) + " ";
    command += quote(VARNHOLT_CLI);
    for (const std::string& a : args) command += " " + quote(a);
    command += " 2>" + quote(errFile);
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

}  // namespace varnholt::testing
