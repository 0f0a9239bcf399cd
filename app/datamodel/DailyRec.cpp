#include "DailyRec.h"

#include "StreamedRecordFields.h"

using namespace DailyFields;

DailyRec::DailyRec(const RecordView& r)
    : m_start(r.U32(kStartTime)),
      m_cnel(r.F32(kCnel)),
      m_flags(r.U16(kFlags)),
      m_leq(r.F32(kLeq)),
      m_ldn(r.F32(kLdn)),
      m_lmax(r.F32(kLmax)),
      m_lmin(r.F32(kLmin)),
      m_model(r.U16(kModel)),
      m_peak(r.F32(kPeak)),
      m_record(r.U32(kRecordNumber)),
      m_duration(r.F32(kDuration)),
      m_uwPeak(r.F32(kUwPeak)),
      m_windAverage(r.F32(kWindAverage)),
      m_maxWindDir(r.I16(kMaxWindDirection)),
      m_windAbove(r.I16(kWindAbove)),
      m_windMax(r.F32(kWindMax)),
      m_maxWindTime(r.U32(kMaxWindTime) + r.U32(kStartTime)),
      m_windExceedances(r.I16(kWindExceedances))
{
    for (size_t i = 0; i < 8; ++i)
        m_windDirections[i] = r.I16(kWindDirections + 2 * i);
    m_histogram.Read(r, kHistogram);
}
