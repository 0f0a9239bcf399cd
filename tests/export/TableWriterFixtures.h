#pragma once
// Records for the table writer tests: setup, parameter, run/stop,
// time-history and interval records filled field by field, the managers
// holding them, a profile installed for one test, and the writers' output.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ExportStream.h"
#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"
#include "WriterTestSupport.h"
#include "OutputRecordBuilder.h"
#include "Profile.h"
#include "RecordManagers.h"
#include "RecordView.h"
#include "ReportWriter.h"

namespace tablefixture {

using testsupport::OutputRecordBuilder;

// 09-Jun-2003 14:05:09 in Berlin.
constexpr uint32_t kStart = 1055160309;

inline RecordView View(const OutputRecordBuilder& b) { return RecordView(b.Bytes().data(), b.Bytes().size()); }

// The profile the writers read, for one test.
class ScopedProfile {
public:
    ScopedProfile() { platform::SetAppProfile(&profile); }
    ~ScopedProfile() { platform::SetAppProfile(nullptr); }
    ScopedProfile& Set(const char* key, int value)
    {
        profile.WriteProfileInt("Histogram Options", key, value);
        return *this;
    }
    int Get(const char* key) const { return profile.GetProfileInt("Histogram Options", key, -1); }
    platform::MemoryProfile profile;
};

// The parameter-line record (kind 7) with the names of marks 1 to 5.
inline OutputRecordBuilder Parameters(const std::vector<std::string>& markNames)
{
    OutputRecordBuilder record(7);
    for (size_t i = 0; i < markNames.size(); ++i)
        record.Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * i, markNames[i]);
    return record;
}

// A run/stop entry (kind 4).
struct RunStop {
    uint32_t record;
    uint32_t time;
    int runStop;
    int state;  // 0 stop, 16 pause, 32 mark, 64 run, 80 continue, 96 reset
    int cause;
    uint32_t thRecord;
};
inline std::unique_ptr<RSRec> RunStopRec(const RunStop& e)
{
    OutputRecordBuilder b(4);
    b.U32(RunStopFields::kTime, e.time).I16(RunStopFields::kCause, e.cause)
        .U32(RunStopFields::kThRecordNumber, e.thRecord).I16(RunStopFields::kRunStopNumber, e.runStop)
        .U32(RunStopFields::kRecordNumber, e.record).I16(RunStopFields::kState, e.state);
    return std::make_unique<RSRec>(View(b));
}

// Time-history samples (kind 57): a level sample, or a run/stop entry.
class ThSample {
public:
    ThSample(uint32_t record, uint32_t time) : m_b(57)
    {
        m_b.U32(TimeHistoryFields::kRecordNumber, record).U32(TimeHistoryFields::kTime, time);
    }
    ThSample& Levels(float leq, float other)
    {
        m_b.F32(TimeHistoryFields::kFirst, leq).F32(TimeHistoryFields::kSecond, other);
        return *this;
    }
    ThSample& RunStopEntry(int stateCode, int cause)
    {
        m_b.F32(TimeHistoryFields::kFirst, -1.0f).I16(TimeHistoryFields::kState, stateCode)
            .I16(TimeHistoryFields::kCause, cause);
        return *this;
    }
    // Detector entry k (bit 1 << k) of weighting 0 A, 1 C, 2 F; the second
    // set holds the live levels (entries 5 to 7) and the auxiliary readings.
    ThSample& Detector(int weighting, int entry, float level)
    {
        m_b.F32(TimeHistoryFields::kSet1 + TimeHistoryFields::kSetStride * static_cast<size_t>(weighting) +
                    4 * static_cast<size_t>(entry),
                level);
        return *this;
    }
    ThSample& Second(int weighting, int entry, float value)
    {
        m_b.F32(TimeHistoryFields::kSet2 + TimeHistoryFields::kSetStride * static_cast<size_t>(weighting) +
                    4 * static_cast<size_t>(entry),
                value);
        return *this;
    }
    ThSample& LeqBands(float first, float step)
    {
        m_b.FloatRamp(TimeHistoryFields::kLeqBands, 33, first, step);
        return *this;
    }
    ThSample& LeqBand(int band, float level)
    {
        m_b.F32(TimeHistoryFields::kLeqBands + 4 * static_cast<size_t>(band), level);
        return *this;
    }
    ThSample& LiveBands(float first, float step)
    {
        m_b.FloatRamp(TimeHistoryFields::kLiveBands, 33, first, step);
        return *this;
    }
    std::unique_ptr<ThRec> Rec() const { return std::make_unique<ThRec>(ThRec::FromTimeHistory(View(m_b))); }

private:
    OutputRecordBuilder m_b;
};

// The writers' output on a fresh export stream.
template <class Write>
std::string Written(Write write)
{
    ExportStream out;
    write(out);
    return writertest::Plain(out);
}

// The output with every line but the ones from first (0-based) to last
// dropped.
inline std::string Lines(const std::string& text, size_t first, size_t last)
{
    std::string out;
    size_t line = 0, begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end + 1;
        if (line >= first && line <= last)
            out += text.substr(begin, end - begin);
        ++line;
        begin = end;
    }
    return out;
}

}  // namespace tablefixture
