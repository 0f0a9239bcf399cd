// One value, one text: levels are 8.8 fixed point, so x.25 and x.75 are
// exact ties; every report and its export round them the same way (away
// from zero).
#include "ReportText.h"
#include "ReportViewTestSupport.h"
#include "ShellTestSupport.h"

using namespace reporttest;

namespace {

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Contains(const std::vector<std::string> &lines, const std::string &text) {
  for (const std::string &line : lines)
    if (line.find(text) != std::string::npos)
      return true;
  return false;
}

struct Tie {
  float level;
  const char *levelText;
  float percentile;
  const char *percentileText;
};

const Tie kTies[] = {
    {62.25f, "62.3", 1.125f, "1.13"},
    {62.75f, "62.8", 10.875f, "10.88"},
    {114.25f, "114.3", 50.625f, "50.63"},
    {-0.25f, "-0.3", 99.375f, "99.38"},
};

} // namespace

class ReportTies : public ReportFixture {
protected:
  void SetUp() override {
    ReportFixture::SetUp();
    opener.registered = false;
    platform::SetAppShellOpener(&opener);
  }
  void TearDown() override {
    platform::SetAppShellOpener(nullptr);
    std::system(("rm -rf '" + dir + "'/*.csv").c_str());
    ReportFixture::TearDown();
  }
  // The report's CSV export.
  std::string Exported(const std::string &name) {
    const std::string path = dir + "/" + name + ".csv";
    prompter.ExpectFile(path);
    report->ExportData();
    return ReadFile(path);
  }
  shelltest::RecordingOpener opener;
};

TEST_F(ReportTies, EveryReportAndItsExportRoundATieAlike) {
  for (const Tie &t : kTies) {
    SCOPED_TRACE(t.levelText);
    const std::string level = t.levelText;
    const std::string percentile = t.percentileText;

    // Intervals: Leq, and the Ln percentiles and levels.
    translation.records.clear();
    translation.Add(SystemRecord().F32(SystemFields::kCalibratorLevel, t.level))
        .Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kIntervalFlags, 0x40)
                 .Floats(LogSetupFields::kLnPercentiles, {t.percentile, 50, 90, 0, 0, 0}))
        .Add(OutputRecordBuilder(2)
                 .U32(LogIntervalFields::kRecordNumber, 1)
                 .F32(LogIntervalFields::kLeq, t.level)
                 .Floats(LogIntervalFields::kLnLevels, {t.level, 60, 50, 0, 0, 0}));
    Select("1 Intervals");
    auto lines = ScreenLines();
    EXPECT_EQ(lines[21].substr(0, level.size() + 1), level + " ");
    EXPECT_TRUE(Contains(lines, "L" + percentile + " | "))
        << "interval Ln percentile";
    std::string csv = Exported("intervals");
    EXPECT_NE(csv.find(level), std::string::npos) << csv;
    EXPECT_NE(csv.find(percentile), std::string::npos);

    // Time history: the Leq column, on screen and exported (a negative
    // Leq marks a run/stop entry there).
    if (t.level > 0) {
      translation.records.clear();
      translation.Add(SystemRecord())
          .Add(OutputRecordBuilder(57)
                   .U32(TimeHistoryFields::kTime, 3600)
                   .F32(TimeHistoryFields::kFirst, t.level)
                   .U32(TimeHistoryFields::kRecordNumber, 1));
      Select("1 .Time Hist Samples");
      lines = ScreenLines();
      EXPECT_NE(lines[15].find(" | " + level), std::string::npos) << lines[15];
      csv = Exported("history");
      EXPECT_NE(csv.find(level), std::string::npos) << csv;
    }

    // The system settings: the calibrator level.
    translation.records.clear();
    translation.Add(SystemRecord().F32(SystemFields::kCalibratorLevel, t.level));
    Select("1 .Sys Settings");
    EXPECT_TRUE(Contains(ScreenLines(), level + " dB")) << "calibrator level";

    // ZU-Reru summary and snapshot: the same percentile and Ln level.
    translation.records.clear();
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(60).U16(TalSetupFields::kHistoryFlags, 0x0A))
        .Add(OutputRecordBuilder(55)
                 .Floats(SummaryFields::kLnPercentiles, {t.percentile, 20, 50, 80, 90, 99})
                 .Floats(SummaryFields::kLnLevels, {t.level, 52, 50, 45, 40, 35}))
        .Add(OutputRecordBuilder(66)
                 .U32(SnapshotFields::kRecordNumber, 1)
                 .Floats(TalSlmSnapshotFields::kLnPercentiles, {t.percentile, 5, 10, 50, 90, 95})
                 .Floats(TalSlmSnapshotFields::kLnLevels, {t.level, 78, 76, 74, 72, 70}));
    Select("1 .Summary");
    lines = ScreenLines();
    EXPECT_TRUE(Contains(lines, "L1 " + percentile + " | " + level + " dB"))
        << "summary";
    Select("1 TAL Snapshots");
    lines = ScreenLines();
    EXPECT_TRUE(Contains(lines, "L1 " + percentile + " | " + level + " dB"))
        << "snapshot";
  }
}
