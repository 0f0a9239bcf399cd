// The loader through the real translation library, on generated download
// files.
#include <gtest/gtest.h>

#include <functional>

#include "BenchmarkFiles.h"
#include "MeasDataSet.h"
#include "RecordTestSupport.h"
#include "tessdec/J57Fixture.h"
#include "tessdec/TessdecTestSupport.h"

namespace {
struct Wanted {
    int reportType;
    const char* what;
    std::function<int(const RecordManagers&)> count;
    int expected = 1;
};

class MeasDataSetTessdec : public ::testing::Test {
protected:
    ScopedProfile profile;
    fixtures::TempFolder folder;
};
}  // namespace

TEST_F(MeasDataSetTessdec, J57LogFileForEachReport)
{
    const std::string path = folder.Write("log.slmdl", tessdec_test::J57AllFramings("LOG").Bytes());
    const Wanted cases[] = {
        {7, "intervals", [](const RecordManagers& r) { return r.intervals.GetCount(); }},
        {6, "run/stops", [](const RecordManagers& r) { return r.runStops.GetCount(); }},
        {14, "calibrations", [](const RecordManagers& r) { return r.calibrations.GetCount(); }},
        {16, "days", [](const RecordManagers& r) { return r.days.GetCount(); }},
        {17, "events", [](const RecordManagers& r) { return r.events.GetCount(); }},
        // Three entries of the stream (two levels and a marker) and one
        // time-history record.
        {8, "time history", [](const RecordManagers& r) { return r.timeHistory.GetCount(); }, 4},
        {9, "histogram bins", [](const RecordManagers& r) { return r.splHistogram.GetSize() / 1280; }},
    };
    for (const auto& c : cases) {
        MeasDataSet set;
        float version = 0;
        int reportType = c.reportType;
        int lines = 20;
        EXPECT_EQ(set.LoadFile(path, &version, &reportType, 0, &lines), -318) << c.what;
        EXPECT_TRUE(set.IsLoaded());
        EXPECT_EQ(c.count(set.Records()), c.expected) << c.what;
        EXPECT_EQ(reportType, c.reportType);
        EXPECT_EQ(set.GetModel(), 57);
        EXPECT_NEAR(version, 3.116f, 0.0005f);
        ASSERT_NE(set.GetFileHeaderBlock(), nullptr);
        EXPECT_STREQ(reinterpret_cast<const char*>(set.GetFileHeaderBlock()) + 253, "Site north gate");
        // Only what the report needs is built.
        const RecordManagers& r = set.Records();
        EXPECT_EQ(r.intervals.GetCount() + r.runStops.GetCount() + r.calibrations.GetCount() + r.days.GetCount() +
                      r.events.GetCount() + r.timeHistory.GetCount() + r.splHistogram.GetSize() / 1280,
                  c.expected)
            << c.what;
    }
}

TEST_F(MeasDataSetTessdec, J57SsaFileAndAnotherModel)
{
    const std::string ssa = folder.Write("ssa.slmdl", tessdec_test::J57AllFramings("SSA").Bytes());
    MeasDataSet set;
    int reportType = 18, lines = 28;
    EXPECT_EQ(set.LoadFile(ssa, nullptr, &reportType, 56, &lines), -318);
    EXPECT_EQ(set.Records().ssaIntervals.GetCount(), 1);
    EXPECT_EQ(reportType, 18);

    fixtures::HeaderSpec header;
    header.model = 61;
    fixtures::DownloadFileBuilder file;
    file.AtLines("Site", "n1", "n2").Header(header).Record(5, tessdec_test::SmallBody(40));
    file.R(1, "Morvek-Audio Model J61").R(6, " 09Mar2003 14:05:30").R(106, "0.0").End();
    const std::string j61 = folder.Write("j61.slmdl", file.Bytes());
    MeasDataSet other;
    reportType = 14;
    lines = 28;
    EXPECT_EQ(other.LoadFile(j61, nullptr, &reportType, 5, &lines), -318);
    EXPECT_EQ(other.GetModel(), 61);
    EXPECT_EQ(other.Records().calibrations.GetCount(), 1);
    EXPECT_EQ(reportType, 34);
    EXPECT_EQ(lines, 10);
}

TEST_F(MeasDataSetTessdec, TruncatedFilesLoadWithoutHarm)
{
    const std::string whole = tessdec_test::J57AllFramings("LOG").Bytes();
    for (size_t length = 0; length < whole.size(); length += 13) {
        const std::string path = folder.Write("cut.slmdl", whole.substr(0, length));
        MeasDataSet set;
        int reportType = 7, lines = 20;
        int result = set.LoadFile(path, nullptr, &reportType, 2, &lines);
        EXPECT_TRUE(result == -318 || (result <= -301 && result >= -320) || result == 1000) << length << ": " << result;
        EXPECT_LE(set.Records().intervals.GetCount(), 1);
    }
    MeasDataSet setup;
    const std::string path = folder.Write("whole.slmdl", whole);
    EXPECT_EQ(setup.ReadSetupOnly(path, nullptr), -1);
    EXPECT_EQ(setup.GetModel(), 57);
}

TEST_F(MeasDataSetTessdec, TimeHistoryStreamOfALogFile)
{
    // 100 runs of levels every second, each between a run-start and a pause
    // marker.
    const std::string path =
        folder.Write("log.slmdl", fixtures::BuildBenchmarkFile(fixtures::BenchmarkMode::Log, 60000).bytes);
    tessdec_test::Buffers b;
    std::vector<uint32_t> counts(41);
    ASSERT_EQ(CV_GetRecordCount(path.c_str(), b.work.data(), counts.data(), b.record.data()), 0);
    ASSERT_GT(counts[14], 0u);

    MeasDataSet set;
    int reportType = 8, lines = 15;
    ASSERT_EQ(set.LoadFile(path, nullptr, &reportType, 57, &lines), -318);
    const ThMgr& th = set.Records().timeHistory;
    int levels = 0;
    for (int i = 0; i < th.GetCount(); ++i)
        levels += th.GetAt(i)->IsLevelSample() ? 1 : 0;
    EXPECT_EQ(static_cast<uint32_t>(levels), counts[14]);
    EXPECT_EQ(th.GetCount(), levels + 200);  // the two markers of each run
    EXPECT_EQ(lines, 15 + th.GetCount());
    for (int i = 0; i < th.GetCount(); ++i)
        ASSERT_EQ(th.GetAt(i)->GetRecordNumber(), static_cast<uint32_t>(i + 1)) << i;

    // The first run: its start marker, then a level each second across the
    // blocks of 60; a marker takes the time of its place after the levels
    // before it, and the levels after a run-start marker go on from the next
    // run's start, two hours after the first.
    const uint32_t firstRun = TX_DateToSecs("09Mar2003", "14:05:30", 0);  // as the file's runs
    std::string text;
    const ThRec* start = th.GetAt(0);
    EXPECT_FALSE(start->IsLevelSample());
    EXPECT_EQ(start->GetStateText(text), "Run");
    EXPECT_EQ(start->GetCauseText(text), "Key");
    EXPECT_EQ(start->GetTime(), firstRun);
    int i = 1;
    for (; th.GetAt(i)->IsLevelSample(); ++i)
        ASSERT_EQ(th.GetAt(i)->GetTime(), firstRun + static_cast<uint32_t>(i - 1)) << i;
    EXPECT_GT(i, 61);
    EXPECT_NEAR(th.GetAt(1)->GetLeq(), 40.5, 0.01);
    const uint32_t runEnd = firstRun + static_cast<uint32_t>(i - 1);
    const ThRec* pause = th.GetAt(i);
    EXPECT_EQ(pause->GetStateText(text), "Pause");
    EXPECT_EQ(pause->GetTime(), runEnd);
    const ThRec* next = th.GetAt(i + 1);
    EXPECT_EQ(next->GetStateText(text), "Run");
    EXPECT_EQ(next->GetTime(), runEnd);
    EXPECT_TRUE(th.GetAt(i + 2)->IsLevelSample());
    EXPECT_EQ(th.GetAt(i + 2)->GetTime(), firstRun + 2 * 3600);
    EXPECT_EQ(th.GetAt(i + 3)->GetTime(), firstRun + 2 * 3600 + 1);
}

TEST_F(MeasDataSetTessdec, RtaEventsOfTheRtaBenchmarkFileOwnItsSpectra)
{
    // Each run's spectra are the ByTime records of events of 100 (10 before
    // the trigger), the last event of a run taking the rest; the events
    // come through the translator as the RTA events report loads them.
    const std::string path =
        folder.Write("rta.slmdl", fixtures::BuildBenchmarkFile(fixtures::BenchmarkMode::RtaRuns, 800000).bytes);
    MeasDataSet set;
    int reportType = 30, lines = 14;
    ASSERT_EQ(set.LoadFile(path, nullptr, &reportType, 21, &lines), -318);
    const EventRecMgr& events = set.Records().events;
    const ThMgr& byTime = set.Records().timeHistory;
    ASSERT_GE(events.GetCount(), 100);
    int owned = 0;
    for (int i = 0; i < events.GetCount(); ++i) {
        const EventRec& event = *events.GetAt(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(event.GetRecordNumber(), static_cast<uint32_t>(i + 1));
        const int count = event.GetPreTriggerCount() + event.GetTriggeredCount();
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 100);
        EXPECT_FLOAT_EQ(event.GetDuration(), static_cast<float>(count));
        owned += count;
    }
    EXPECT_EQ(owned, byTime.GetCount());

    const EventRec& first = *events.GetAt(0);
    EXPECT_EQ(first.GetPreTriggerCount(), 10);
    EXPECT_EQ(first.GetTriggeredCount(), 90);
    EXPECT_EQ(first.GetStartTime(), TX_DateToSecs("09Mar2003", "14:05:30", 0));
    EXPECT_FLOAT_EQ(first.GetLeq(), 85.25f);
    EXPECT_FLOAT_EQ(first.GetMax(), 90.25f);
    EXPECT_FLOAT_EQ(first.GetMinLevel(), 95.25f);
    EXPECT_FLOAT_EQ(first.GetLeqBand(0), 35.5f);
    EXPECT_FLOAT_EQ(first.GetMaxBand(32), 72.5f);
    EXPECT_FLOAT_EQ(first.GetMinBand(32), 77.5f);
}
