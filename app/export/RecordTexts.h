#pragma once
// The texts of record values that the summaries and the record tables share.
#include <cstdint>
#include <string>

// A level with one decimal, " --- " for the no-value mark.
std::string LevelText(float level);
// The date of a stored time in local time, "09-Jun-2003".
std::string DateText(uint32_t stamp);
