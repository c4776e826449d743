#pragma once

#include <string>
#include <vector>

// A program to measure: its name in the output, its path and its main window's title.
struct Subject
{
    std::string label;
    std::string path;
    std::string title;
};

// What the command line asks; the defaults are those of the usage at the top of startup_bench.cpp.
struct Options
{
    std::vector<Subject> programs;
    Subject floor{"floor", "", "Zarvo bench text floor"};
    int runs = 15;
    int warmup = 2;
    int settleMs = 200;
    double timeoutSeconds = 30;
    double timeTarget = 1.30;
    double memoryTarget = 1.15;
    bool verbose = false;
    bool machine = false;
    bool reuseConfig = false;
    std::string scratch = "/tmp";
};

// The options from the command line; a wrong one ends the harness with its usage.
Options parseOptions(int argc, char** argv);
