#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"

// Turns the birth data into the reading. Never fails and never shows anything;
// a step that finds nothing leaves its fields as they were.
void ComputeReading(const BirthData& birthData, Reading& reading);
