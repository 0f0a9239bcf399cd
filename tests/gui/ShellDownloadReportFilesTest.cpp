// Every report of every measurement mode in both layouts, as Export Data and
// the reports after a download write them, read back the way a spreadsheet
// and a reader take them: strict CSV, valid UTF-8, tables whose rows have
// their heading's fields and width.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "CSdiDoc.h"
#include "ExportStream.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportExportTable.h"
#include "ReportViewTestSupport.h"
#include "SummaryWriterSupport.h"

using namespace reporttest;

namespace {

// A free text with a double quote and a letter outside ASCII, as the
// instrument stores it (Windows-1252); and how an export shows it.
const std::string kFreeText = "6\" M\xFCller";
const std::string kFreeTextUtf8 = "6\" M\xC3\xBCller";
const std::string kShortText = "\"\xE9";  // for the four-character slots
// The download file's path, UTF-8 like every path.
const std::string kFileName = "/data/Pr\xC3\xBC" "fung/site.slmdl";

struct Mode {
    const char* name;
    int setupKind;
    int setupType;
};
const Mode kModes[] = {{"SSA", 51, 5}, {"ISM", 52, 6}, {"LOG", 53, 7}, {"ZU-Reru", 60, 8}, {"FFT", 63, 9},
                       {"RTA", 70, 10}};
constexpr int kLastReportType = 33;

// The records of a measurement of that mode: its kept blocks with a free
// text in every text slot, and records of every table kind.
void AddModeRecords(ScriptedTranslation& t, const Mode& mode)
{
    for (std::string& note : t.notes)
        note = "@" + kFreeText;
    t.Add(OutputRecordBuilder(54)
              .I16(SystemFields::kModel, 57)
              .Text(SystemFields::kSerial, kShortText)
              .Text(SystemFields::kName, kFreeText)
              .Text(SystemFields::kDescription1, kFreeText)
              .Text(SystemFields::kDescription2, kFreeText)
              .Text(SystemFields::kEuLabel, kShortText));
    t.Add(OutputRecordBuilder(50));
    OutputRecordBuilder setup(mode.setupKind);
    setup.Text(SetupRecordFields::kName, kShortText).Text(SetupRecordFields::kDescription, kFreeText);
    if (mode.setupKind == 53)
        setup.Text(LogSetupFields::kWindUnits, kShortText).U8(LogSetupFields::kDirectionUnits, 1);
    if (mode.setupKind == 51)
        setup.Text(SsaSetupFields::kWindUnits, kShortText).U8(SsaSetupFields::kDirectionUnits, 1);
    if (mode.setupKind == 70)
        setup.Text(RtaSetupFields::kNote, kFreeText);
    t.Add(setup);
    t.Add(OutputRecordBuilder(55)
              .Text(kCurrentSet.averageLabel, kShortText)
              .Text(kOverallSet.averageLabel, kShortText));
    OutputRecordBuilder parameters(7);
    for (size_t mark = 0; mark < 6; ++mark)
        parameters.Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * mark, kFreeText);
    t.Add(parameters);
    for (int kind : {1, 2, 3, 4, 5, 9, 17, 21, 56, 57, 66, 67, 68, 69, 72})
        for (int copy = 0; copy < 2; ++copy)
            t.Add(OutputRecordBuilder(kind).U32(4, 1055160309));
}

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 && lead >= 0xC2 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                              : (lead & 0xF8) == 0xF0 && lead <= 0xF4                  ? 4
                                                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

size_t Characters(const std::string& utf8)
{
    size_t count = 0;
    for (char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

using Record = std::vector<std::string>;

// A strict RFC 4180 reader: records end with CR LF, fields are separated by
// commas, a quoted field doubles its quotes and is followed by a comma or
// the record's end; an unquoted field holds no quote, CR or LF. Nullopt,
// with the place in error, for text that breaks the rules.
std::optional<std::vector<Record>> ReadCsv(const std::string& text, std::string* error)
{
    std::vector<Record> records;
    Record record;
    size_t i = 0;
    auto fail = [&](const char* what) {
        *error = std::string(what) + " at record " + std::to_string(records.size() + 1) + ": " +
                 text.substr(i, 60);
        return std::nullopt;
    };
    while (i < text.size()) {
        std::string field;
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= text.size())
                    return fail("unterminated quoted field");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"')
                    return fail("quote in an unquoted field");
                field += text[i++];
            }
        }
        record.push_back(field);
        if (i >= text.size()) {
            records.push_back(record);
            break;
        }
        if (text[i] == ',') {
            ++i;
            if (i >= text.size())
                records.push_back(record);
            continue;
        }
        if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n')
            return fail("a field not followed by a comma or CR LF");
        i += 2;
        records.push_back(record);
        record.clear();
    }
    return records;
}

bool IsInteger(const std::string& text)
{
    size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i >= text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

// The first blank-separated word of a text line.
std::string FirstWord(const std::string& line)
{
    const size_t begin = line.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return line.substr(begin, line.find(' ', begin) - begin);
}

// The table rows of a CSV export: every record that starts with a record
// number after a heading that starts with "Rec #" has the heading's number
// of fields. A record of another kind ends the table. An exceedance's
// profile runs as far as its samples go: its row reaches "Profile >" and
// no further than the heading.
void ExpectCsvTablesWhole(const std::vector<Record>& records, const std::string& what)
{
    std::optional<Record> heading;
    for (size_t r = 0; r < records.size(); ++r) {
        const std::string& first = records[r][0];
        if (first.rfind("Rec #", 0) == 0) {
            heading = records[r];
        } else if (heading && IsInteger(first)) {
            const auto profile = std::find(heading->begin(), heading->end(), "Profile >");
            const size_t least = profile == heading->end() ? heading->size() : profile - heading->begin() + 1;
            EXPECT_GE(records[r].size(), least) << what << ", record " << r + 1;
            EXPECT_LE(records[r].size(), heading->size()) << what << ", record " << r + 1;
        } else {
            heading.reset();
        }
    }
}

// The same for the text layout: a row has the heading line's width in
// characters.
void ExpectTextTablesAligned(const std::string& text, const std::string& what)
{
    std::optional<size_t> heading;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string word = FirstWord(lines[n]);
        if (word == "Rec")
            heading = Characters(lines[n]);
        else if (heading && IsInteger(word))
            EXPECT_EQ(Characters(lines[n]), *heading) << what << ", line " << n + 1 << ": " << lines[n];
        else
            heading.reset();
    }
}

// The text tables whose every row is a whole record line under its heading
// (intervals, calibration checks, days, SSA intervals); the logs and
// histories mix in shorter lines (run/stop entries, profiles).
bool HasWholeRecordLines(int reportType)
{
    return reportType == 7 || reportType == 14 || reportType == 16 || reportType == 18;
}

// What a spreadsheet and a reader rely on in one export file of that report
// type; 0 for a file of several reports, whose tables are checked one by
// one on their own.
void ExpectReadable(const std::string& file, ExportFormat format, const std::string& what, int reportType = 0)
{
    ASSERT_TRUE(IsValidUtf8(file)) << what;
    if (format == kTextFormat) {
        if (HasWholeRecordLines(reportType))
            ExpectTextTablesAligned(file, what);
        return;
    }
    std::string error;
    const std::optional<std::vector<Record>> records = ReadCsv(file, &error);
    ASSERT_TRUE(records) << what << ": " << error;
    // A time history mixes shorter run/stop entries into its level rows.
    const bool timeHistory = reportType == 8 || reportType == 19 || reportType == 21;
    if (reportType > 0 && !timeHistory)
        ExpectCsvTablesWhole(*records, what);
}

class ReportFiles : public ReportFixture {
protected:
    // The data set of the mode, loaded for one report type as the report
    // view and the download step load it.
    std::unique_ptr<MeasDataSet> Load(int reportType)
    {
        auto data = std::make_unique<MeasDataSet>(&translation);
        int wanted = reportType;
        int lines = 0;
        data->LoadFile(file, nullptr, &wanted, 0, &lines);
        return data;
    }
};

}  // namespace

TEST_F(ReportFiles, EveryReportOfEveryModeReadsBackInBothLayouts)
{
    for (const Mode& mode : kModes) {
        translation.records.clear();
        AddModeRecords(translation, mode);
        for (ExportFormat format : {kTextFormat, kCsvFormat}) {
            ExportStream download;
            for (int type = 1; type <= kLastReportType; ++type) {
                const ExportReportRow row = ExportReportRowOf(type, mode.setupType);
                if (!row.title)
                    continue;
                const std::string what = std::string(mode.name) + " report " + std::to_string(type) +
                                         (format == kTextFormat ? " text" : " CSV");
                for (int choice : {kIntervalSpectra, kSpectralLns}) {
                    if (choice == kSpectralLns && type != 18)
                        continue;
                    ExportStream out;
                    WriteExportReport(out, format, type, mode.setupType, *Load(type), row.title, kFileName.c_str(),
                                      choice);
                    const std::string& text = out.Text();
                    ExpectReadable(text, format, what, type);
                    // The header's texts are the instrument's, shown in
                    // UTF-8, quotes doubled in CSV; the path stays itself.
                    const std::string location =
                        format == kTextFormat ? kFreeTextUtf8 : "\"6\"\" M\xC3\xBCller\"";
                    EXPECT_NE(text.find("Location:"), std::string::npos) << what;
                    EXPECT_NE(text.find(location), std::string::npos) << what;
                    EXPECT_NE(text.find("Pr\xC3\xBC" "fung"), std::string::npos) << what;
                    // The report ends its last line.
                    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << what;
                }
                // The download step writes every chosen report into one
                // file, the header before the first only.
                if (type < 33)
                    CSdiDoc::WriteDownloadReport(download, type, mode.setupType, format, *Load(type), " ",
                                                 type == 1);
            }
            const std::string what = std::string(mode.name) + " download reports" +
                                     (format == kTextFormat ? " text" : " CSV");
            ExpectReadable(download.Text(), format, what);
        }
    }
}

TEST_F(ReportFiles, AReportAfterTheZuReruSummaryBeginsOnALineOfItsOwn)
{
    translation.records.clear();
    AddModeRecords(translation, kModes[3]);
    for (ExportFormat format : {kTextFormat, kCsvFormat}) {
        ExportStream out;
        CSdiDoc::WriteDownloadReport(out, 1, 8, format, *Load(1), " ", true);
        CSdiDoc::WriteDownloadReport(out, 22, 8, format, *Load(22), " ", false);
        const std::string& text = out.Text();
        if (format == kTextFormat) {
            EXPECT_NE(text.find(" dB\r\nJ57 ZU-Reru Run/Stop Log "), std::string::npos);
            continue;
        }
        std::string error;
        const auto records = ReadCsv(text, &error);
        ASSERT_TRUE(records) << error;
        size_t titles = 0;
        for (const Record& record : *records) {
            if (record[0] == "Lt - Lg:") {
                EXPECT_EQ(record.size(), 3u);
            }
            if (record[0] == "J57 ZU-Reru Run/Stop Log") {
                EXPECT_EQ(record, (Record{"J57 ZU-Reru Run/Stop Log", ""}));
                ++titles;
            }
        }
        EXPECT_EQ(titles, 1u);
    }
}
