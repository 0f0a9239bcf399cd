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
// The time of day of a stored time in local time, "14:05:09".
std::string ClockText(uint32_t stamp);
// A stored time in local time, "09-Jun-2003 14:05:09"; DateText and
// ClockText are its two halves, for the CSV layouts that split it.
std::string DateTimeText(uint32_t stamp);
// Seconds as a duration (SecondsToTime): hours, minutes and seconds with one
// decimal unless asked otherwise, "00:02:05.8".
std::string DurationText(float seconds, int decimals = 1, int format = 0);
