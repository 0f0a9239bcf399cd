#pragma once
// The builders that turn output records of the translation library into the
// records of a loaded download file. Each keeps its record only for the
// report types that need it, sets its manager's flags from the file's mode
// setup record (empty when the file has none) and adds the record's report
// lines to lineCount. They work on bytes alone, so the loader and the tests
// call them alike.
#include "HistogramMgr.h"
#include "RecordManagers.h"
#include "RecordView.h"

struct RecordManagers {
    RSMgr runStops;
    IntvMgr intervals;
    ThMgr timeHistory;
    SplHistMgr splHistogram;
    PkHistMgr peakHistogram;
    PkHistMgr uwPeakHistogram;
    SnapMgr snapshots;
    ObaIntvMgr obaIntervals;
    ObaSumMgr obaSums;
    CalRecMgr calibrations;
    DayRecMgr days;
    EventRecMgr events;
    SSAIntvRecMgr ssaIntervals;

    // Deletes every record of every manager.
    void RemoveAll();
};

namespace RecordBuilders {
// Output kinds 4, 59, 62, 64: always kept (the loader chooses them).
void AddRunStopRec(const RecordView& record, int& lineCount, RecordManagers& m);
// Output kind 2, report type 7.
void AddIntervalRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                    RecordManagers& m);
// Output kinds 66 to 69 and 72, report types 24, 27 and 29.
void AddSnapshotRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 31, report type 12.
void AddObaIntervalRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 57, report types 8, 19 and 21.
void AddTimeHistoryRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 16, report types 8, 19 and 21: one sample per entry of the
// time-history stream block, numbered on from the samples already held.
void AddTimeHistoryBlock(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kinds 21 and 22, report types 30 and 33: no lines of their own.
void AddSpectrumThRec(const RecordView& record, int reportType, RecordManagers& m);
// Output kind 5, report type 14.
void AddCalRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 3, report type 16.
void AddDailyRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                 RecordManagers& m);
// Output kind 1, report type 17.
void AddEventRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 1 of an RTA file, report types 30 and 33.
void AddRtaEventRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);
// Output kind 56, report type 18.
void AddSsaIntervalRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                       RecordManagers& m);
// Output kinds 9 and 17, report types 9 (LOG) and 10 (SSA): the SPL, peak and
// unweighted-peak histograms. A second histogram record replaces the first.
void AddHistograms(const RecordView& record, int reportType, int& lineCount, RecordManagers& m);

// The level ranges of the three histograms as the profile's histogram
// options set them; the load and the report view both take them from here.
void SetHistogramRanges(RecordManagers& m);
}  // namespace RecordBuilders
