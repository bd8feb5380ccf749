// Start-up to the first painted frame: the program's input dialog against a
// bare Qt window (the floor), started alternately as fresh processes.
//   bench_startup [RUNS]   (default 40 of each)
// Always offscreen, and again on the display when one is set.

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
    long peakRssKiB;
};

Sample startOnce(const char* mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(FIRST_PAINT, FIRST_PAINT, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string line;
    char c;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto painted = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);

    long rss = -1;
    std::sscanf(line.c_str(), "painted %ld", &rss);
    if (rss < 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", mode);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(painted - start).count(), rss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Both windows, alternately, on the platform that QT_QPA_PLATFORM names now.
void compare(const char* platform, int runs)
{
    std::vector<double> programTimes, bareTimes, programRss, bareRss;
    startOnce("bare"); // warm the file cache for both
    startOnce("kandelo");
    for (int i = 0; i < runs; ++i) {
        const Sample bare = startOnce("bare");
        const Sample program = startOnce("kandelo");
        bareTimes.push_back(bare.milliseconds);
        bareRss.push_back(static_cast<double>(bare.peakRssKiB));
        programTimes.push_back(program.milliseconds);
        programRss.push_back(static_cast<double>(program.peakRssKiB));
    }
    const double bareMs = median(bareTimes), programMs = median(programTimes);
    const double bareMiB = median(bareRss) / 1024, programMiB = median(programRss) / 1024;
    std::printf("platform %s, %d runs each, medians\n", platform, runs);
    std::printf("  bare Qt window    start-up to first paint %7.1f ms   peak RSS %6.1f MiB\n", bareMs, bareMiB);
    std::printf("  Kandelo dialog    start-up to first paint %7.1f ms   peak RSS %6.1f MiB\n", programMs, programMiB);
    std::printf("  ratio %.2f (target <= 1.30), RSS %+.1f MiB over the floor (target <= +6)\n", programMs / bareMs,
        programMiB - bareMiB);
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 40;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    compare("offscreen", runs);
    if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) {
        unsetenv("QT_QPA_PLATFORM");
        compare("of the display", runs);
    }
    return 0;
}
