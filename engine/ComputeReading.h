#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"

// The reading of the birth data. Never fails and never shows anything. A step that finds
// nothing (a month name the tables do not hold, a year outside 1930..2030) keeps the
// field of the earlier reading; the picture numbers describe this computation only.
Reading computeReading(const BirthData& birthData, const Reading& earlier = {});
