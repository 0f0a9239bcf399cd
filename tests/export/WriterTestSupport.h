#pragma once
// What the writer tests share: a record view over a built output record,
// the export text of one writer call, and expected output as a list of lines.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "ExportStream.h"
#include "OutputRecordBuilder.h"
#include "ReportWriter.h"

namespace writertest {

inline RecordView View(const testsupport::OutputRecordBuilder& record)
{
    return RecordView(record.Bytes().data(), record.Bytes().size());
}

// The lines joined, each ended by a line feed.
inline std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The stream's text with line feeds, as the writers wrote it: the file's
// CR LF line ends turned back.
inline std::string Plain(ExportStream& out)
{
    std::string text;
    const std::string& file = out.Text();
    text.reserve(file.size());
    for (size_t i = 0; i < file.size(); ++i)
        if (!(file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n'))
            text += file[i];
    return text;
}

// What write(writer, stream) puts into a fresh export stream; with failed
// set, into a stream that is already in the failed state.
template <class Write>
std::string Written(Write write, bool failed = false)
{
    ExportStream out;
    if (failed)
        out.setstate(std::ios::failbit);
    ReportWriter writer;
    write(writer, out);
    return Plain(out);
}

// A writer of one record writes nothing in either layout, neither for an
// empty view nor on a failed stream. Writer is the member, such as
// &ReportWriter::WriteLogSettings.
template <auto Writer>
void ExpectNothingWithoutRecordOrStream(const RecordView& record)
{
    for (ExportFormat format : {kTextFormat, kCsvFormat}) {
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { (w.*Writer)(out, format, RecordView()); }), "");
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { (w.*Writer)(out, format, record); }, true), "");
    }
}

}  // namespace writertest
