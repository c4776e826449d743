#include "platform/RandomNumbers.h"

#include <chrono>
#include <cmath>

RandomNumbers::RandomNumbers()
{
    seed();
}

float RandomNumbers::next()
{
    // generate_canonical may round up to 1.0 in single precision; keep r below 1.
    const float r = std::generate_canonical<float, 24>(m_engine);
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

void RandomNumbers::seed()
{
    m_engine.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}
