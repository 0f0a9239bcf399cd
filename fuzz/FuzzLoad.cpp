// Fuzz target: a download file loaded into a measurement data set for every
// report type, as the report view and the download's reports load it, with
// the questions the reports then ask of the records: line counts, histogram
// rows, Ln tables, and the RT60 analysis of the RTA events.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "MeasDataSet.h"
#include "Rt60Decays.h"

namespace {

// The data kind of the tree label that leads the report view to each report
// type (0 where none does).
int DataKindOf(int reportType) {
    static const int kKinds[36] = {0,  55, 54, 53, 0,  33, 4,  2,  57, 9,  17, 50, 31, 51, 5,  52, 3,  1,
                                   56, 58, 59, 61, 62, 60, 65, 63, 64, 69, 70, 72, 21, 73, 74, 22, 0,  0};
    return reportType >= 0 && reportType <= 35 ? kKinds[reportType] : 0;
}

void AskHistogram(const HistogramMgr& h) {
    float level = 0, percent = 0, seconds = 0;
    int count = 0;
    h.GetBelowLowStats(&level, &count, &percent, &seconds);
    h.GetAboveHighStats(&level, &count, &percent, &seconds);
    const int rows = h.GetTableRowCount();
    for (int row = 0; row < rows && row < 2000; ++row) h.GetRowStats(row, &level, &count, &percent, &seconds);
}

void AskRecords(RecordManagers& m, int reportType) {
    volatile int lines = 0;
    lines = m.intervals.GetReportLineCount() + m.days.GetReportLineCount() + m.ssaIntervals.GetReportLineCount() +
            m.snapshots.GetReportLineCount() + m.obaIntervals.GetReportLineCount();
    if (m.snapshots.GetCount() > 0) m.snapshots.FindRecordByLine(lines / 2);
    AskHistogram(m.splHistogram);
    AskHistogram(m.peakHistogram);
    AskHistogram(m.uwPeakHistogram);
    if (reportType == 30 || reportType == 33) {
        for (int bands : {11, 33}) {
            if (BuildRt60Decays(m.events, m.timeHistory, bands) < 0) continue;
            for (int i = 0; i < m.events.GetCount(); ++i)
                if (EventRec* e = m.events.GetAt(i)) e->ComputeRt60Texts(10.0f, 0, 32);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = fuzz::WriteInput(data, size);
    for (int reportType = 1; reportType <= 35; ++reportType) {
        MeasDataSet set;
        float version = 0;
        int type = reportType;
        int lines = 10;
        set.LoadFile(path, &version, &type, DataKindOf(reportType), &lines);
        AskRecords(set.Records(), reportType);
    }
    return 0;
}
