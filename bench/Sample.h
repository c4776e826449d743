#pragma once

#include <cmath>

// What one run of a program measured; NAN or -1 where it could not be measured.
struct Sample
{
    double mapMs = NAN;    // fork to MapNotify of the titled window
    double paintMs = NAN;  // fork to the first pixels drawn into it
    double cpuMs = NAN;    // CPU time of all the child's threads when the map was seen
    double waitMs = NAN;   // time its threads were runnable but waiting for a CPU by then
    long hwmKiB = -1;      // VmHWM just before the kill
    long maxRssKiB = -1;   // ru_maxrss after the kill
};
