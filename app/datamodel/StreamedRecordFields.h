#pragma once
// Where the record readers and builders find the fields of the records a
// download streams one after another: intervals, days, exceedances and RTA
// events, time-history samples and stream blocks, SSA and OBA intervals,
// run/stop entries, calibrations, snapshots and the histogram record. Byte
// offsets in the translated record, as in KeptRecordFields.h; 16-bit fields
// unless noted.
#include <cstddef>
#include <cstdint>

// Kind 2: one interval of a logging measurement.
namespace LogIntervalFields {
constexpr size_t kSite = 2;
constexpr size_t kTime = 4;                // u32
constexpr size_t kDuration = 48;           // float seconds
constexpr size_t kFlags = 52;
constexpr size_t kLeq = 56;                // floats dB from here
constexpr size_t kMax = 60;
constexpr size_t kMin = 64;
constexpr size_t kLnLevels = 68;           // six floats
constexpr size_t kModel = 92;
constexpr size_t kOverloads = 120;
constexpr size_t kPeak2 = 124;             // float
constexpr size_t kPeak2Exceedances = 128;
constexpr size_t kSplExceedances = 130;
constexpr size_t kRecordNumber = 132;      // u32
constexpr size_t kSel = 136;               // float
constexpr size_t kPeak1 = 140;             // float
constexpr size_t kPeak1Exceedances = 144;  // signed
constexpr size_t kWindAverage = 148;       // float, raw wind units
constexpr size_t kMaxWindDirection = 152;  // signed, 256 a full circle
constexpr size_t kWindMax = 156;           // float
constexpr size_t kHistogram = 160;         // the presence byte, then 128 three-byte bins
constexpr size_t kWrittenLength = 548;     // the bytes the library writes of it
}  // namespace LogIntervalFields

// Kind 3: one day of a logging measurement.
namespace DailyFields {
constexpr size_t kStartTime = 4;           // u32
constexpr size_t kCnel = 12;               // float
constexpr size_t kFlags = 16;              // 0x08 the day carries wind values
constexpr size_t kLeq = 20;                // floats dB from here
constexpr size_t kLdn = 24;
constexpr size_t kLmax = 28;
constexpr size_t kLmin = 32;
constexpr size_t kModel = 60;
constexpr size_t kPeak = 88;               // float
constexpr size_t kRecordNumber = 96;       // u32
constexpr size_t kDuration = 100;          // float seconds
constexpr size_t kUwPeak = 104;            // float
constexpr size_t kWindAverage = 108;       // float, raw wind units
constexpr size_t kMaxWindDirection = 112;  // signed, 256 a full circle
constexpr size_t kWindDirections = 114;    // 8 signed percentages, N to NW
constexpr size_t kWindAbove = 130;         // signed percent of the time
constexpr size_t kWindMax = 132;           // float
constexpr size_t kMaxWindTime = 136;       // u32 seconds after the start
constexpr size_t kWindExceedances = 140;   // signed
constexpr size_t kHistogram = 576;         // the presence byte, then 128 three-byte bins
}  // namespace DailyFields

// Kind 1: one exceedance of a logging measurement.
namespace ExceedanceFields {
constexpr size_t kStartTime = 4;           // u32
constexpr size_t kChannels = 12;           // three floats
constexpr size_t kBlock = 24;              // 16 bytes
constexpr size_t kBlockLength = 16;
constexpr size_t kOverloadPercent = 84;    // float
constexpr size_t kDuration = 88;           // float seconds
constexpr size_t kFlags = 96;              // 0x08 the wind layout
constexpr size_t kLeq = 100;               // float
constexpr size_t kMax = 104;               // float
constexpr size_t kOverloads = 114;
constexpr size_t kPeak = 116;              // float
constexpr size_t kPeakExceedances = 120;
constexpr size_t kRecordNumber = 124;      // u32
constexpr size_t kSel = 128;               // float
constexpr size_t kExtraValue = 132;        // float
constexpr size_t kThPeriod = 136;          // float
constexpr size_t kExtraLevel = 144;        // float
constexpr size_t kMaxWindDirection = 152;  // 256 a full circle
constexpr size_t kWindMax = 156;           // float
constexpr size_t kProfile = 160;           // 256 bytes
constexpr size_t kProfileLength = 256;
}  // namespace ExceedanceFields

// Kind 1 of an RTA file: one event with its Leq, Max and Min spectra of 33
// bands.
namespace RtaEventFields {
constexpr size_t kStartTime = 8;           // u32
constexpr size_t kDuration = 12;           // float seconds
constexpr size_t kPreTrigger = 18;         // signed sample count
constexpr size_t kRecordNumber = 20;       // u32
constexpr size_t kTriggered = 24;          // signed sample count
constexpr size_t kLeq = 28;                // float, then its bands
constexpr size_t kLeqBands = 32;
constexpr size_t kMax = 164;
constexpr size_t kMaxBands = 168;
constexpr size_t kMin = 300;
constexpr size_t kMinBands = 304;
constexpr size_t kAveragedEvents = 436;    // u32, the events averaged less one
}  // namespace RtaEventFields

// Kind 57: one time-history sample. A level sample has a first value of 0
// or more; a run/stop entry carries its state and cause codes as words.
namespace TimeHistoryFields {
constexpr size_t kSite = 2;
constexpr size_t kTime = 4;                // u32
constexpr size_t kOtherLevel = 10;         // the setup's other level
constexpr int kAdvancedOtherLevel = 4;     // with it the sample carries its sets and spectra
constexpr size_t kFirst = 20;              // float
constexpr size_t kSecond = 24;             // float
constexpr size_t kRecordNumber = 32;       // u32
constexpr size_t kCause = 36;              // signed, of a run/stop entry
constexpr size_t kState = 38;              // signed, of a run/stop entry
// Two sets of eight floats by weighting A, C and Flat, then the Leq and the
// live spectrum of 33 bands.
constexpr size_t kSet1 = 40;
constexpr size_t kSet2 = 136;
constexpr size_t kSetStride = 32;
constexpr size_t kLeqBands = 236;
constexpr size_t kLiveBands = 368;
constexpr size_t kSpectraEnd = 500;
constexpr size_t kPlainLength = kSet1;     // the bytes a sample without sets fills
}  // namespace TimeHistoryFields

// Kind 16: a block of up to 60 time-history entries.
namespace ThBlockFields {
constexpr size_t kSite = 2;
constexpr size_t kTime = 4;                // u32, the time of the first entry
constexpr size_t kFormatBits = 10;         // not 0: each level has a second level
constexpr size_t kFirstValues = 12;        // 60 floats
constexpr size_t kSecondValues = 252;      // 60 floats
constexpr size_t kInterval = 504;          // float seconds between level samples
constexpr size_t kCount = 508;             // u32
constexpr uint32_t kMaxEntries = 60;
constexpr size_t kWrittenLength = 512;
}  // namespace ThBlockFields

// Kinds 21 and 22: one spectrum sample of an RTA event.
namespace SpectrumThFields {
constexpr size_t kSite = 2;
constexpr size_t kTimeOffset = 4;          // float
constexpr size_t kFirst = 8;               // float
constexpr size_t kFlag = 12;               // one byte
constexpr size_t kRecordNumber = 16;       // u32
constexpr size_t kBands = 20;              // 33 floats
constexpr size_t kWrittenLength = 152;
}  // namespace SpectrumThFields

// Kind 56: one SSA interval.
namespace SsaIntervalFields {
constexpr size_t kStartTime = 4;           // u32
constexpr size_t kDuration = 12;           // float seconds
constexpr size_t kPresence = 16;
constexpr size_t kLeq = 20;                // floats dB from here
constexpr size_t kMax = 24;
constexpr size_t kMin = 28;
constexpr size_t kModel = 32;
constexpr size_t kOverloads = 34;
constexpr size_t kPeak = 36;               // float
constexpr size_t kPeakExceedances = 40;
constexpr size_t kRmsExceedances = 42;
constexpr size_t kRecordNumber = 44;       // u32
constexpr size_t kSel = 48;                // float
constexpr size_t kUwPeak = 52;             // float
constexpr size_t kUwPeakExceedances = 56;
// Two sets of spectra: 33 one-third octave bands, then 11 octaves.
constexpr size_t kThirds1 = 60;
constexpr size_t kOctaves1 = 192;
constexpr size_t kThirds2 = 236;
constexpr size_t kOctaves2 = 368;
constexpr size_t kLnLevels = 412;          // six floats
constexpr size_t kHistogram = 460;         // the presence byte, then 128 three-byte bins
constexpr size_t kBandLn = 848;            // six rows of 33 floats (row x 33 + band)
constexpr size_t kWindAverage = 1640;      // float
constexpr size_t kMaxWindDirection = 1644; // one byte
constexpr size_t kWindMax = 1648;          // float
}  // namespace SsaIntervalFields

// Kind 31: one octave-band interval of a J46 file.
namespace ObaIntervalFields {
constexpr size_t kSite = 2;
constexpr size_t kTime = 4;                // u32
constexpr size_t kDuration = 12;           // float seconds
constexpr size_t kBandwidth = 16;          // not 0: one-third octaves
constexpr size_t kBands = 20;              // 30 floats, 25 Hz to 20 kHz
constexpr size_t kWord = 142;
constexpr size_t kRecordNumber = 144;      // u32
}  // namespace ObaIntervalFields

// Kinds 4, 59, 62 and 64: one run/stop entry.
namespace RunStopFields {
constexpr size_t kSite = 2;
constexpr size_t kTime = 4;                // u32
constexpr size_t kCause = 10;              // signed
constexpr size_t kThRecordNumber = 12;     // u32
constexpr size_t kModel = 16;
constexpr size_t kRunStopNumber = 18;      // signed
constexpr size_t kRecordNumber = 20;       // u32
constexpr size_t kState = 24;              // signed
}  // namespace RunStopFields

// Kind 5: one calibration or calibration check.
namespace CalRecordFields {
constexpr size_t kTime = 4;                // u32
constexpr size_t kOffset = 12;             // float dB
constexpr size_t kLevel = 16;              // float dB
constexpr size_t kMode = 20;               // signed
constexpr size_t kModel = 22;
constexpr size_t kRecordNumber = 24;       // u32
constexpr size_t kStatus = 28;             // signed
}  // namespace CalRecordFields

// Kinds 66 to 69 and 72: the snapshots of the TAL, FFT and RTA modes. Every
// one begins with its number and time; the fields after them depend on the
// snapshot.
namespace SnapshotFields {
constexpr size_t kRecordNumber = 4;        // u32
constexpr size_t kTime = 8;                // u32
constexpr size_t kDuration = 12;           // float seconds, of the TAL snapshots
}  // namespace SnapshotFields

namespace TalSlmSnapshotFields {  // kind 66
constexpr size_t kSplTable = 20;           // 9 floats, weighting x 3 + detector
constexpr size_t kLmaxTable = 56;          // 9 floats
constexpr size_t kLeqTable = 92;           // 4 floats: A, C, Flat, AI
constexpr size_t kLaftm5 = 108;            // float
constexpr size_t kLnPercentiles = 112;     // six floats
constexpr size_t kLnLevels = 136;          // six floats
}  // namespace TalSlmSnapshotFields

namespace TalRtaSnapshotFields {  // kind 67: 33 floats each
constexpr size_t kLiveBands = 20;
constexpr size_t kLeqBands = 152;
}  // namespace TalRtaSnapshotFields

namespace TalToneSnapshotFields {  // kind 68
constexpr size_t kToneFrequency = 18;      // signed Hz
constexpr size_t kDeltaFc = 20;            // signed Hz
constexpr size_t kToneLevel = 24;          // float
constexpr size_t kGroupLevel = 28;         // float
}  // namespace TalToneSnapshotFields

namespace FftSnapshotFields {
constexpr size_t kAverageCount = 12;
constexpr size_t kOverloads = 14;
constexpr size_t kSpl = 16;                // float
constexpr size_t kSpectrum = 20;           // 401 floats
}  // namespace FftSnapshotFields

namespace AveragedSnapshotFields {  // the RTA's spatially averaged sample
constexpr size_t kAverageCount = 12;
constexpr size_t kLabel = 14;              // 10 characters
constexpr size_t kLabelLength = 10;
constexpr size_t kSpl = 24;                // float
constexpr size_t kBands = 28;              // 33 floats
constexpr size_t kBandwidth = 160;
}  // namespace AveragedSnapshotFields

// Kinds 9 and 17: the SPL histogram of 0.1 dB bins and the two peak
// histograms of 1 dB bins, as big-endian 32-bit counts.
namespace HistogramRecordFields {
constexpr size_t kFlags = 10;              // 0x30 the peak histograms are present
constexpr int kPeakHistograms = 0x30;
constexpr size_t kBaseLevel = 16;          // float dB
constexpr size_t kSplBins = 20;
constexpr size_t kPeakBins = 5140;
constexpr size_t kUwPeakBins = 5652;
}  // namespace HistogramRecordFields
