#include "SnapRec.h"

#include <ctime>

SnapRec::SnapRec(const RecordView& r, int subKind)
    : m_subKind(subKind), m_record(r.U32(4)), m_time(r.U32(8))
{
    if (subKind >= kTalSlm && subKind <= kTalTone)
        m_duration = r.F32(12);
    switch (subKind) {
    case kTalSlm:
        r.Floats(20, m_splTable, 9);
        r.Floats(56, m_lmaxTable, 9);
        r.Floats(92, m_leqTable, 4);
        m_laftm5 = r.F32(108);
        r.Floats(112, m_lnPercents, 6);
        r.Floats(136, m_lnLevels, 6);
        break;
    case kTalRta:
        // The live spectrum comes first in the record, then the Leq.
        r.Floats(20, m_liveBands, 33);
        r.Floats(152, m_leqBands, 33);
        break;
    case kTalTone:
        m_toneFrequency = r.I16(18);
        m_deltaFc = r.I16(20);
        m_toneLevel = r.F32(24);
        m_groupLevel = r.F32(28);
        break;
    case kFft:
        m_averageCount = r.U16(12);
        m_overloads = r.U16(14);
        m_spl = r.F32(16);
        r.Floats(20, m_spectrum, 401);
        break;
    case kAveraged:
        m_averageCount = r.U16(12);
        m_label = r.Text(14, 10);
        m_spl = r.F32(24);
        r.Floats(28, m_bands, 33);
        m_bandwidth = r.U16(160);
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
