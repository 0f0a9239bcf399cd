#pragma once
// Where the writers find the fields of the records a data set keeps whole:
// the mode setup records (output kinds 51 SSA, 53 LOG, 60 ZU-Reru, 70 RTA)
// and the parameter-line record (kind 7). Byte offsets in the translated
// record; one-byte setup values sit in 16-bit fields unless noted, so their
// low byte is read.
#include <cstddef>
#include <string>

#include "RecordView.h"

// The time-history column flag bytes of a mode setup record, in the order
// A1, A2, C1, C2, F1, F2 (first and second byte of weightings A, C and Flat).
struct ThColumnFlagOffsets {
    size_t a1, a2, c1, c2, f1, f2;
};

namespace LogSetupFields {  // kind 53
constexpr size_t kDetector = 156;
constexpr size_t kFreqWeighting = 158;
constexpr size_t kPeak1Weighting = 162;
constexpr size_t kWindScale = 220;      // float
constexpr size_t kWindUnits = 224;      // 4 characters, not always ended
constexpr size_t kWindUnitsLength = 4;
constexpr size_t kOtherLevel = 236;
constexpr size_t kLnStartLevel = 296;
constexpr ThColumnFlagOffsets kThFlags = {298, 306, 300, 308, 302, 310};
constexpr size_t kDirectionUnits = 312;  // one byte
}  // namespace LogSetupFields

namespace SsaSetupFields {  // kind 51
constexpr size_t kModeFlags = 60;        // 0x08 one-third octaves, 0x04 RTA detector Fast
constexpr size_t kIntervalFlags = 62;    // 0x40 Ln levels saved with each interval
constexpr size_t kDetector = 126;
constexpr size_t kWeighting = 128;
constexpr size_t kPeak1Weighting = 132;
constexpr size_t kIntervalSpectra = 170; // 0 none, 1 at Max, 2 Min of Min
constexpr size_t kOtherLevel = 172;
constexpr size_t kLnStartLevel = 212;
constexpr ThColumnFlagOffsets kThFlags = {214, 222, 216, 224, 218, 226};
constexpr size_t kSpectralLn = 256;      // 0 none, 1 overall, 2 per interval
constexpr size_t kWindScale = 260;       // float
constexpr size_t kWindUnits = 264;       // 4 characters and a NUL
constexpr size_t kWindUnitsLength = 4;
constexpr size_t kDirectionUnits = 276;  // one byte
}  // namespace SsaSetupFields

namespace TalSetupFields {  // kind 60
constexpr size_t kLnEnableFlags = 60;    // 0x40 Ln enabled
constexpr size_t kHistoryFlags = 88;     // 2 Ln enabled, 8 time history enabled
constexpr size_t kSlmWeighting = 74;
constexpr size_t kOtherLevel = 90;
constexpr size_t kLnStartLevel = 96;     // signed
constexpr ThColumnFlagOffsets kThFlags = {98, 106, 100, 108, 102, 110};
}  // namespace TalSetupFields

namespace RtaSetupFields {  // kind 70
constexpr size_t kBandwidthFlags = 60;   // one byte; 0x80 one-third octaves
constexpr size_t kLinearDetectorTime = 64;  // float seconds between ByTime records
}  // namespace RtaSetupFields

namespace ParameterFields {  // kind 7
// Mark names 1 to 6, 8 characters and a NUL each, one after the other.
constexpr size_t kMarkNames = 640;
constexpr size_t kMarkNameSlot = 9;
}  // namespace ParameterFields

// The six time-history column flag bytes of a setup record.
struct ThColumnFlags {
    int a1 = 0, a2 = 0, c1 = 0, c2 = 0, f1 = 0, f2 = 0;
    static ThColumnFlags Read(const RecordView& setup, const ThColumnFlagOffsets& at)
    {
        return {setup.U8(at.a1), setup.U8(at.a2), setup.U8(at.c1), setup.U8(at.c2), setup.U8(at.f1),
                setup.U8(at.f2)};
    }
};

// The name of mark 1 to 6 of the parameter-line record; empty for another
// number or without the record.
inline std::string MarkName(const RecordView& parameters, int mark)
{
    if (mark < 1 || mark > 6)
        return {};
    return parameters.Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * static_cast<size_t>(mark - 1),
                           ParameterFields::kMarkNameSlot - 1);
}
