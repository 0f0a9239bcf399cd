// The largest download files the format allows, translated by the library:
// their longest reports scroll to the last line, which the view paints.
#include <QScrollBar>

#include "BenchmarkFiles.h"
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

struct LargeCase {
  fixtures::BenchmarkMode mode;
  const char *item;
  int reportType;
  bool
      pastOldRange; // longer than the 32,766 pixels the view once scrolled over
};

const LargeCase kLargeCases[] = {
    {fixtures::BenchmarkMode::Log, "771 Intervals", 7, true},
    {fixtures::BenchmarkMode::Log, "100 Run/Stops", 6, false},
    {fixtures::BenchmarkMode::SsaRuns, "5000 .Time Hist Samples", 8, true},
};

// The record number of the last record of the report's kind.
uint32_t LastRecordNumber(const CDataReport &report) {
  const RecordManagers &m = report.DataSet().Records();
  switch (report.GetReportType()) {
  case 7:
    return m.intervals.GetAt(m.intervals.GetCount() - 1)->GetRecordNumber();
  case 6:
    return m.runStops.GetAt(m.runStops.GetCount() - 1)->GetRecordNumber();
  default:
    return m.timeHistory.GetAt(m.timeHistory.GetCount() - 1)->GetRecordNumber();
  }
}

} // namespace

class ReportLargeFiles : public ReportFixture {};

TEST_F(ReportLargeFiles, LongestReportsScrollToTheirLastLine) {
  CDataReport::SetTranslator(nullptr);
  report = std::make_unique<CDataReport>(&doc, nullptr);
  report->resize(600, 400);
  report->OnInitialUpdate();
  const int h = report->ScreenLineHeight();
  for (const LargeCase &c : kLargeCases) {
    SCOPED_TRACE(c.item);
    const std::string path =
        dir + "/" + fixtures::BenchmarkModeName(c.mode) + ".slmdl";
    std::ofstream(path, std::ios::binary)
        << fixtures::BuildBenchmarkFile(c.mode).bytes;
    Select(c.item, path);
    std::remove(path.c_str());
    ASSERT_EQ(report->GetReportType(), c.reportType);
    if (c.pastOldRange) {
      EXPECT_GT(report->GetLineCount(), 32766 / h)
          << "a report longer than the old scroll range";
    }

    QScrollBar *bar = report->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int top = bar->value();
    const int height = report->viewport()->height();
    ASSERT_GE(top + height, report->GetLineCount() * h)
        << "the last line is within reach";
    RecordingDC dc(false, QRect(0, top, report->viewport()->width(), height));
    report->OnDraw(dc);
    // The last record's number opens one of the last lines on screen.
    const std::string number = Printf("%u |", LastRecordNumber(*report));
    bool found = false;
    for (int n = top / h; n < report->GetLineCount(); ++n)
      found = found || dc.Line(n, h).rfind(number, 0) == 0;
    EXPECT_TRUE(found) << "record " << number;
  }
  EXPECT_TRUE(prompter.Boxes().empty());
}
