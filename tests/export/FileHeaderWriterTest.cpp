// The header lines that follow the title in every export file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportStream.h"
#include "KeptRecordFields.h"
#include "Translator.h"
#include "WriterTestSupport.h"
#include "OutputRecordBuilder.h"
#include "ReportWriter.h"

using testsupport::OutputRecordBuilder;

namespace {

// The header block of a download file: the firmware line and the three "@"
// lines (location and the two notes), each "@" one byte before the field
// the writer reads.
std::vector<uint8_t> HeaderBlock(const std::string& firmware, const std::string& location, const std::string& note1,
                                 const std::string& note2)
{
    OutputRecordBuilder block(0);
    block.Text(FileHeaderFields::kFirmwareLine, firmware).Text(FileHeaderFields::kLocation - 1, "@" + location)
        .Text(FileHeaderFields::kNote1 - 1, "@" + note1).Text(FileHeaderFields::kNote2 - 1, "@" + note2);
    return {block.Bytes().begin(), block.Bytes().begin() + TranslatorCodes::kFileHeaderSize};
}

std::vector<uint8_t> SystemRecord(int model, const std::string& serial)
{
    return OutputRecordBuilder(54)
        .I16(SystemFields::kModel, model)
        .Text(SystemFields::kSerial, serial)
        .Text(SystemFields::kName, "Plant 4 meter")
        .Text(SystemFields::kDescription1, "North fence")
        .Text(SystemFields::kDescription2, "Night survey")
        .Bytes();
}

std::vector<uint8_t> SetupRecord(const std::string& name, const std::string& description)
{
    return OutputRecordBuilder(53).Text(SetupRecordFields::kName, name)
        .Text(SetupRecordFields::kDescription, description).Bytes();
}

RecordView View(const std::vector<uint8_t>& bytes) { return RecordView(bytes.data(), bytes.size()); }

std::string Header(ExportFormat format, const RecordView& header, const RecordView& system, const RecordView& setup,
                   int setupType)
{
    ExportStream out;
    ReportWriter().WriteFileHeader(out, format, "/data/site4.bin", header, system, setup, setupType);
    return writertest::Plain(out);
}

}  // namespace

TEST(FileHeaderWriter, TextLayout)
{
    const auto header = HeaderBlock("1.05 12-Mar-03", "Main gate  ", "Wind from west", "Rain after 22:00 ");
    const auto system = SystemRecord(57, "A1234");
    const auto setup = SetupRecord("NOISE1  ", "Daytime limits  ");
    EXPECT_EQ(Header(kTextFormat, View(header), View(system), View(setup), 7),
              "File Translated:  /data/site4.bin\n"
              "Model Number:     57\n"
              "Serial Number:    A1234\n"
              "Firmware Rev:     1.05\n"
              "Software Version: 3.120\n"
              "Name:             Plant 4 meter\n"
              "Descr1:           North fence\n"
              "Descr2:           Night survey\n"
              "Setup:            NOISE1.log\n"
              "Setup Descr:      Daytime limits  \n"
              "Location:         Main gate\n"
              "Note 1:           Wind from west\n"
              "Note 2:           Rain after 22:00\n"
              "\n");
}

TEST(FileHeaderWriter, CsvLayoutLeavesLeftFixedAndThreeDecimals)
{
    const auto header = HeaderBlock("1.05", "Yard", "", "");
    const auto system = SystemRecord(-3, "B7");
    const auto setup = SetupRecord("DAY", "");
    ExportStream out;
    ReportWriter().WriteFileHeader(out, kCsvFormat, "/data/site4.bin", View(header), View(system), View(setup), 99);
    EXPECT_EQ(writertest::Plain(out),
              "\"File Translated:\",\"/data/site4.bin\",\n"
              "\"Model Number:\",\"-3\",\n"
              "\"Serial Number:\",\"B7\",\n"
              "\"Firmware Rev:\",\"\",\n"  // a firmware line without a blank names no version
              "\"Software Version:\",\"3.120\",\n"
              "\"Name:\",\"Plant 4 meter\",\n"
              "\"Descr1:\",\"North fence\",\n"
              "\"Descr2:\",\"Night survey\",\n"
              "\"Setup:\",\"DAY\",\n"  // a type without an extension gives the name alone
              "\"Setup Descr:\",\"\",\n"
              "\"Location:\",\"Yard\",\n"
              "\"Note 1:\",\"\",\n"
              "\"Note 2:\",\"\",\n"
              "\n");
    EXPECT_TRUE(out.flags() & std::ios::left);
    EXPECT_TRUE(out.flags() & std::ios::fixed);
    EXPECT_EQ(out.precision(), 3);
}

TEST(FileHeaderWriter, MissingRecordsGivePlaceholders)
{
    EXPECT_EQ(Header(kTextFormat, RecordView(), RecordView(), RecordView(), 6),
              "File Translated:  /data/site4.bin\n"
              "Model Number:     0\n"
              "Serial Number:    \n"
              "Firmware Rev:     ?.???\n"
              "Software Version: 3.120\n"
              "Name:             \n"
              "Descr1:           \n"
              "Descr2:           \n"
              "Setup:            .ism\n"
              "Setup Descr:      \n"
              "Location:         \n"
              "Note 1:           \n"
              "Note 2:           \n"
              "\n");
}

TEST(FileHeaderWriter, FailedStreamGetsNothing)
{
    ExportStream out;
    out.setstate(std::ios::failbit);
    EXPECT_EQ(ReportWriter().WriteFileHeader(out, kTextFormat, "f", RecordView(), RecordView(), RecordView(), 7), 1);
    EXPECT_EQ(writertest::Plain(out), "");
}
