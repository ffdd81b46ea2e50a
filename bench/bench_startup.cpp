// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the peak memory of the process, for Skalix, for a bare Qt
// Widgets window of the same size and for that window with one label and
// one line edit, run as child processes one after the other in the same
// run. Reported: the time from starting the process until it has shown its
// window and ended (manual time, the whole process), the part of it until
// the window was on screen ("first_frame_ms"), and the child's peak
// resident set in KiB ("peak_rss_kib").

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

namespace {

void startWindow(benchmark::State &state, const char *probe)
{
    long peakKib = 0;
    double firstFrameSeconds = 0;
    for (auto _ : state) {
        int shown[2];
        if (pipe(shown) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        const std::string fd = std::to_string(shown[1]);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            close(shown[0]);
            execl(probe, probe, fd.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        close(shown[1]);
        char byte = 0;
        const bool reported = read(shown[0], &byte, 1) == 1;
        const auto firstFrame = std::chrono::steady_clock::now();
        close(shown[0]);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe did not show its window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        firstFrameSeconds += std::chrono::duration<double>(firstFrame - start).count();
        peakKib = std::max(peakKib, usage.ru_maxrss);
    }
    state.counters["first_frame_ms"] =
        benchmark::Counter(firstFrameSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["peak_rss_kib"] = double(peakKib);
}

void BM_StartupBareWindow(benchmark::State &state) { startWindow(state, PROBE_BARE_PATH); }
void BM_StartupLabelAndFieldWindow(benchmark::State &state)
{
    startWindow(state, PROBE_LABEL_AND_FIELD_PATH);
}
void BM_StartupSkalix(benchmark::State &state) { startWindow(state, PROBE_SKALIX_PATH); }

} // namespace

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupLabelAndFieldWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_StartupSkalix)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    // The probes open their windows headless unless a platform is chosen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
