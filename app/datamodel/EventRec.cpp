#include "EventRec.h"

#include <cmath>
#include <cstdio>

#include "StreamedRecordFields.h"

namespace {
const char* const kNoRt60 = "   ----   ";
}  // namespace

EventRec EventRec::FromExceedance(const RecordView& r)
{
    using namespace ExceedanceFields;
    EventRec e;
    e.m_start = r.U32(kStartTime);
    r.Floats(kChannels, e.m_channels, 3);
    for (size_t i = 0; i < kBlockLength; ++i)
        e.m_block16[i] = r.U8(kBlock + i);
    e.m_overloadPercent = r.F32(kOverloadPercent);
    e.m_duration = r.F32(kDuration);
    e.m_leq = r.F32(kLeq);
    e.m_max = r.F32(kMax);
    e.m_overloads = r.U16(kOverloads);
    e.m_peak = r.F32(kPeak);
    e.m_peakExcd = r.U16(kPeakExceedances);
    e.m_record = r.U32(kRecordNumber);
    e.m_sel = r.F32(kSel);
    e.m_extraValue = r.F32(kExtraValue);
    e.m_thPeriod = r.F32(kThPeriod);
    e.m_extraLevel = r.F32(kExtraLevel);
    e.m_maxWindDir = r.U16(kMaxWindDirection);
    e.m_windMax = r.F32(kWindMax);
    for (size_t i = 0; i < kProfileLength; ++i)
        e.m_profile[i] = r.U8(kProfile + i);
    return e;
}

EventRec EventRec::FromRta(const RecordView& r)
{
    using namespace RtaEventFields;
    EventRec e;
    e.m_start = r.U32(kStartTime);
    e.m_duration = r.F32(kDuration);
    e.m_preTrigger = r.I16(kPreTrigger);
    e.m_record = r.U32(kRecordNumber);
    e.m_triggered = r.I16(kTriggered);
    e.m_leq = r.F32(kLeq);
    r.Floats(kLeqBands, e.m_spectra[0], 33);
    e.m_max = r.F32(kMax);
    r.Floats(kMaxBands, e.m_spectra[1], 33);
    e.m_min = r.F32(kMin);
    r.Floats(kMinBands, e.m_spectra[2], 33);
    e.m_averagedEvents = r.U32(kAveragedEvents) + 1;
    if (e.m_averagedEvents > 0 && e.m_triggered > 0)
        e.m_timeStep = e.m_duration / (static_cast<float>(e.m_averagedEvents) * e.m_triggered);
    return e;
}

void EventRec::SetDecayData(std::vector<std::vector<float>> histories, std::vector<DecayPeak> peaks)
{
    peaks.resize(histories.size());
    m_decays = std::move(histories);
    m_peaks = std::move(peaks);
    if (m_rt60)
        m_rt60->current = false;
}

float EventRec::GetDecayLevel(int band, int sample) const
{
    if (band < 0 || band >= GetBandCount() || sample < 0)
        return 0;
    const std::vector<float>& history = m_decays[static_cast<size_t>(band)];
    return static_cast<size_t>(sample) < history.size() ? history[static_cast<size_t>(sample)] : 0;
}

EventRec::DecayPeak EventRec::GetDecayPeak(int band) const
{
    return band >= 0 && band < GetBandCount() ? m_peaks[static_cast<size_t>(band)] : DecayPeak{};
}

const std::string& EventRec::GetRt60Text(int band) const
{
    static const std::string kEmpty;
    return (m_rt60 && band >= 0 && band < 33) ? m_rt60->text[band] : kEmpty;
}

std::string EventRec::MakeRt60Text(int band, float dbDown) const
{
    return band >= 0 && band < GetBandCount() && band < 33 ? Rt60OfBand(static_cast<size_t>(band), dbDown)
                                                           : std::string();
}

void EventRec::ComputeRt60Texts(float dbDown, int firstBand, int lastBand)
{
    if (!m_rt60)
        m_rt60 = std::make_unique<Rt60Texts>();
    Rt60Texts& kept = *m_rt60;
    if (kept.current && kept.dbDown == dbDown && kept.firstBand == firstBand && kept.lastBand == lastBand)
        return;
    for (int b = firstBand < 0 ? 0 : firstBand; b <= lastBand && b < GetBandCount() && b < 33; ++b)
        kept.text[b] = Rt60OfBand(static_cast<size_t>(b), dbDown);
    kept.dbDown = dbDown;
    kept.firstBand = firstBand;
    kept.lastBand = lastBand;
    kept.current = true;
}

std::string EventRec::Rt60OfBand(size_t band, float dbDown) const
{
    const std::vector<float>& level = m_decays[band];
    // The decay runs over both sample counts, as far as the history holds.
    long n = static_cast<long>(m_preTrigger) + m_triggered;
    if (n > static_cast<long>(level.size()))
        n = static_cast<long>(level.size());
    long p = m_peaks[band].index;
    const double dt = m_timeStep;
    if (p < 0 || p >= n || !(dt > 0) || !std::isfinite(dt))
        return kNoRt60;

    // From the peak on: samples within 5 dB of the peak restart the decay;
    // later ones extend it while they stay within dbDown of its start.
    const float peak = level[static_cast<size_t>(p)];
    long start = p, end = p;
    for (long i = p; i < n; ++i) {
        if (level[i] + 5.0f > peak) {
            start = end = i;
        } else if (!(level[i] + dbDown <= level[start])) {
            end = i;
        }
    }
    // Take the first sample past the dB-down point as well.
    const float limit = level[start] - dbDown;
    if (end <= n - 2 && level[end + 1] > 0.0f && level[end] > limit && level[end + 1] <= limit)
        ++end;
    if (level[start] - level[end] > 99.0f)
        return kNoRt60;

    // Least-squares line through the decay, level against time.
    const long count = end - start + 1;
    if (count < 2)
        return kNoRt60;
    const double x0 = (start + 1 - m_preTrigger) * dt;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (long k = 0; k < count; ++k) {
        double x = x0 + k * dt;
        double y = level[start + k];
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double denominator = count * sxx - sx * sx;
    if (denominator == 0)
        return kNoRt60;
    const double slope = (count * sxy - sx * sy) / denominator;
    if (slope == 0 || !std::isfinite(slope))
        return kNoRt60;
    const float rt60 = static_cast<float>(-60.0 / slope);
    if (!std::isfinite(rt60) || rt60 < 0 || rt60 >= 12.0f)
        return kNoRt60;
    char text[32];
    std::snprintf(text, sizeof text, "%7.2f", rt60);
    return text;
}
