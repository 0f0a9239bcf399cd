// The run/stop log on screen and on paper.
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

OutputRecordBuilder RunStop(int kind, uint32_t record, int state, int cause, int sequence = 7)
{
    return OutputRecordBuilder(kind)
        .U32(RunStopFields::kTime, 86400 + record)
        .I16(RunStopFields::kCause, cause)
        .U32(RunStopFields::kThRecordNumber, 40 + record)
        .I16(RunStopFields::kRunStopNumber, sequence)
        .U32(RunStopFields::kRecordNumber, record)
        .I16(RunStopFields::kState, state);
}

}  // namespace

class ReportRunStop : public ReportFixture {};

TEST_F(ReportRunStop, EntriesWithMarksCausesAndMarkerNames)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53))
        .Add(OutputRecordBuilder(7).Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * 1, "Truck"))
        .Add(RunStop(4, 1, 64, 0, -2))
        .Add(RunStop(4, 2, 32, 0))
        .Add(RunStop(4, 3, 32, 12))
        .Add(RunStop(4, 4, 0, 10))
        .Add(RunStop(4, 5, 99, 17));
    Select("5 Run/Stops");
    ASSERT_EQ(report->GetReportType(), 6);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 36), "J57 Sound Level Meter Run / Stop Log");
    EXPECT_EQ(lines[14], "Rec # | Date | Time | R/S Num | Type | Cause | Time Hist Num");
    EXPECT_EQ(lines[15], "1 | 02-Jan-1970 | 00:00:01 | -2 | Run | Key | 41");
    EXPECT_EQ(lines[16], "2 | 02-Jan-1970 | 00:00:02 | Mark0 | Key | 42");
    EXPECT_EQ(lines[17], "3 | 02-Jan-1970 | 00:00:03 | Mark2 | Truck | 43");
    EXPECT_EQ(lines[18], "4 | 02-Jan-1970 | 00:00:04 | 7 | Stop | Wind | 44");
    EXPECT_EQ(lines[19], "5 | 02-Jan-1970 | 00:00:05 | 7 |  |  | 45");
}

TEST_F(ReportRunStop, FftLogHasNoTimeHistoryColumn)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(63)).Add(RunStop(64, 1, 64, 1));
    Select("1 FFT Run/Stops");
    ASSERT_EQ(report->GetReportType(), 26);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 20), "J57 FFT Run/Stop Log");
    EXPECT_EQ(lines[14], "Rec # | Date | Time | R/S Num | Type | Cause");
    EXPECT_EQ(lines[15], "1 | 02-Jan-1970 | 00:00:01 | 7 | Run | Timer");
}

TEST_F(ReportRunStop, PagesRepeatTheTitleAndHeadingsAndPrintEveryEntryOnce)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(53));
    for (uint32_t i = 0; i < 100; ++i)
        translation.Add(RunStop(4, i, 64, 1));
    Select("100 Run/Stops");
    RecordingDC dc(true, QRect(0, 0, 1000, 800));
    const int pages = report->OnBeginPrinting(dc);
    ASSERT_EQ(report->LinesPerPage(), 75);  // (800 - 4 x 10) / 10 - 1
    // Page 1 holds 60 entries (page lines 14 to 73), further pages 70.
    EXPECT_EQ(pages, 2);

    std::vector<std::string> rows;
    for (int page = 1; page <= pages; ++page) {
        RecordingDC paper(true, QRect(0, 0, 1000, 800));
        report->OnBeginPrinting(paper);
        report->OnPrint(paper, page, QRect(0, 0, 1000, 800));
        auto pageLine = [&](int m) { return paper.At((m + 2) * 10); };
        EXPECT_EQ(paper.Selected(), ReportFont::Screen) << "the drawers put the font back";
        if (page == 1) {
            EXPECT_EQ(pageLine(0).substr(0, 32), "Sound Level Meter Run / Stop Log");
            EXPECT_NE(pageLine(0).find("Page 1"), std::string::npos);
            EXPECT_EQ(pageLine(2).substr(0, 16), "File Translated:");
            EXPECT_EQ(pageLine(13).substr(0, 5), "Rec #");
            EXPECT_EQ(pageLine(74), "") << "the page's last line stays empty";
            for (int m = 14; m < 74; ++m)
                rows.push_back(pageLine(m));
        } else {
            EXPECT_NE(pageLine(0).find("Page 2"), std::string::npos);
            EXPECT_EQ(pageLine(2), "");
            EXPECT_EQ(pageLine(3).substr(0, 5), "Rec #");
            for (int m = 4; m < 74 && !pageLine(m).empty(); ++m)
                rows.push_back(pageLine(m));
        }
    }
    ASSERT_EQ(rows.size(), 100u);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].substr(0, rows[i].find(' ')), std::to_string(i));
}
