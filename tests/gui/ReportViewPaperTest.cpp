// Paper against screen: every report prints each of its screen lines once,
// on pages of any height, without drawing below a page or leaving a page
// empty, and printing leaves the screen as it was.
#include <functional>
#include <set>

#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

// A report of one type with data: the records, the tree item, the first
// screen line of its body and the screen lines that pages may repeat as
// headings.
struct PaperCase {
  const char *name;
  std::function<void(ScriptedTranslation &)> records;
  const char *item;
  int bodyFrom;
  std::vector<int> repeated;
};

OutputRecordBuilder LogSetup(int flags70, int intervalFlags) {
  return OutputRecordBuilder(53)
      .U16(LogSetupFields::kOptionFlags, flags70)
      .U16(LogSetupFields::kIntervalFlags, intervalFlags)
      .I16(LogSetupFields::kIntervalExchangeRate, 1)
      .I16(LogSetupFields::kIntervalThreshold, 70)
      .Text(LogSetupFields::kIntervalPeriod, "01:00:00")
      .U16(LogSetupFields::kFreqWeighting, 0)
      .U16(LogSetupFields::kPeak1Weighting, 1)
      .F32(LogSetupFields::kWindScale, 2.0f)
      .Text(LogSetupFields::kWindUnits, "m/s")
      .Floats(LogSetupFields::kLnPercentiles, {10, 50, 90, 95, 99, 1});
}

// A logging interval with its Ln levels, wind values and Ln-table bins.
OutputRecordBuilder Interval(uint32_t n) {
  return OutputRecordBuilder(2)
      .U32(LogIntervalFields::kTime, 60 * n)
      .F32(LogIntervalFields::kDuration, 60.0f)
      .F32(LogIntervalFields::kLeq, 60.0f + n)
      .U32(LogIntervalFields::kRecordNumber, n)
      .I16(LogIntervalFields::kPeak1Exceedances, 3)
      .F32(LogIntervalFields::kWindAverage, 1.5f)
      .F32(LogIntervalFields::kWindMax, 4.0f)
      .Floats(LogIntervalFields::kLnLevels, {70, 60, 50, 40, 30, 20})
      .U8(LogIntervalFields::kHistogram, 1)
      .BeCount(LogIntervalFields::kHistogram + 1 + 3 * 30, 3, 64 + n);
}

OutputRecordBuilder ThSample(uint32_t n) {
  return OutputRecordBuilder(57)
      .U32(TimeHistoryFields::kTime, 3600 + n)
      .F32(TimeHistoryFields::kFirst, 40.0f + 0.25f * n)
      .U32(TimeHistoryFields::kRecordNumber, n);
}

void Add(ScriptedTranslation &t, int count,
         const std::function<OutputRecordBuilder(uint32_t)> &record) {
  for (int i = 1; i <= count; ++i)
    t.Add(record(static_cast<uint32_t>(i)));
}

// Every report line of a printed page by page line, the page's lowest drawn
// y and whether anything stands below its title line.
struct Page {
  std::vector<std::string> lines;
  int bottom = 0;
  bool holdsMore = false;
};

bool IsTitleBlockLine(const std::string &text) {
  for (const char *label :
       {"File Translated:", "Model/Serial Number:", "Firmware/Software Revs:",
        "Name: ", "Descr1:", "Descr2:", "Setup/Setup Descr:", "Location:",
        "Note1:", "Note2:"})
    if (text.rfind(label, 0) == 0)
      return true;
  return false;
}

const PaperCase kCases[] = {
    {"run/stops",
     [](ScriptedTranslation &t) {
       Add(t, 90, [](uint32_t n) {
         return OutputRecordBuilder(4)
             .U32(RunStopFields::kTime, 1000 + n)
             .I16(RunStopFields::kCause, 1)
             .U32(RunStopFields::kRecordNumber, n);
       });
     },
     "90 Run/Stops",
     14,
     {14}},
    {"intervals with Ln levels, wind and Ln table",
     [](ScriptedTranslation &t) {
       t.Add(LogSetup(0x40, 0x60));
       Add(t, 9, Interval);
     },
     "9 Intervals",
     14,
     {14}},
    {"intervals with an Ln table but no Ln levels",
     [](ScriptedTranslation &t) {
       t.Add(LogSetup(0, 0x20));
       Add(t, 9, Interval);
     },
     "9 Intervals",
     14,
     {14}},
    {"time history",
     [](ScriptedTranslation &t) { Add(t, 130, ThSample); },
     "130 .Time Hist Samples",
     13,
     {13, 14}},
    {"calibration checks",
     [](ScriptedTranslation &t) {
       Add(t, 70, [](uint32_t n) {
         return OutputRecordBuilder(5)
             .U32(CalRecordFields::kTime, 60 * n)
             .F32(CalRecordFields::kLevel, 94.0f)
             .U32(CalRecordFields::kRecordNumber, n);
       });
     },
     "70 Calibrations",
     14,
     {14}},
    {"days",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kFreqWeighting, 0)
                 .U16(LogSetupFields::kPeak1Weighting, 2)
                 .F32(LogSetupFields::kWindScale, 0.5f)
                 .Text(LogSetupFields::kWindUnits, "kn"));
       Add(t, 12, [](uint32_t n) {
         return OutputRecordBuilder(3)
             .U32(DailyFields::kStartTime, 86400 * n)
             .F32(DailyFields::kLeq, 50.0f + n)
             .U16(DailyFields::kFlags, 0x08)
             .U32(DailyFields::kRecordNumber, n);
       });
     },
     "12 Days",
     14,
     {14}},
    {"histograms",
     [](ScriptedTranslation &t) {
       OutputRecordBuilder hist(9);
       hist.F32(HistogramRecordFields::kBaseLevel, 20.0f);
       for (size_t bin = 250; bin < 750; bin += 10)
         hist.BeCount(HistogramRecordFields::kSplBins + 4 * bin, 4,
                      static_cast<uint32_t>(bin));
       t.Add(hist);
     },
     "1 Histograms",
     14,
     {14, 15}},
    {"LOG summary",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kOptionFlags, 0x40)
                 .U16(LogSetupFields::kIntervalFlags, 0x80)
                 .F32(LogSetupFields::kWindScale, 0.5f)
                 .Text(LogSetupFields::kWindUnits, "m/s"));
       t.Add(OutputRecordBuilder(55)
                 .U32(kOverallSet.start, 43200)
                 .F32(kOverallSet.elapsed, 3725.0f)
                 .Text(kOverallSet.averageLabel, "Leq")
                 .Text(kCurrentSet.averageLabel, "Lavg")
                 .Floats(kOverallSet.average, {85.3f, 90.0f, 95.0f})
                 .Floats(kCurrentSet.average, {80.1f, 81.0f, 70.0f})
                 .U32(SummaryFields::kMemorySize, 1048576)
                 .U32(SummaryFields::kFreeMemory, 262144)
                 .Text(SummaryFields::kBattery, "Full"));
     },
     "1 .Summary",
     14,
     {}},
    {"ZU-Reru summary",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(60)
                 .U16(TalSetupFields::kLnEnableFlags, 0x40)
                 .U16(TalSetupFields::kHistoryFlags, 0x0A)
                 .I16(TalSetupFields::kLnStartLevel, 25));
       t.Add(OutputRecordBuilder(55)
                 .U32(kOverallSet.start, 43200)
                 .U32(SummaryFields::kOverallEnd, 50400)
                 .Floats(kCurrentSet.average, {55.3f, 60.0f, 65.0f})
                 .Text(kCurrentSet.averageLabel, "LAeq")
                 .FloatRamp(SummaryFields::kLeqThirds, 33, 30.0f, 1.0f)
                 .U32(SummaryFields::kToneFrequency, 1000)
                 .F32(SummaryFields::kToneLevel, 70.0f));
     },
     "1 .Summary",
     14,
     {}},
    {"RTA summary of third octaves",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(70).U8(RtaSetupFields::kBandwidthFlags, 0x80));
       t.Add(OutputRecordBuilder(55)
                 .U32(kOverallSet.start, 43200)
                 .FloatRamp(SummaryFields::kLeqThirds, 36, 50.0f, 0.5f)
                 .F32(SummaryFields::kSpatialCount, 3.0f));
     },
     "1 .Summary",
     14,
     {}},
    {"SLM & RTA summary",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(51)
                 .U8(SsaSetupFields::kModeFlags, 0x08)
                 .U16(SsaSetupFields::kOptionFlags, 0x40)
                 .I16(SsaSetupFields::kSpectralLn, 1)
                 .F32(SsaSetupFields::kWindScale, 0.5f)
                 .Text(SsaSetupFields::kWindUnits, "mph"));
       t.Add(OutputRecordBuilder(55)
                 .U32(kCurrentSet.start, 3600)
                 .Text(kOverallSet.averageLabel, "Leq")
                 .Text(kCurrentSet.averageLabel, "Lavg")
                 .FloatRamp(SummaryFields::kLeqThirds, 33, 40, 1)
                 .Floats(SummaryFields::kLnPercentiles, {1, 10, 50, 90, 95, 99})
                 .Floats(SummaryFields::kSpectralLnPercentiles,
                         {1, 10, 50, 90, 95, 99}));
     },
     "1 SSA Summary",
     14,
     {}},
    {"FFT summary",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(63).I16(FftSetupFields::kBandwidthIndex, 1));
       t.Add(OutputRecordBuilder(55)
                 .U32(kCurrentSet.start, 3600)
                 .U32(SummaryFields::kFftEndTime, 7200)
                 .FloatRamp(SummaryFields::kFftSpectrum, 401, 0.0f, 1.0f));
     },
     "1 FFT Summary",
     14,
     {23}},
    {"FFT snapshots",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(63).I16(FftSetupFields::kBandwidthIndex, 2));
       Add(t, 2, [](uint32_t n) {
         return OutputRecordBuilder(69)
             .U32(SnapshotFields::kRecordNumber, n)
             .U32(SnapshotFields::kTime, 7200)
             .FloatRamp(FftSnapshotFields::kSpectrum, 401, 10.0f * n, 0.5f);
       });
     },
     "2 FFT Snapshots",
     14,
     {}},
    {"octave band intervals",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(33).U16(ObaSetupFields::kBandwidth, 4));
       Add(t, 9, [](uint32_t n) {
         return OutputRecordBuilder(31)
             .U32(ObaIntervalFields::kTime, 900 * n)
             .F32(ObaIntervalFields::kDuration, 900.0f)
             .U16(ObaIntervalFields::kBandwidth, n % 2)
             .U32(ObaIntervalFields::kRecordNumber, n)
             .FloatRamp(ObaIntervalFields::kBands, 30, 40.0f + n, 0.5f);
       });
     },
     "9 OBA Intvs",
     17,
     {17}},
    {"SLM/RTA intervals",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(51).I16(SsaSetupFields::kSpectralLn, 2));
       Add(t, 12, [](uint32_t n) {
         return OutputRecordBuilder(56)
             .U32(SsaIntervalFields::kStartTime, 60 * n)
             .U32(SsaIntervalFields::kRecordNumber, n);
       });
     },
     "12 SSA Intvs",
     14,
     {14}},
    {"ZU-Reru snapshots",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(60));
       Add(t, 7, [](uint32_t n) {
         return OutputRecordBuilder(n % 2 ? 66 : 67)
             .U32(SnapshotFields::kRecordNumber, n)
             .U32(SnapshotFields::kTime, 7200 + n)
             .FloatRamp(TalRtaSnapshotFields::kLiveBands, 33, 30.0f + n, 1.0f);
       });
     },
     "7 TAL Snapshots",
     14,
     {}},
    {"spatially averaged history",
     [](ScriptedTranslation &t) {
       Add(t, 8, [](uint32_t n) {
         return OutputRecordBuilder(72)
             .U32(SnapshotFields::kRecordNumber, n)
             .U32(SnapshotFields::kTime, 60 * n)
             .I16(AveragedSnapshotFields::kAverageCount, 4)
             .F32(AveragedSnapshotFields::kSpl, 80.0f + n)
             .FloatRamp(AveragedSnapshotFields::kBands, 11, 40.0f + n, 1.0f);
       });
     },
     "8 Spatially Averaged Samples",
     14,
     {}},
    {"LOG settings",
     [](ScriptedTranslation &t) {
       t.Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kOptionFlags, 0x40)
                 .U16(LogSetupFields::kIntervalFlags, 0x81)
                 .Floats(LogSetupFields::kLnPercentiles,
                         {10, 50, 90, 1.5f, 99, 0.25f}));
     },
     "1 LOG Settings",
     14,
     {}},
};

class ReportPaper : public ReportFixture {
protected:
  // The pages of the report on paper of P lines a page.
  std::vector<Page> Print(int linesPerPage) {
    const int height = (linesPerPage + 5) * RecordingDC::kLineHeight;
    RecordingDC probe(true, QRect(0, 0, 1000, height));
    const int pages = report->OnBeginPrinting(probe);
    EXPECT_EQ(report->LinesPerPage(), linesPerPage);
    std::vector<Page> result;
    for (int k = 1; k <= pages; ++k) {
      RecordingDC paper(true, QRect(0, 0, 1000, height));
      report->OnBeginPrinting(paper);
      report->OnPrint(paper, k, QRect(0, 0, 1000, height));
      Page page;
      for (const auto &[y, cells] : paper.cells) {
        page.bottom = std::max(page.bottom, y + RecordingDC::kLineHeight);
        page.holdsMore = page.holdsMore || y > 3 * RecordingDC::kLineHeight;
        const std::string text = paper.At(y);
        if (text.find(Printf("Page %d", k)) == std::string::npos &&
            !IsTitleBlockLine(text))
          page.lines.push_back(text);
      }
      for (int rule : paper.rules)
        page.bottom = std::max(page.bottom, rule);
      result.push_back(page);
    }
    return result;
  }
};

} // namespace

TEST_F(ReportPaper, EveryScreenLineReachesPaperOnceOnPagesOfAnyHeight) {
  for (const PaperCase &c : kCases) {
    SCOPED_TRACE(c.name);
    translation.records.clear();
    translation.Add(SystemRecord());
    c.records(translation);
    Select(c.item);
    ASSERT_TRUE(report->HasReport());
    const std::vector<std::string> screen = ScreenLines();
    const int lineCount = report->GetLineCount();
    std::set<std::string> repeatable;
    for (int n : c.repeated)
      repeatable.insert(screen[static_cast<size_t>(n)]);

    for (int linesPerPage : {20, 57, 83}) {
      SCOPED_TRACE(Printf("%d lines a page", linesPerPage));
      const std::vector<Page> pages = Print(linesPerPage);
      std::vector<std::string> paper;
      for (size_t k = 0; k < pages.size(); ++k) {
        EXPECT_LE(pages[k].bottom,
                  (linesPerPage + 5) * RecordingDC::kLineHeight)
            << "page " << k + 1;
        EXPECT_TRUE(pages[k].holdsMore) << "page " << k + 1 << " is empty";
        paper.insert(paper.end(), pages[k].lines.begin(), pages[k].lines.end());
      }
      // The screen's body lines in their order, each once; what paper
      // holds besides them are the headings its pages repeat.
      size_t at = 0;
      for (int n = c.bodyFrom; n < lineCount; ++n) {
        const std::string &line = screen[static_cast<size_t>(n)];
        if (line.empty())
          continue;
        while (at < paper.size() && paper[at] != line) {
          EXPECT_TRUE(paper[at].empty() || repeatable.count(paper[at]))
              << "printed but not a screen line here: " << paper[at]
              << " (before screen line " << n << ")";
          ++at;
        }
        ASSERT_LT(at, paper.size())
            << "screen line " << n << " never printed: " << line;
        ++at;
      }
      for (; at < paper.size(); ++at)
        EXPECT_TRUE(paper[at].empty() || repeatable.count(paper[at]))
            << "printed twice: " << paper[at];
    }
    EXPECT_EQ(report->GetLineCount(), lineCount)
        << "printing changed the screen's line count";
    EXPECT_EQ(ScreenLines(), screen) << "printing changed the screen";
  }
}
