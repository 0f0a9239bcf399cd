// The blocks the loader keeps whole, the setup type and the settings reports,
// through the real translation library, and the data reports of the TAL and
// RTA modes and of a J46 file.
#include <gtest/gtest.h>

#include "MeasDataSet.h"
#include "RecordTestSupport.h"
#include "tessdec/J57Fixture.h"

namespace {

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;

// The measurement settings record: the mode's index at byte 39 chooses
// which settings follow.
BodyBuilder SettingsBody(unsigned modeIndex)
{
    return BodyBuilder().Text("MODE", 39).U8(modeIndex).PadTo(400);
}

DownloadFileBuilder J57File(const std::string& modeLine, const std::vector<unsigned>& settingsModes)
{
    fixtures::HeaderSpec h;
    h.modeLine = modeLine;
    DownloadFileBuilder f;
    f.AtLines("Site north gate", "Note one", "Note two").Header(h);
    f.Q(5, "Quarry").Q(157, "12");
    for (unsigned mode : settingsModes)
        f.Record('M', SettingsBody(mode));
    f.Record('S', BodyBuilder().PadTo(226));
    f.Record('C', BodyBuilder().PadTo(65));
    return f;
}

DownloadFileBuilder& EndJ57(DownloadFileBuilder& f)
{
    f.J57Trailer("09Mar2003", "14:05:30", "0.0");
    return f.End();
}

int KindOf(const uint8_t* block)
{
    return block ? static_cast<int16_t>(block[0] | block[1] << 8) : -1;
}

struct Load {
    MeasDataSet set;
    int result = 0;
    int reportType = 0;
    int lines = 0;

    Load(const std::string& path, int wanted, int expectedDataKind, int firstLines = 20)
        : reportType(wanted), lines(firstLines)
    {
        result = set.LoadFile(path, nullptr, &reportType, expectedDataKind, &lines);
    }
};

class MeasDataSetBlocks : public ::testing::Test {
protected:
    ScopedProfile profile;
    fixtures::TempFolder folder;
};

}  // namespace

TEST_F(MeasDataSetBlocks, SettingsRecordOfEachModeGivesSetupTypeAndSettingsReport)
{
    struct Case {
        const char* modeLine;
        unsigned modeIndex;
        int settingsKind;
        int setupType;
        int expectedDataKind;
        int reportType;  // after the load; 7 when the load leaves it
        int lines;       // from 20
    };
    const Case cases[] = {
        {"SSA", 0, 51, 5, 51, 13, 20},
        // The SSA summary without spectral Ln and wind lines.
        {"SSA", 0, 51, 5, 73, 7, 20 - 19 - 8},
        {"ISM", 1, 52, 6, 52, 15, 20},
        {"LOG", 2, 53, 7, 53, 3, 20 - 8},
        {"LOG", 2, 53, 7, 35, 3, 20 - 8},
        {"LOG", 2, 53, 7, 0, 7, 20},
        {"RTA", 4, 70, 10, 70, 28, 20},
        {"FFT", 5, 63, 9, 63, 25, 20},
        {"TAL", 7, 60, 8, 60, 23, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.modeLine) + " expecting data kind " + std::to_string(c.expectedDataKind));
        DownloadFileBuilder f = J57File(c.modeLine, {c.modeIndex});
        const std::string path = folder.Write("settings.slmdl", EndJ57(f).Bytes());
        Load load(path, 7, c.expectedDataKind);
        ASSERT_EQ(load.result, -318);
        EXPECT_EQ(load.set.GetSetupType(), c.setupType);
        EXPECT_EQ(load.reportType, c.reportType);
        EXPECT_EQ(load.lines, c.lines);
        EXPECT_EQ(load.set.GetModel(), 57);
        EXPECT_EQ(KindOf(load.set.GetSetupBlock()), c.settingsKind);
        EXPECT_EQ(KindOf(load.set.GetSystemBlock()), 54);
        EXPECT_EQ(KindOf(load.set.GetCalibrationBlock()), 50);
        EXPECT_EQ(KindOf(load.set.GetParameterBlock()), 7);
        EXPECT_EQ(KindOf(load.set.GetSummaryBlock()), 55);
        ASSERT_NE(load.set.GetFileHeaderBlock(), nullptr);
    }
}

TEST_F(MeasDataSetBlocks, TheLastOfTwoSettingsRecordsHolds)
{
    DownloadFileBuilder f = J57File("SSA", {2, 0});
    const std::string path = folder.Write("two.slmdl", EndJ57(f).Bytes());
    Load load(path, 7, 0);
    ASSERT_EQ(load.result, -318);
    EXPECT_EQ(load.set.GetSetupType(), 5);
    EXPECT_EQ(KindOf(load.set.GetSetupBlock()), 51);
}

TEST_F(MeasDataSetBlocks, IntervalReportOfALogFileKeepsEveryBlockButBuildsOnlyIntervals)
{
    DownloadFileBuilder f = J57File("LOG", {2});
    f = tessdec_test::Records(f);
    const std::string path = folder.Write("log.slmdl", EndJ57(f).Bytes());
    Load load(path, 7, 0);
    ASSERT_EQ(load.result, -318);
    const RecordManagers& r = load.set.Records();
    EXPECT_EQ(r.intervals.GetCount(), 1);
    EXPECT_EQ(r.runStops.GetCount() + r.calibrations.GetCount() + r.timeHistory.GetCount() + r.days.GetCount(), 0);
    // The file's own M record (from the shared records) comes last: SSA.
    EXPECT_EQ(load.set.GetSetupType(), 5);
    for (const uint8_t* block : {load.set.GetSummaryBlock(), load.set.GetSystemBlock(), load.set.GetSetupBlock(),
                                 load.set.GetCalibrationBlock(), load.set.GetParameterBlock()})
        EXPECT_NE(block, nullptr);
}

TEST_F(MeasDataSetBlocks, TalSnapshotsAndRtaSpectra)
{
    // TAL: broadband levels, spectra and counts, each a snapshot record.
    BodyBuilder stamp;
    stamp.BcdDate(9, 3, 3).BcdTime(14, 10, 0);
    BodyBuilder broadband = stamp;
    broadband.U16(0).U8(0).U8(10).U8(0).U8(9).U8(0).PadTo(83);
    BodyBuilder spectra = stamp;
    spectra.U16(0).U8(0).U8(10).U8(0).U8(9).U8(1).PadTo(6 + 7 + 132);
    BodyBuilder counts = stamp;
    counts.U16(0).U8(0).U8(10).U8(0).U8(9).U8(5).PadTo(23);
    DownloadFileBuilder tal = J57File("TAL", {7});
    tal.Record(2, broadband).Record(2, spectra).Record(2, counts);
    const std::string talPath = folder.Write("tal.slmdl", EndJ57(tal).Bytes());
    for (int wanted : {24, 27, 29}) {
        Load load(talPath, wanted, 0);
        ASSERT_EQ(load.result, -318) << wanted;
        EXPECT_EQ(load.set.Records().snapshots.GetCount(), 3) << wanted;
        EXPECT_EQ(load.set.GetSetupType(), 8);
    }
    EXPECT_EQ(Load(talPath, 7, 0).set.Records().snapshots.GetCount(), 0);

    // RTA: a run of two octave-band samples and one stored spectrum.
    BodyBuilder sample;
    sample.U8(5).U8(0).U8(0x80).U8(0).Fix88(80.5).PadTo(28);
    BodyBuilder spot = stamp;
    spot.U16(512).Text("Spot 12", 8).Fix88(77.25).PadTo(40);
    DownloadFileBuilder rta = J57File("RTA", {4});
    rta.Run(21, static_cast<unsigned>(sample.Size()), {sample.Bytes(), sample.Bytes()}).Record(2, spot);
    const std::string rtaPath = folder.Write("rta.slmdl", EndJ57(rta).Bytes());
    for (int wanted : {30, 33}) {
        Load load(rtaPath, wanted, 0);
        ASSERT_EQ(load.result, -318) << wanted;
        EXPECT_EQ(load.set.Records().timeHistory.GetCount(), 2) << wanted;
        EXPECT_EQ(load.set.Records().snapshots.GetCount(), 0) << wanted;
        EXPECT_EQ(load.set.GetSetupType(), 10);
    }
    Load snapshots(rtaPath, 29, 0);
    EXPECT_EQ(snapshots.set.Records().snapshots.GetCount(), 1);
    EXPECT_EQ(snapshots.set.Records().timeHistory.GetCount(), 0);
}

TEST_F(MeasDataSetBlocks, J46FileKeepsItsSystemAndCalibrationBlocksAndShowsAsAnotherModel)
{
    fixtures::HeaderSpec h;
    h.model = 46;
    h.modeLine = "OBA ";
    DownloadFileBuilder f;
    f.Header(h);
    f.Record('M', BodyBuilder().Text("MODE", 39).U8(0).PadTo(400));
    f.Record('S', BodyBuilder().PadTo(226));
    f.Record('C', BodyBuilder().PadTo(200));
    f.Record(5, tessdec_test::SmallBody(40));
    const std::string path = folder.Write("j46.slmdl", f.R(6, "09Mar2003 14:05:30").End().Bytes());
    Load load(path, 14, 0);
    ASSERT_EQ(load.result, -318);
    EXPECT_EQ(load.set.GetModel(), 46);
    EXPECT_EQ(load.set.Records().calibrations.GetCount(), 1);
    EXPECT_EQ(KindOf(load.set.GetSystemBlock()), 36);
    EXPECT_EQ(KindOf(load.set.GetCalibrationBlock()), 30);
    // The J46's own settings kinds are not mode setups of this program.
    EXPECT_EQ(load.set.GetSetupBlock(), nullptr);
    EXPECT_EQ(load.set.GetSetupType(), 0);
    EXPECT_EQ(load.reportType, 34);
    EXPECT_EQ(load.lines, 10);
}
