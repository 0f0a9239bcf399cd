#include "SnapRec.h"

#include <ctime>

#include "StreamedRecordFields.h"

SnapRec::SnapRec(const RecordView& r, int subKind)
    : m_subKind(subKind), m_record(r.U32(SnapshotFields::kRecordNumber)), m_time(r.U32(SnapshotFields::kTime))
{
    if (subKind >= kTalSlm && subKind <= kTalTone)
        m_duration = r.F32(SnapshotFields::kDuration);
    switch (subKind) {
    case kTalSlm:
        r.Floats(TalSlmSnapshotFields::kSplTable, m_splTable, 9);
        r.Floats(TalSlmSnapshotFields::kLmaxTable, m_lmaxTable, 9);
        r.Floats(TalSlmSnapshotFields::kLeqTable, m_leqTable, 4);
        m_laftm5 = r.F32(TalSlmSnapshotFields::kLaftm5);
        r.Floats(TalSlmSnapshotFields::kLnPercentiles, m_lnPercents, 6);
        r.Floats(TalSlmSnapshotFields::kLnLevels, m_lnLevels, 6);
        break;
    case kTalRta:
        // The live spectrum comes first in the record, then the Leq.
        r.Floats(TalRtaSnapshotFields::kLiveBands, m_liveBands, 33);
        r.Floats(TalRtaSnapshotFields::kLeqBands, m_leqBands, 33);
        break;
    case kTalTone:
        m_toneFrequency = r.I16(TalToneSnapshotFields::kToneFrequency);
        m_deltaFc = r.I16(TalToneSnapshotFields::kDeltaFc);
        m_toneLevel = r.F32(TalToneSnapshotFields::kToneLevel);
        m_groupLevel = r.F32(TalToneSnapshotFields::kGroupLevel);
        break;
    case kFft:
        m_averageCount = r.U16(FftSnapshotFields::kAverageCount);
        m_overloads = r.U16(FftSnapshotFields::kOverloads);
        m_spl = r.F32(FftSnapshotFields::kSpl);
        r.Floats(FftSnapshotFields::kSpectrum, m_spectrum, 401);
        break;
    case kAveraged:
        m_averageCount = r.U16(AveragedSnapshotFields::kAverageCount);
        m_label = r.Text(AveragedSnapshotFields::kLabel, AveragedSnapshotFields::kLabelLength);
        m_spl = r.F32(AveragedSnapshotFields::kSpl);
        r.Floats(AveragedSnapshotFields::kBands, m_bands, 33);
        m_bandwidth = r.U16(AveragedSnapshotFields::kBandwidth);
        break;
    default:
        break;
    }
}

uint32_t SnapRec::GetStandardTime() const
{
    int32_t stamp = static_cast<int32_t>(m_time);
    if (stamp < 0)
        stamp = 0;
    std::time_t t = stamp;
    std::tm local{};
    if (localtime_r(&t, &local) != nullptr && local.tm_isdst > 0 && stamp >= 3600)
        return static_cast<uint32_t>(stamp) - 3600;
    return static_cast<uint32_t>(stamp);
}
