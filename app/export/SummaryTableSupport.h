#pragma once
// Pieces shared by the ZU-Reru and RTA summaries and the run/stop and
// time-history tables: padded cells, end times and the labels of run/stop
// entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordView.h"

// A text padded with blanks to width, after it (left) or before it (right);
// a longer text stays whole.
std::string LeftCell(const std::string& text, size_t width);
std::string RightCell(const std::string& text, size_t width);

// A start time plus elapsed float seconds, the sum cut toward zero to whole
// seconds; the start alone when the sum is no time stamp.
uint32_t EndTime(uint32_t start, float elapsedSeconds);

// A setup's Ln start level in at least two characters: " 5 dB", "45 dB".
std::string LnStartLevelText(int level);

// The state text of a run/stop entry that is a mark, numbered by its cause:
// 11 gives Mark1, 0 gives Mark0.
std::string MarkLabel(int cause);
// The cause of a run/stop entry: the mark's name for causes 11 to 16, else
// the entry's cause text.
std::string CauseLabel(int cause, const std::string& causeText, const RecordView& parameters);
