#include "IntvRec.h"

#include "KeptRecordFields.h"

IntvRec::IntvRec(const RecordView& r, bool withLn, const RecordView& setup)
    : m_site(r.U16(2)),
      m_time(r.U32(4)),
      m_duration(r.F32(48)),
      m_flags(r.U16(52)),
      m_leq(r.F32(56)),
      m_max(r.F32(60)),
      m_min(r.F32(64)),
      m_model(r.U16(92)),
      m_overloads(r.U16(120)),
      m_peak2(r.F32(124)),
      m_excdPeak2(r.U16(128)),
      m_excdSpl(r.U16(130)),
      m_record(r.U32(132)),
      m_sel(r.F32(136)),
      m_excdPeak1(r.I16(144)),
      m_peak1(r.F32(140)),
      m_windAverage(r.F32(148)),
      m_maxWindDir(r.I16(152)),
      m_windMax(r.F32(156))
{
    m_histogram.Read(r, 160);
    if (withLn) {
        r.Floats(68, m_lnLevels, 6);
        setup.Floats(LogSetupFields::kLnPercentiles, m_lnPercents, 6);
    }
}
