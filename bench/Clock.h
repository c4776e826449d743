#pragma once

#include <chrono>

using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}
