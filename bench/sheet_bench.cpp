// One data sheet to PDF through the headless driver, process start included, as a batch of
// sheets for many projects runs it.
//   build/bench/varnholt_bench_sheet [runs]     (no display needed)
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool runOnce(const std::string& out, double& milliseconds) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        execl(VARNHOLT_CLI, VARNHOLT_CLI, "sheet", VARNHOLT_SAMPLE, "-o", out.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    char folder[] = "/tmp/varnholt-sheet-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string out = std::string(folder) + "/sheet.pdf";
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double ms = 0;
        if (!runOnce(out, ms)) {
            std::fprintf(stderr, "the driver failed to write the sheet\n");
            return 1;
        }
        times.push_back(ms);
    }
    std::remove(out.c_str());
    rmdir(folder);
    std::sort(times.begin(), times.end());
    std::printf(
        "data sheet to PDF through varnholt-cli, %d runs: median %.1f ms, worst %.1f ms "
        "(goal: under 150 ms)\n",
        runs, times[times.size() / 2], times.back());
    return 0;
}
