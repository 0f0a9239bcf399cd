#pragma once
// Pieces shared by the ZU-Reru and RTA summaries and the record-table
// writers: the summary record's fields beside the measurement sets, padded
// cells, end times and the labels of run/stop entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordView.h"

// Fields of the measurement summary record (output kind 55) that the
// measurement sets of SummaryWriterSupport.h leave out.
namespace SummaryField {
constexpr size_t kSpl = 340;                // 9 floats, weighting x 3 + detector
constexpr size_t kLnLevels = 596;           // 6 floats
constexpr size_t kLnPercents = 624;         // 6 floats
constexpr size_t kOverallEnd = 660;         // time stamp
constexpr size_t kHistoryCount = 948;       // i32
constexpr size_t kSnapshotCount = 952;      // i32
constexpr size_t kRtaRunTime = 972;         // float seconds
constexpr size_t kLeqSpectrum = 976;        // 34 floats: the bands, then flat
constexpr size_t kSpectraDuration = 1160;   // float seconds
constexpr size_t kMaxSpectrum = 1368;       // 34 floats
constexpr size_t kMinSpectrum = 1552;       // 34 floats
constexpr size_t kSpatialSpectrum = 2304;   // 34 floats
constexpr size_t kSpatialCount = 2488;      // float
constexpr size_t kLaftm5 = 3580;            // float
constexpr size_t kToneFrequency = 3684;     // i32 Hz
constexpr size_t kBarqBandwidth = 3688;     // i32 Hz
constexpr size_t kToneLevel = 3692;         // float
constexpr size_t kGroupLevel = 3696;        // float
constexpr size_t kLaieq = 3700;             // float
constexpr size_t kTonalityElapsed = 3704;   // float seconds
}  // namespace SummaryField

// A text padded with blanks to width, after it (left) or before it (right);
// a longer text stays whole.
std::string LeftCell(const std::string& text, size_t width);
std::string RightCell(const std::string& text, size_t width);

// A start time plus elapsed float seconds, the sum cut toward zero to whole
// seconds; the start alone when the sum is no time stamp.
uint32_t EndTime(uint32_t start, float elapsedSeconds);

// The state text of a run/stop entry that is a mark, numbered by its cause:
// 11 gives Mark1, 0 gives Mark0.
std::string MarkLabel(int cause);
// The cause of a run/stop entry: the mark's name for causes 11 to 16, else
// the entry's cause text.
std::string CauseLabel(int cause, const std::string& causeText, const RecordView& parameters);
