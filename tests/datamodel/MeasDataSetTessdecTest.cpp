// The loader through the real translation library, on generated download
// files.
#include <gtest/gtest.h>

#include <functional>

#include "MeasDataSet.h"
#include "RecordTestSupport.h"
#include "tessdec/J57Fixture.h"

namespace {
struct Wanted {
    int reportType;
    const char* what;
    std::function<int(const RecordManagers&)> count;
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
        {8, "time history", [](const RecordManagers& r) { return r.timeHistory.GetCount(); }},
        {9, "histogram bins", [](const RecordManagers& r) { return r.splHistogram.GetSize() / 1280; }},
    };
    for (const auto& c : cases) {
        MeasDataSet set;
        float version = 0;
        int reportType = c.reportType;
        int lines = 20;
        EXPECT_EQ(set.LoadFile(path, &version, &reportType, 0, &lines), -318) << c.what;
        EXPECT_TRUE(set.IsLoaded());
        EXPECT_EQ(c.count(set.Records()), 1) << c.what;
        EXPECT_EQ(reportType, c.reportType);
        EXPECT_EQ(set.GetModel(), 57);
        EXPECT_NEAR(version, 3.116f, 0.0005f);
        ASSERT_NE(set.GetFileHeaderBlock(), nullptr);
        EXPECT_STREQ(reinterpret_cast<const char*>(set.GetFileHeaderBlock()) + 253, "Site north gate");
        // Only what the report needs is built.
        const RecordManagers& r = set.Records();
        EXPECT_EQ(r.intervals.GetCount() + r.runStops.GetCount() + r.calibrations.GetCount() + r.days.GetCount() +
                      r.events.GetCount() + r.timeHistory.GetCount() + r.splHistogram.GetSize() / 1280,
                  1)
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
