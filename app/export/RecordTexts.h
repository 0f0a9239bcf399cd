#pragma once
// The texts of record values that the summaries and the record tables share.
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordView.h"

// A level with one decimal, " --- " for the no-value mark.
std::string LevelText(float level);
// The date of a stored time in local time, "09-Jun-2003".
std::string DateText(uint32_t stamp);
// A setup record's timer date "yy/mm/dd" (its date slot at offset) as
// "15-Jul-2003".
std::string ShortDateText(const RecordView& setup, size_t offset);
