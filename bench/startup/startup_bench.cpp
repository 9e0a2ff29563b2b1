// Time from process start to the main window's first complete paint, and peak memory, for
// Varnholt and for a bare Qt window measured the same way in the same run, taking turns.
//   build/bench/varnholt_bench_startup [runs]     (needs a display: xvfb-run -a ...)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

bool runOnce(const char* program, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buffer[64];
    const ssize_t n = read(out[0], buffer, sizeof buffer);  // "painted"
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    sample.milliseconds = std::chrono::duration<double, std::milli>(painted - start).count();
    sample.peakKilobytes = usage.ru_maxrss;
    return true;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const char* programs[] = {VARNHOLT_FIRST_PAINT, BARE_FIRST_PAINT};
    std::vector<double> times[2];
    std::vector<long> memory[2];
    for (int i = 0; i < runs + 1; ++i)
        for (int p = 0; p < 2; ++p) {
            Sample s{};
            if (!runOnce(programs[p], s)) {
                std::fprintf(stderr, "%s did not paint (is there a display?)\n", programs[p]);
                return 1;
            }
            if (i == 0) continue;  // the first round only warms the file cache
            times[p].push_back(s.milliseconds);
            memory[p].push_back(s.peakKilobytes);
        }
    const double t[2] = {median(times[0]), median(times[1])};
    const long m[2] = {median(memory[0]), median(memory[1])};
    std::printf("first complete paint, median of %d runs each\n", runs);
    std::printf("  Varnholt main window  %8.1f ms  %8ld KiB peak\n", t[0], m[0]);
    std::printf("  bare Qt main window   %8.1f ms  %8ld KiB peak\n", t[1], m[1]);
    std::printf("  ratio                 %8.2f     %8.2f       (goal: at most 1.2)\n", t[0] / t[1],
                static_cast<double>(m[0]) / static_cast<double>(m[1]));
    return 0;
}
