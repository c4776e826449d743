#pragma once

#include "bench/Sample.h"

#include <vector>

// NAN values are left out of every figure.
double median(std::vector<double> v);
// The q-quantile, interpolated between the two nearest values.
double quantile(std::vector<double> v, double q);

struct Difference
{
    double median;
    double low, high;  // 95 % confidence interval of the median
};

// The median of differences with its distribution-free 95 % confidence interval.
Difference medianWithInterval(std::vector<double> v);

// How a field of the other program's samples differs from the first's, within each
// round in which both ran.
Difference pairedDifference(const std::vector<Sample>& first, const std::vector<Sample>& other,
                            double (*field)(const Sample&));
// The program's map time divided by the floor's in the same round.
Difference pairedRatio(const std::vector<Sample>& program, const std::vector<Sample>& floor);
