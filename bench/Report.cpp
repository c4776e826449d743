#include "bench/Report.h"

#include "bench/Statistics.h"

#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {

double hwmMiB(const Sample& s)
{
    return s.hwmKiB >= 0 ? double(s.hwmKiB) / 1024.0 : NAN;
}

struct Summary
{
    double mapMedian, mapMin, mapMax, mapQ1, mapQ3;
    double paintMedian, paintMin, paintMax;
    double cpuMedian, cpuQ1, cpuQ3, waitMedian;
    double hwmMedianMiB, maxRssMedianMiB;
};

Summary summarise(const std::vector<Sample>& samples)
{
    std::vector<double> map, paint, cpu, wait, hwm, maxRss;
    for (const Sample& s : samples) {
        map.push_back(s.mapMs);
        paint.push_back(s.paintMs);
        cpu.push_back(s.cpuMs);
        wait.push_back(s.waitMs);
        hwm.push_back(hwmMiB(s));
        maxRss.push_back(s.maxRssKiB > 0 ? double(s.maxRssKiB) / 1024.0 : NAN);
    }
    return {median(map),   quantile(map, 0),   quantile(map, 1),  quantile(map, 0.25), quantile(map, 0.75),
            median(paint), quantile(paint, 0), quantile(paint, 1), median(cpu),        quantile(cpu, 0.25),
            quantile(cpu, 0.75), median(wait), median(hwm), median(maxRss)};
}

void printSummary(const std::string& label, const Summary& s, size_t count)
{
    std::printf("%s: runs %zu\n", label.c_str(), count);
    std::printf("  window mapped : median %7.1f ms   min %7.1f   q1 %7.1f   q3 %7.1f   max %7.1f   (IQR %.1f ms)\n",
                s.mapMedian, s.mapMin, s.mapQ1, s.mapQ3, s.mapMax, s.mapQ3 - s.mapQ1);
    std::printf("  first paint   : median %7.1f ms   min %7.1f   max %7.1f\n", s.paintMedian, s.paintMin, s.paintMax);
    std::printf("  CPU to map    : median %7.1f ms   q1 %7.1f   q3 %7.1f   (waiting for a CPU: median %.1f ms)\n",
                s.cpuMedian, s.cpuQ1, s.cpuQ3, s.waitMedian);
    std::printf("  peak memory   : median VmHWM %.1f MiB   (ru_maxrss %.1f MiB)\n", s.hwmMedianMiB, s.maxRssMedianMiB);
}

std::string firstLineWith(const char* file, const char* prefix)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return {};
}

} // namespace

void printHeader(const std::string& display, const std::vector<Subject>& subjects, const Options& options,
                 const char* scratch)
{
    std::printf("display %s, %ld CPUs, %s\n", display.c_str(), sysconf(_SC_NPROCESSORS_ONLN),
                firstLineWith("/proc/cpuinfo", "model name").c_str());
    for (const Subject& subject : subjects)
        std::printf("%-10s %s (\"%s\")\n", (subject.label + ":").c_str(), subject.path.c_str(), subject.title.c_str());
    std::printf("%d warm-up and %d measured rounds, each running every program once, the order turning by one "
                "each round; %s XDG_CONFIG_HOME under %s\n",
                options.warmup, options.runs, options.reuseConfig ? "one reused" : "a fresh", scratch);
    std::fflush(stdout);
}

void printReport(const Options& options, const std::vector<Subject>& subjects,
                 const std::vector<std::vector<Sample>>& samples)
{
    std::vector<Summary> summaries;
    for (const std::vector<Sample>& s : samples)
        summaries.push_back(summarise(s));
    const Summary& f = summaries.back();
    std::printf("\n");
    for (size_t i = 0; i < subjects.size(); ++i)
        printSummary(subjects[i].label, summaries[i], samples[i].size());

    // A target of 0 is none.
    auto verdict = [](double ratio, double target) {
        if (target <= 0)
            return std::string();
        char text[48];
        std::snprintf(text, sizeof text, " (target <= %.2f: %s)", target, ratio <= target ? "met" : "not met");
        return std::string(text);
    };
    std::printf("\nagainst the floor:\n");
    for (size_t i = 0; i + 1 < subjects.size(); ++i) {
        const Summary& p = summaries[i];
        const double time = p.mapMedian / f.mapMedian;
        const double memory = p.hwmMedianMiB / f.hwmMedianMiB;
        const Difference withinRound = pairedRatio(samples[i], samples.back());
        std::printf("  %-14s startup time ratio %.2f%s, peak memory ratio %.2f%s, CPU to map ratio %.2f, "
                    "first paint ratio %.2f\n",
                    subjects[i].label.c_str(), time, verdict(time, options.timeTarget).c_str(), memory,
                    verdict(memory, options.memoryTarget).c_str(), p.cpuMedian / f.cpuMedian,
                    p.paintMedian / f.paintMedian);
        std::printf("  %-14s time ratio within a round: median %.3f [%.3f, %.3f]\n", "", withinRound.median,
                    withinRound.low, withinRound.high);
    }
    if (options.programs.size() > 1) {
        std::printf("\nagainst %s, median of the differences within a round:\n", subjects[0].label.c_str());
        std::printf("  (95 %% confidence intervals in brackets)\n");
        for (size_t i = 1; i + 1 < subjects.size(); ++i) {
            const Difference map = pairedDifference(samples[0], samples[i], [](const Sample& s) { return s.mapMs; });
            const Difference cpu = pairedDifference(samples[0], samples[i], [](const Sample& s) { return s.cpuMs; });
            const Difference memory = pairedDifference(samples[0], samples[i], hwmMiB);
            std::printf("  %-14s window mapped %+6.2f ms [%+.2f, %+.2f]   CPU to map %+6.2f ms [%+.2f, %+.2f]   "
                        "peak memory %+5.2f MiB [%+.2f, %+.2f]\n",
                        subjects[i].label.c_str(), map.median, map.low, map.high, cpu.median, cpu.low, cpu.high,
                        memory.median, memory.low, memory.high);
        }
    }
    if (options.machine) {
        for (size_t i = 0; i < subjects.size(); ++i) {
            const Summary& p = summaries[i];
            std::printf("figures: label=%s map_ms=%.2f map_iqr_ms=%.2f paint_ms=%.2f cpu_ms=%.2f wait_ms=%.2f "
                        "hwm_mib=%.2f time_ratio=%.3f memory_ratio=%.3f\n",
                        subjects[i].label.c_str(), p.mapMedian, p.mapQ3 - p.mapQ1, p.paintMedian, p.cpuMedian,
                        p.waitMedian, p.hwmMedianMiB, p.mapMedian / f.mapMedian, p.hwmMedianMiB / f.hwmMedianMiB);
        }
    }
}
