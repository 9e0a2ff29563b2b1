// Time from process start to the main window's first complete paint with the first frame of its
// 3D view, and peak memory, for Varnholt, for a bare Qt window holding a bare OpenGL widget of
// the pane's size, and for a bare Qt window without one, measured the same way in the same run,
// taking turns.
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
    const char* programs[] = {VARNHOLT_FIRST_PAINT, BARE_GL_FIRST_PAINT, BARE_FIRST_PAINT};
    constexpr int kPrograms = 3;
    std::vector<double> times[kPrograms];
    std::vector<long> memory[kPrograms];
    for (int i = 0; i < runs + 1; ++i)
        for (int p = 0; p < kPrograms; ++p) {
            Sample s{};
            if (!runOnce(programs[p], s)) {
                std::fprintf(stderr, "%s did not paint (is there a display?)\n", programs[p]);
                return 1;
            }
            if (i == 0) continue;  // the first round only warms the file cache
            times[p].push_back(s.milliseconds);
            memory[p].push_back(s.peakKilobytes);
        }
    double t[kPrograms];
    long m[kPrograms];
    for (int p = 0; p < kPrograms; ++p) {
        t[p] = median(times[p]);
        m[p] = median(memory[p]);
    }
    const auto ratio = [](double a, double b) { return a / b; };
    std::printf("first complete paint with the first 3D frame, median of %d runs each\n", runs);
    std::printf("  Varnholt main window              %8.1f ms  %8ld KiB peak\n", t[0], m[0]);
    std::printf("  bare window, bare OpenGL pane     %8.1f ms  %8ld KiB peak\n", t[1], m[1]);
    std::printf("  bare window without OpenGL        %8.1f ms  %8ld KiB peak\n", t[2], m[2]);
    std::printf("  Varnholt / bare OpenGL window     %8.2f     %8.2f      (goal: 1.05 and 1.1)\n",
                ratio(t[0], t[1]), ratio(double(m[0]), double(m[1])));
    std::printf("  Varnholt / bare window            %8.2f     %8.2f\n", ratio(t[0], t[2]),
                ratio(double(m[0]), double(m[2])));
    return 0;
}
