#include "bench/Options.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void usage(const char* message)
{
    std::fprintf(stderr, "zarvo_startup_bench: %s\n", message);
    std::fprintf(stderr,
                 "usage: zarvo_startup_bench --floor PATH [--floor-title T]\n"
                 "       --program PATH [--title T] [--label L] [--program PATH [--title T] [--label L] ...]\n"
                 "       [--runs N] [--warmup N] [--settle MS] [--timeout S] [--time-target R]\n"
                 "       [--memory-target R] [--reuse-config] [--scratch DIR] [--verbose] [--machine]\n");
    std::exit(1);
}

} // namespace

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage(("missing value after " + arg).c_str());
            return argv[++i];
        };
        if (arg == "--program") {
            const std::string number = options.programs.empty() ? "" : "-" + std::to_string(options.programs.size() + 1);
            options.programs.push_back({"program" + number, value(), "Zarvo Tibetan Astrology v2.20"});
        } else if (arg == "--title" || arg == "--program-title" || arg == "--label") {
            if (options.programs.empty())
                usage((arg + " names no --program before it").c_str());
            (arg == "--label" ? options.programs.back().label : options.programs.back().title) = value();
        } else if (arg == "--floor")
            options.floor.path = value();
        else if (arg == "--floor-title")
            options.floor.title = value();
        else if (arg == "--runs")
            options.runs = std::max(1, std::atoi(value().c_str()));
        else if (arg == "--warmup")
            options.warmup = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--settle")
            options.settleMs = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--timeout")
            options.timeoutSeconds = std::max(1.0, std::atof(value().c_str()));
        else if (arg == "--time-target")
            options.timeTarget = std::atof(value().c_str());
        else if (arg == "--memory-target")
            options.memoryTarget = std::atof(value().c_str());
        else if (arg == "--verbose" || arg == "-v")
            options.verbose = true;
        else if (arg == "--machine")
            options.machine = true;
        else if (arg == "--reuse-config")
            options.reuseConfig = true;
        else if (arg == "--scratch")
            options.scratch = value();
        else
            usage(("unknown argument " + arg).c_str());
    }
    if (options.programs.empty() || options.floor.path.empty())
        usage("--program and --floor are required");
    for (size_t i = 0; i < options.programs.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (options.programs[i].label == options.programs[j].label || options.programs[i].label == "floor")
                usage(("two programs are labelled " + options.programs[i].label).c_str());
        }
    }
    return options;
}
