#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "DownloadFileBuilder.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "RecordTestSupport.h"
#include "StreamedRecordFields.h"

using testsupport::OutputRecordBuilder;

namespace {
// Plays a scripted translation: the file's identity, then one output record
// per call with its result.
class FakeTranslator : public Translator {
public:
    struct Step {
        int32_t result;
        std::vector<uint8_t> record;
    };
    uint16_t model = 57;
    float version = 3.2f;
    int32_t startResult = 0;
    std::vector<Step> steps;

    int starts = 0;
    int stops = 0;
    size_t next = 0;

    void Add(const OutputRecordBuilder& record, int32_t result = 0) { steps.push_back({result, record.Bytes()}); }

    int32_t GetBufferSize() override { return 9984; }
    int32_t ReadFileSN(const char*, void*, uint16_t* m, char* serial, float* v) override
    {
        *m = model;
        *v = version;
        std::strcpy(serial, "A1234");
        return 0;
    }
    int32_t ReadFileHeader(const char*, void*, void* block) override
    {
        std::memcpy(static_cast<char*>(block) + FileHeaderFields::kLocation, "Site", 4);
        return 0;
    }
    int32_t StartTranslate(const char*, void* work) override
    {
        ++starts;
        EXPECT_NE(work, nullptr);
        return startResult;
    }
    int32_t TranslateNextRec(void* record, void*) override
    {
        if (next >= steps.size())
            return -318;
        const Step& s = steps[next++];
        std::memcpy(record, s.record.data(), s.record.size());
        return s.result;
    }
    void StopTranslate() override { ++stops; }
};

// A LOG measurement: its setup, system, calibration and parameter records,
// two intervals, a run/stop and a calibration check, then the end.
void LogFile(FakeTranslator& t)
{
    t.Add(OutputRecordBuilder(53)
              .U16(LogSetupFields::kIntervalFlags, 0x40)
              .U16(LogSetupFields::kOptionFlags, 0x40)
              .I16(LogSetupFields::kLnStartLevel, 15));
    t.Add(OutputRecordBuilder(54).Text(SystemFields::kName, "Meter"));
    t.Add(OutputRecordBuilder(50));
    t.Add(OutputRecordBuilder(7));
    t.Add(OutputRecordBuilder(55));
    t.Add(OutputRecordBuilder(2).U32(LogIntervalFields::kRecordNumber, 1));
    t.Add(OutputRecordBuilder(2).U32(LogIntervalFields::kRecordNumber, 2));
    t.Add(OutputRecordBuilder(4));
    t.Add(OutputRecordBuilder(5));
    t.Add(OutputRecordBuilder(57).F32(TimeHistoryFields::kFirst, 50));
    t.Add(OutputRecordBuilder(15), -318);  // the library's closing summary
}

class MeasDataSetLoad : public ::testing::Test {
protected:
    ScopedProfile profile;
    fixtures::TempFolder folder;
    std::string path = folder.Write("05Feb14l.slmdl", "any bytes: the fake reads nothing");
    FakeTranslator fake;
};
}  // namespace

TEST_F(MeasDataSetLoad, BuildsOnlyWhatTheReportNeedsAndKeepsTheBlocks)
{
    LogFile(fake);
    MeasDataSet set(&fake);
    float version = 0;
    int reportType = 7;
    int lines = 20;
    EXPECT_EQ(set.LoadFile(path, &version, &reportType, 2, &lines), -318);
    EXPECT_TRUE(set.IsLoaded());
    EXPECT_FLOAT_EQ(version, 3.2f);
    EXPECT_EQ(reportType, 7);
    EXPECT_EQ(lines, 20 + 2 * 8);  // Ln lines and wind, no histogram
    const RecordManagers& r = set.Records();
    EXPECT_EQ(r.intervals.GetCount(), 2);
    EXPECT_EQ(r.runStops.GetCount() + r.calibrations.GetCount() + r.timeHistory.GetCount(), 0);
    for (const uint8_t* block : {set.GetSummaryBlock(), set.GetSystemBlock(), set.GetSetupBlock(),
                                 set.GetCalibrationBlock(), set.GetParameterBlock(), set.GetFileHeaderBlock()})
        EXPECT_NE(block, nullptr);
    EXPECT_EQ(set.SystemView().Text(38, 30), "Meter");
    EXPECT_EQ(set.FileHeaderView().Text(253, 81), "Site");
    EXPECT_EQ(set.FileHeaderView().Size(), 498u);
    EXPECT_EQ(set.GetSetupType(), 7);
    EXPECT_EQ(set.GetModel(), 57);
    EXPECT_NE(set.GetTranslationTime(), 0);
    EXPECT_EQ(fake.stops, 1);

    // A missing file leaves the loaded set as it was.
    reportType = 14;
    EXPECT_EQ(set.LoadFile(folder.Path() + "/gone.slmdl", &version, &reportType, 5, &lines), 1001);
    EXPECT_EQ(set.Records().intervals.GetCount(), 2);
    EXPECT_NE(set.GetSetupBlock(), nullptr);
    EXPECT_EQ(set.GetModel(), 57);
    EXPECT_EQ(reportType, 14);

    set.Clear();
    EXPECT_EQ(set.GetSetupBlock(), nullptr);
    EXPECT_EQ(set.Records().intervals.GetCount(), 0);
    EXPECT_EQ(set.GetSetupType(), 0) << "the mode goes with the setup record";
}

TEST_F(MeasDataSetLoad, SettingsReportsSetTheirReportType)
{
    struct Case {
        int kind;
        int expectedDataKind;
        int reportType;
        int setupType;
        int lineChange;
    };
    const Case cases[] = {
        {53, 53, 3, 7, -8},   // LOG settings without wind lines
        {53, 2, 7, 7, 0},     // another wish leaves them alone
        {51, 51, 13, 5, 0},
        {51, 73, 7, 5, -27},  // SSA summary: no spectral Ln, no wind
        {52, 52, 15, 6, 0},
        {60, 60, 23, 8, 0},
        {63, 63, 25, 9, 0},
        {70, 70, 28, 10, 0},
    };
    for (const auto& c : cases) {
        FakeTranslator t;
        t.Add(OutputRecordBuilder(c.kind));
        MeasDataSet set(&t);
        int reportType = 7;
        int lines = 100;
        EXPECT_EQ(set.LoadFile(path, nullptr, &reportType, c.expectedDataKind, &lines), -318);
        EXPECT_EQ(reportType, c.reportType) << c.kind << ' ' << c.expectedDataKind;
        EXPECT_EQ(set.GetSetupType(), c.setupType);
        EXPECT_EQ(lines, 100 + c.lineChange) << c.kind << ' ' << c.expectedDataKind;
    }
}

TEST_F(MeasDataSetLoad, OldJ57FirmwareMissingFileAndOtherModels)
{
    fake.version = 0.99f;
    LogFile(fake);
    MeasDataSet set(&fake);
    int reportType = 7, lines = 20;
    float version = 0;
    EXPECT_EQ(set.LoadFile(path, &version, &reportType, 2, &lines), 1000);
    EXPECT_FLOAT_EQ(version, 0.99f);
    EXPECT_EQ(fake.starts, 0);
    EXPECT_EQ(fake.stops, 0);
    EXPECT_EQ(set.GetFileHeaderBlock(), nullptr);
    EXPECT_EQ(set.Records().intervals.GetCount(), 0);

    EXPECT_EQ(set.LoadFile(folder.Path() + "/missing.slmdl", &version, &reportType, 2, &lines), 1001);
    EXPECT_EQ(set.LoadFile(folder.Path(), &version, &reportType, 2, &lines), 1001);

    FakeTranslator j61;
    j61.model = 61;
    j61.version = 0.5f;  // only the J57 has a firmware floor
    LogFile(j61);
    MeasDataSet other(&j61);
    EXPECT_EQ(other.LoadFile(path, &version, &reportType, 2, &lines), -318);
    EXPECT_EQ(reportType, 34);
    EXPECT_EQ(lines, 10);
    EXPECT_EQ(other.GetModel(), 61);
    EXPECT_EQ(other.Records().intervals.GetCount(), 2);
}

TEST_F(MeasDataSetLoad, FailuresStopTheTranslation)
{
    fake.Add(OutputRecordBuilder(53));
    fake.Add(OutputRecordBuilder(2));
    fake.Add(OutputRecordBuilder(2), -312);
    fake.Add(OutputRecordBuilder(2));
    MeasDataSet set(&fake);
    int reportType = 7, lines = 0;
    EXPECT_EQ(set.LoadFile(path, nullptr, &reportType, 2, &lines), -312);
    EXPECT_FALSE(set.IsLoaded());
    EXPECT_EQ(fake.stops, 1);
    EXPECT_EQ(set.Records().intervals.GetCount(), 1);  // what came before stays
    EXPECT_NE(set.GetSetupBlock(), nullptr);
    EXPECT_EQ(set.GetModel(), 0);

    FakeTranslator refusing;
    refusing.startResult = -302;
    MeasDataSet second(&refusing);
    EXPECT_EQ(second.LoadFile(path, nullptr, &reportType, 2, &lines), -302);
    EXPECT_EQ(refusing.stops, 1);
    EXPECT_EQ(second.GetModel(), 57);

    EXPECT_EQ(second.ReadSetupOnly(path, nullptr), 1002);
    EXPECT_EQ(refusing.stops, 2);
    MeasDataSet third(&fake);
    EXPECT_EQ(third.ReadSetupOnly(path, nullptr), -1);
    EXPECT_NE(third.GetFileHeaderBlock(), nullptr);
    EXPECT_EQ(third.GetSetupBlock(), nullptr);
}
