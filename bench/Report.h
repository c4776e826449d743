#pragma once

#include "bench/Options.h"
#include "bench/Sample.h"

#include <string>
#include <vector>

// What the harness prints before the runs: the display, the machine and the programs.
void printHeader(const std::string& display, const std::vector<Subject>& subjects, const Options& options,
                 const char* scratch);
// What it prints after them: each program's figures, its ratios to the floor (the last
// subject) and, with more than one program, each further one against the first.
void printReport(const Options& options, const std::vector<Subject>& subjects,
                 const std::vector<std::vector<Sample>>& samples);
