#include "bench/Statistics.h"

#include <algorithm>
#include <cmath>

namespace {

// A comparison of two programs within each round in which both ran, as its median over
// the rounds with its interval: a load that came and went weighs on both runs of a round,
// so the comparison keeps less of it than the medians of each do.
template <typename Compare>
Difference withinRounds(const std::vector<Sample>& first, const std::vector<Sample>& other, Compare compare)
{
    std::vector<double> values;
    for (size_t i = 0; i < std::min(first.size(), other.size()); ++i)
        values.push_back(compare(first[i], other[i]));
    return medianWithInterval(values);
}

} // namespace

double median(std::vector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double quantile(std::vector<double> v, double q)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const double position = q * double(v.size() - 1);
    const size_t below = size_t(std::floor(position));
    const size_t above = std::min(below + 1, v.size() - 1);
    return v[below] + (v[above] - v[below]) * (position - double(below));
}

// The median of differences with its distribution-free confidence interval: the order
// statistics k and n+1-k that bracket the median with 95 % confidence, k from the
// binomial distribution of how many differences fall below the median.
Difference medianWithInterval(std::vector<double> v)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return {NAN, NAN, NAN};
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    size_t k = 0;  // the interval runs from the k-th smallest to the k-th largest
    double cumulative = 0;
    for (size_t j = 0; j < n; ++j) {
        const double logPmf = std::lgamma(double(n) + 1) - std::lgamma(double(j) + 1) - std::lgamma(double(n - j) + 1)
                              - double(n) * std::log(2.0);
        cumulative += std::exp(logPmf);
        if (cumulative > 0.025)
            break;
        k = j + 1;
    }
    if (k == 0)
        return {median(v), v.front(), v.back()};
    return {median(v), v[k - 1], v[n - k]};
}
Difference pairedDifference(const std::vector<Sample>& first, const std::vector<Sample>& other,
                            double (*field)(const Sample&))
{
    return withinRounds(first, other, [field](const Sample& a, const Sample& b) { return field(b) - field(a); });
}

// The program's map time divided by the floor's in the same round.
Difference pairedRatio(const std::vector<Sample>& program, const std::vector<Sample>& floor)
{
    return withinRounds(program, floor, [](const Sample& p, const Sample& f) { return p.mapMs / f.mapMs; });
}
