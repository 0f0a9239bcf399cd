#include "DailyRec.h"

DailyRec::DailyRec(const RecordView& r)
    : m_start(r.U32(4)),
      m_cnel(r.F32(12)),
      m_flags(r.U16(16)),
      m_leq(r.F32(20)),
      m_ldn(r.F32(24)),
      m_lmax(r.F32(28)),
      m_lmin(r.F32(32)),
      m_model(r.U16(60)),
      m_peak(r.F32(88)),
      m_record(r.U32(96)),
      m_duration(r.F32(100)),
      m_uwPeak(r.F32(104)),
      m_windAverage(r.F32(108)),
      m_maxWindDir(r.I16(112)),
      m_windAbove(r.I16(130)),
      m_windMax(r.F32(132)),
      m_maxWindTime(r.U32(136) + r.U32(4)),
      m_windExceedances(r.I16(140))
{
    for (size_t i = 0; i < 8; ++i)
        m_windDirections[i] = r.I16(114 + 2 * i);
    m_histogram.Read(r, 576);
}
