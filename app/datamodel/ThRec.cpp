#include "ThRec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "RSRec.h"
#include "StreamedRecordFields.h"

namespace {
// Detector bit 1 << k to entry k; -1 for a value that is not one bit.
int EntryOfBit(int bit)
{
    for (int k = 0; k < 8; ++k)
        if (bit == (1 << k))
            return k;
    return -1;
}

// True when every byte of [from, to) is zero (or past the record's end);
// -0.0 is kept, as it is not all zero bits.
bool AllZero(const RecordView& r, size_t from, size_t to)
{
    static const uint8_t kZeros[TimeHistoryFields::kSpectraEnd] = {};
    const size_t end = std::min(to, r.Size());
    return end <= from || std::memcmp(r.Data() + from, kZeros, end - from) == 0;
}
}  // namespace

ThRec ThRec::FromTimeHistory(const RecordView& r)
{
    namespace F = TimeHistoryFields;
    ThRec t;
    t.m_site = r.U16(F::kSite);
    t.m_time = r.U32(F::kTime);
    float first = r.F32(F::kFirst);
    if (first >= 0) {
        t.m_first = first;
        t.m_second = r.F32(F::kSecond);
    } else {
        // A run/stop entry: the state and cause codes travel as words.
        t.m_first = -static_cast<float>(r.I16(F::kState));
        t.m_second = r.I16(F::kCause);
    }
    t.m_record = r.U32(F::kRecordNumber);
    if (AllZero(r, F::kSet1, F::kSpectraEnd))
        return t;
    t.m_values = std::make_unique<float[]>(kValues);
    float* v = t.m_values.get();
    for (size_t w = 0; w < 3; ++w) {
        r.Floats(F::kSet1 + F::kSetStride * w, v + kSet1 + 8 * w, 8);
        r.Floats(F::kSet2 + F::kSetStride * w, v + kSet2 + 8 * w, 8);
    }
    // The instrument's mask bits put the Leq spectrum first.
    r.Floats(F::kLeqBands, v + kLeqBands, kBands);
    r.Floats(F::kLiveBands, v + kLive, kBands);
    return t;
}

ThRec ThRec::FromSpectrum(const RecordView& r)
{
    namespace F = SpectrumThFields;
    ThRec t;
    t.m_site = r.U16(F::kSite);
    t.m_timeOffset = r.F32(F::kTimeOffset);
    t.m_first = r.F32(F::kFirst);
    t.m_flag = r.U8(F::kFlag);
    t.m_record = r.U32(F::kRecordNumber);
    if (AllZero(r, F::kBands, F::kBands + 4 * kBands))
        return t;
    t.m_values = std::make_unique<float[]>(kBands);
    t.m_carries |= kSpectrumOnly;
    r.Floats(F::kBands, t.m_values.get(), kBands);
    return t;
}

ThRec ThRec::FromStream(uint32_t time, uint32_t recordNumber, uint16_t site, float first, float second,
                        bool hasSecondLevel)
{
    ThRec t;
    t.m_time = time;
    t.m_record = recordNumber;
    t.m_site = site;
    t.m_first = first;
    t.m_second = second;
    t.m_carries = hasSecondLevel ? kSecondLevel : 0;
    return t;
}

float ThRec::Band(size_t spectrum, int band) const
{
    return (m_values && band >= 0 && band < static_cast<int>(kBands)) ? m_values[spectrum + static_cast<size_t>(band)]
                                                                      : 0.0f;
}

bool ThRec::IsLevelSample() const
{
    return std::trunc(m_first) >= 1;
}

const std::string& ThRec::GetStateText(std::string& out) const
{
    static const char* const kStates[] = {"Stop", "Pause", "Mark", "Stop", "Run", "Cont", "Reset", "Run"};
    int code = m_first < 1 ? -IntOrZero(m_first) : -1;
    out = (code >= 0 && code <= 7) ? kStates[code] : "";
    return out;
}

const std::string& ThRec::GetCauseText(std::string& out) const
{
    out = std::trunc(m_first) < 1 ? RunStopCauseText(GetCauseCode()) : "";
    return out;
}

const float* ThRec::Set(size_t set, char letter) const
{
    static const float kNone[8] = {};
    size_t weighting = 0;
    switch (letter) {
    case 'A': weighting = 0; break;
    case 'C': weighting = 1; break;
    case 'F': weighting = 2; break;
    default: return nullptr;
    }
    if (!m_values || (m_carries & kSpectrumOnly) != 0)
        return kNone;
    return m_values.get() + set + 8 * weighting;
}

float ThRec::GetDetectorLevel(int bit, char letter) const
{
    const float* values = Set(kSet1, letter);
    int entry = EntryOfBit(bit);
    return (values && entry >= 0) ? values[entry] : -1.0f;
}

float ThRec::GetDetectorLevel2(int bit, char letter) const
{
    const float* values = Set(kSet2, letter);
    int entry = EntryOfBit(bit);
    return (values && entry >= 5) ? values[entry] : -1.0f;
}

float ThRec::GetAuxA(int bit) const
{
    int entry = EntryOfBit(bit);
    return (entry >= 0 && entry <= 2) ? Set(kSet2, 'A')[entry] : -1.0f;
}

float ThRec::GetAuxC(int bit) const
{
    int entry = EntryOfBit(bit);
    return (entry >= 0 && entry <= 2) ? Set(kSet2, 'C')[entry] : -1.0f;
}

float ThRec::GetAuxF(int bit) const
{
    return bit == 4 ? Set(kSet2, 'F')[2] : -1.0f;
}
