#include "SSAIntvRec.h"

#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"

using namespace SsaIntervalFields;

SSAIntvRec::SSAIntvRec(const RecordView& r, bool withLn, bool spectralLn, const RecordView& setup)
    : m_start(r.U32(kStartTime)),
      m_duration(r.F32(kDuration)),
      m_presence(r.U16(kPresence)),
      m_leq(r.F32(kLeq)),
      m_max(r.F32(kMax)),
      m_min(r.F32(kMin)),
      m_model(r.U16(kModel)),
      m_overloads(r.U16(kOverloads)),
      m_peak(r.F32(kPeak)),
      m_peakExcd(r.U16(kPeakExceedances)),
      m_rmsExcd(r.U16(kRmsExceedances)),
      m_record(r.U32(kRecordNumber)),
      m_sel(r.F32(kSel)),
      m_uwPeak(r.F32(kUwPeak)),
      m_uwPkExcd(r.U16(kUwPeakExceedances)),
      m_wind1(r.F32(kWindAverage)),
      m_windByte(r.U8(kMaxWindDirection)),
      m_wind2(r.F32(kWindMax))
{
    r.Floats(kThirds1, m_third1, 33);
    r.Floats(kOctaves1, m_octave1, 11);
    r.Floats(kThirds2, m_third2, 33);
    r.Floats(kOctaves2, m_octave2, 11);
    if (withLn) {
        r.Floats(kLnLevels, m_lnLevels, 6);
        setup.Floats(SsaSetupFields::kLnPercentiles, m_lnPercents, 6);
    }
    if (spectralLn)
        r.Floats(kBandLn, m_bandLn, 6 * 33);
    m_histogram.Read(r, kHistogram);
}

float SSAIntvRec::GetBandLn(int ln, int band) const
{
    if (ln < 0 || ln > 5 || band < 0 || band > 32)
        return 0.0f;
    return m_bandLn[ln * 33 + band];
}
