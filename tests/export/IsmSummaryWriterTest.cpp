// The integrating meter's summary.
#include <gtest/gtest.h>

#include "ExportStream.h"
#include "WriterTestSupport.h"
#include "ReportWriter.h"
#include "SummaryRecordFixture.h"

using namespace summaryfixture;
using testsupport::OutputRecordBuilder;

namespace {

std::vector<uint8_t> IsmSummary()
{
    OutputRecordBuilder record(55);
    SetValues current;
    current.average = {65.3f, 70.1f, 999.0f};  // no Flat average measured
    current.sel = {90.0f, 94.26f, 96.0f};
    current.peak = {110.0f, 112.5f, 115.0f};
    FillSet(record, kCurrentSet, current);
    return record.Bytes();
}

std::string Summary(ExportFormat format, const RecordView& summary)
{
    ExportStream out;
    ReportWriter().WriteIsmSummary(out, format, summary);
    return writertest::Plain(out);
}

}  // namespace

TEST(IsmSummaryWriter, TextLayout)
{
    const auto record = IsmSummary();
    EXPECT_EQ(Summary(kTextFormat, View(record)),
              "Current Any Data\n"
              "Start Time:   09-Jun-2003 14:05:09  \n"
              "Elapsed Time:           00:02:05.8  \n"
              "\n"
              "                          A Weight              C Weight                  Flat\n"
              "Leq:                      65.3 dBA              70.1 dBC              ---  dBF  \n"
              "SEL:                      90.0 dBA              94.3 dBC              96.0 dBF  \n"
              "Peak:                    110.0 dBA             112.5 dBC             115.0 dBF  \n"
              "              09-Jun-2003 14:06:09  09-Jun-2003 14:07:09  09-Jun-2003 14:08:09  \n"
              "\n"
              "Lmax (slow):              80.0 dBA              83.0 dBC              86.0 dBF  \n"
              "              09-Jun-2003 15:05:09  09-Jun-2003 15:08:09  09-Jun-2003 15:11:09  \n"
              "Lmin (slow):              40.0 dBA              43.0 dBC              46.0 dBF  \n"
              "              09-Jun-2003 16:05:09  09-Jun-2003 16:08:09  09-Jun-2003 16:11:09  \n"
              "\n"
              "Lmax (fast):              81.0 dBA              84.0 dBC              87.0 dBF  \n"
              "              09-Jun-2003 15:06:09  09-Jun-2003 15:09:09  09-Jun-2003 15:12:09  \n"
              "Lmin (fast):              41.0 dBA              44.0 dBC              47.0 dBF  \n"
              "              09-Jun-2003 16:06:09  09-Jun-2003 16:09:09  09-Jun-2003 16:12:09  \n"
              "\n"
              "Lmax (impulse):            82.0 dBA              85.0 dBC              88.0 dBF  \n"
              "              09-Jun-2003 15:07:09  09-Jun-2003 15:10:09  09-Jun-2003 15:13:09  \n"
              "Lmin (impulse):            42.0 dBA              45.0 dBC              48.0 dBF  \n"
              "              09-Jun-2003 16:07:09  09-Jun-2003 16:10:09  09-Jun-2003 16:13:09  \n");
}

TEST(IsmSummaryWriter, CsvLayout)
{
    const auto record = IsmSummary();
    ExportStream out;
    out << std::setprecision(3);
    ReportWriter().WriteIsmSummary(out, kCsvFormat, View(record));
    EXPECT_EQ(writertest::Plain(out),
              "\"Current Any Data\",\n"
              "\"Start Time:\",\"09-Jun-2003 14:05:09\",\n"
              "\"Elapsed Time:\",\"00:02:05.8\",\n"
              "\n"
              "\"\",\"A Weight\",\"C Weight\",\"Flat\",\n"
              "\"Leq:\",\"65.3 dBA\",\"70.1 dBC\",\" ---  dBF\",\n"
              "\"SEL:\",\"90.0 dBA\",\"94.3 dBC\",\"96.0 dBF\",\n"
              "\"Peak:\",\"110.0 dBA\",\"112.5 dBC\",\"115.0 dBF\",\n"
              "\"\",\"09-Jun-2003 14:06:09\",\"09-Jun-2003 14:07:09\",\"09-Jun-2003 14:08:09\",\n"
              "\n"
              "\"Lmax (slow):\",\"80.0 dBA\",\"83.0 dBC\",\"86.0 dBF\",\n"
              "\"\",\"09-Jun-2003 15:05:09\",\"09-Jun-2003 15:08:09\",\"09-Jun-2003 15:11:09\",\n"
              "\"Lmin (slow):\",\"40.0 dBA\",\"43.0 dBC\",\"46.0 dBF\",\n"
              "\"\",\"09-Jun-2003 16:05:09\",\"09-Jun-2003 16:08:09\",\"09-Jun-2003 16:11:09\",\n"
              "\n"
              "\"Lmax (fast):\",\"81.0 dBA\",\"84.0 dBC\",\"87.0 dBF\",\n"
              "\"\",\"09-Jun-2003 15:06:09\",\"09-Jun-2003 15:09:09\",\"09-Jun-2003 15:12:09\",\n"
              "\"Lmin (fast):\",\"41.0 dBA\",\"44.0 dBC\",\"47.0 dBF\",\n"
              "\"\",\"09-Jun-2003 16:06:09\",\"09-Jun-2003 16:09:09\",\"09-Jun-2003 16:12:09\",\n"
              "\n"
              "\"Lmax (impulse):\",\"82.0 dBA\",\"85.0 dBC\",\"88.0 dBF\",\n"
              "\"\",\"09-Jun-2003 15:07:09\",\"09-Jun-2003 15:10:09\",\"09-Jun-2003 15:13:09\",\n"
              "\"Lmin (impulse):\",\"42.0 dBA\",\"45.0 dBC\",\"48.0 dBF\",\n"
              "\"\",\"09-Jun-2003 16:07:09\",\"09-Jun-2003 16:10:09\",\"09-Jun-2003 16:13:09\",\n");
    EXPECT_EQ(out.precision(), 1);  // left for the next writer
}

TEST(IsmSummaryWriter, NothingForAFailedStreamOrAMissingSummary)
{
    const auto record = IsmSummary();
    ExportStream failed;
    failed.setstate(std::ios::failbit);
    ReportWriter().WriteIsmSummary(failed, kTextFormat, View(record));
    EXPECT_EQ(writertest::Plain(failed), "");
    EXPECT_EQ(Summary(kCsvFormat, RecordView()), "");
}
