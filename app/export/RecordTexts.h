#pragma once
// The texts of record values that the summaries and the record tables share;
// the date and time texts of a stored time are TimeTexts' DateText, ClockText
// and DateTimeText.
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordView.h"
#include "TimeTexts.h"

// A level with one decimal, " --- " for the no-value mark.
std::string LevelText(float level);
// A setup record's timer date "yy/mm/dd" (its date slot at offset) as
// "15-Jul-2003".
std::string ShortDateText(const RecordView& setup, size_t offset);
// Seconds as a duration (SecondsToTime): hours, minutes and seconds with one
// decimal unless asked otherwise, "00:02:05.8".
std::string DurationText(float seconds, int decimals = 1, int format = 0);
