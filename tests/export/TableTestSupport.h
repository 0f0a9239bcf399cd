#pragma once
// What the record table writer tests share: expected text cells built from
// their widths, so that a line reads as its columns, and managers filled
// from built output records.
#include <memory>
#include <string>

#include "KeptRecordFields.h"
#include "OutputRecordBuilder.h"
#include "RecordView.h"
#include "ReportNumbers.h"
#include "WriterTestSupport.h"

namespace tabletest {

// The characters of a UTF-8 text, as an export file's columns count them.
inline size_t Characters(const std::string& text)
{
    size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}
// The text followed by blanks up to width characters (left-aligned cell).
inline std::string L(const std::string& text, size_t width)
{
    const size_t length = Characters(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}
// The text after blanks up to width characters (right-aligned cell).
inline std::string R(const std::string& text, size_t width)
{
    const size_t length = Characters(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}
// Quoted CSV fields, each followed by its comma.
inline std::string Csv(std::initializer_list<std::string> fields)
{
    std::string line;
    for (const std::string& field : fields)
        line += "\"" + field + "\",";
    return line;
}

// 09-Jun-2003 14:05:09 in Berlin (summer time), and the same day later.
constexpr uint32_t kJune9 = 1055160309;

// Adds a record built from an output record to a manager.
template <class Rec, class Mgr>
void AddRecord(Mgr& mgr, const testsupport::OutputRecordBuilder& record)
{
    mgr.Add(std::make_unique<Rec>(writertest::View(record)));
}

// An RTA setup record (kind 70) of the given bandwidth and linear detector
// time.
inline testsupport::OutputRecordBuilder RtaSetup(bool thirdOctave, float detectorTime = 0.125f)
{
    testsupport::OutputRecordBuilder r(70);
    r.U8(RtaSetupFields::kBandwidthFlags, thirdOctave ? 0x80 : 0).F32(RtaSetupFields::kLinearDetectorTime, detectorTime);
    return r;
}

}  // namespace tabletest
