#include "SSAIntvRec.h"

SSAIntvRec::SSAIntvRec(const RecordView& r, bool withLn, bool spectralLn, const RecordView& setup)
    : m_start(r.U32(4)),
      m_duration(r.F32(12)),
      m_presence(r.U16(16)),
      m_leq(r.F32(20)),
      m_max(r.F32(24)),
      m_min(r.F32(28)),
      m_model(r.U16(32)),
      m_overloads(r.U16(34)),
      m_peak(r.F32(36)),
      m_peakExcd(r.U16(40)),
      m_rmsExcd(r.U16(42)),
      m_record(r.U32(44)),
      m_sel(r.F32(48)),
      m_uwPeak(r.F32(52)),
      m_uwPkExcd(r.U16(56)),
      m_wind1(r.F32(1640)),
      m_windByte(r.U8(1644)),
      m_wind2(r.F32(1648))
{
    r.Floats(60, m_third1, 33);
    r.Floats(192, m_octave1, 11);
    r.Floats(236, m_third2, 33);
    r.Floats(368, m_octave2, 11);
    if (withLn) {
        r.Floats(412, m_lnLevels, 6);
        setup.Floats(232, m_lnPercents, 6);
    }
    if (spectralLn)
        r.Floats(848, m_bandLn, 6 * 33);
    m_histogram.Read(r, 460);
}

float SSAIntvRec::GetBandLn(int ln, int band) const
{
    if (ln < 0 || ln > 5 || band < 0 || band > 32)
        return 0.0f;
    return m_bandLn[ln * 33 + band];
}
