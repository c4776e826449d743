#pragma once

#include <random>

// Uniform numbers in [0, 1), single precision, seeded from the clock.
class RandomNumbers
{
public:
    RandomNumbers();

    float next();
    void seed();

private:
    std::mt19937 m_engine;
};
