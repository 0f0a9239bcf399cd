#include "ThRec.h"

#include <cmath>

#include "RSRec.h"

namespace {
// Detector bit 1 << k to entry k; -1 for a value that is not one bit.
int EntryOfBit(int bit)
{
    for (int k = 0; k < 8; ++k)
        if (bit == (1 << k))
            return k;
    return -1;
}
}  // namespace

ThRec ThRec::FromTimeHistory(const RecordView& r)
{
    ThRec t;
    t.m_site = r.U16(2);
    t.m_time = r.U32(4);
    float first = r.F32(20);
    if (first >= 0) {
        t.m_first = first;
        t.m_second = r.F32(24);
    } else {
        // A run/stop entry: the state and cause codes travel as words.
        t.m_first = -static_cast<float>(r.I16(38));
        t.m_second = r.I16(36);
    }
    t.m_record = r.U32(32);
    for (size_t w = 0; w < 3; ++w) {
        r.Floats(40 + 32 * w, t.m_set1[w], 8);
        r.Floats(136 + 32 * w, t.m_set2[w], 8);
    }
    // The instrument's mask bits put the Leq spectrum first.
    r.Floats(236, t.m_leqBands, 33);
    r.Floats(368, t.m_live, 33);
    return t;
}

ThRec ThRec::FromSpectrum(const RecordView& r)
{
    ThRec t;
    t.m_site = r.U16(2);
    t.m_timeOffset = r.F32(4);
    t.m_first = r.F32(8);
    t.m_flag = r.U8(12);
    t.m_record = r.U32(16);
    r.Floats(20, t.m_live, 33);
    r.Floats(20, t.m_leqBands, 33);
    return t;
}

bool ThRec::IsLevelSample() const
{
    return std::trunc(m_first) >= 1;
}

const std::string& ThRec::GetStateText(std::string& out) const
{
    static const char* const kStates[] = {"Stop", "Pause", "Mark", "Stop", "Run", "Cont", "Reset", "Run"};
    double first = std::trunc(m_first);
    int code = first <= 0 ? static_cast<int>(-first) : -1;
    out = (code >= 0 && code <= 7) ? kStates[code] : "";
    return out;
}

const std::string& ThRec::GetCauseText(std::string& out) const
{
    out = std::trunc(m_first) < 1 ? RunStopCauseText(GetCauseCode()) : "";
    return out;
}

const float* ThRec::Set(const float (&set)[3][8], char letter) const
{
    switch (letter) {
    case 'A': return set[0];
    case 'C': return set[1];
    case 'F': return set[2];
    default: return nullptr;
    }
}

float ThRec::GetDetectorLevel(int bit, char letter) const
{
    const float* values = Set(m_set1, letter);
    int entry = EntryOfBit(bit);
    return (values && entry >= 0) ? values[entry] : -1.0f;
}

float ThRec::GetDetectorLevel2(int bit, char letter) const
{
    const float* values = Set(m_set2, letter);
    int entry = EntryOfBit(bit);
    return (values && entry >= 5) ? values[entry] : -1.0f;
}

float ThRec::GetAuxA(int bit) const
{
    int entry = EntryOfBit(bit);
    return (entry >= 0 && entry <= 2) ? m_set2[0][entry] : -1.0f;
}

float ThRec::GetAuxC(int bit) const
{
    int entry = EntryOfBit(bit);
    return (entry >= 0 && entry <= 2) ? m_set2[1][entry] : -1.0f;
}

float ThRec::GetAuxF(int bit) const
{
    return bit == 4 ? m_set2[2][2] : -1.0f;
}
