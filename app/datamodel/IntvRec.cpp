#include "IntvRec.h"

#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"

using namespace LogIntervalFields;

IntvRec::IntvRec(const RecordView& r, bool withLn, const RecordView& setup)
    : m_site(r.U16(kSite)),
      m_time(r.U32(kTime)),
      m_duration(r.F32(kDuration)),
      m_flags(r.U16(kFlags)),
      m_leq(r.F32(kLeq)),
      m_max(r.F32(kMax)),
      m_min(r.F32(kMin)),
      m_model(r.U16(kModel)),
      m_overloads(r.U16(kOverloads)),
      m_peak2(r.F32(kPeak2)),
      m_excdPeak2(r.U16(kPeak2Exceedances)),
      m_excdSpl(r.U16(kSplExceedances)),
      m_record(r.U32(kRecordNumber)),
      m_sel(r.F32(kSel)),
      m_excdPeak1(r.I16(kPeak1Exceedances)),
      m_peak1(r.F32(kPeak1)),
      m_windAverage(r.F32(kWindAverage)),
      m_maxWindDir(r.I16(kMaxWindDirection)),
      m_windMax(r.F32(kWindMax))
{
    m_histogram.Read(r, kHistogram);
    if (withLn) {
        r.Floats(kLnLevels, m_lnLevels, 6);
        setup.Floats(LogSetupFields::kLnPercentiles, m_lnPercents, 6);
    }
}
