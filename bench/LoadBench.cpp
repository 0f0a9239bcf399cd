// Loading whole benchmark files into a measurement data set for their main
// report type, against reading the file and against translating it; with the
// memory that the kept records of the case take.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchFiles.h"
#include "BenchRegistry.h"
#include "MeasDataSet.h"

namespace {

using fixtures::BenchmarkMode;

struct LoadCase {
    BenchmarkMode mode;
    int reportType;        // the report the data kind of the tree item selects
    int expectedDataKind;
    const char* name;
};

const LoadCase kCases[] = {
    {BenchmarkMode::Log, 7, 2, "LOG/intervals"},
    {BenchmarkMode::Log, 6, 4, "LOG/runstops"},
    {BenchmarkMode::SsaRuns, 8, 57, "SSA/timehistory"},
    {BenchmarkMode::RtaRuns, 30, 21, "RTA/spectra"},
};

int KeptRecords(const RecordManagers& r) {
    return r.runStops.GetCount() + r.intervals.GetCount() + r.timeHistory.GetCount() + r.calibrations.GetCount() +
           r.events.GetCount() + r.snapshots.GetCount() + r.ssaIntervals.GetCount();
}

int Load(MeasDataSet& set, const bench::FileCase& file, const LoadCase& c) {
    int reportType = c.reportType;
    int lines = 0;
    return set.LoadFile(file.path, nullptr, &reportType, c.expectedDataKind, &lines);
}

void BM_Load(benchmark::State& state, LoadCase c) {
    const bench::FileCase& file = bench::File(c.mode);
    bench::PairedTimer timer(state);
    // One data set, emptied before each load inside the measured time, as the
    // report view empties its own before it loads the next file. A first load
    // outside the time takes the fresh pages from the system, which the first
    // load of a process pays for once (on this virtual machine a page fault
    // costs tens of microseconds, more than the load's own work).
    auto set = std::make_unique<MeasDataSet>();
    Load(*set, file, c);
    for (auto _ : state) {
        timer.Reference(file.path);
        timer.StartCase();
        set->Clear();
        const int st = Load(*set, file, c);
        timer.StopCase();
        if (st != -318) {
            state.SkipWithError("the load did not reach the end of data");
            return;
        }
    }
    timer.Report(file.bytes);
    const double translation = bench::BestTranslation(c.mode);
    if (translation > 0) state.counters["x_translate"] = timer.CaseSeconds() / translation;

    // Memory, outside the timing: the resident size before the load and with
    // the loaded data set, so that the rise is this case's records alone.
    set.reset();
    const double before = bench::ResidentBytes();
    int kept = 0;
    double after = before;
    {
        MeasDataSet set;
        Load(set, file, c);
        kept = KeptRecords(set.Records());
        after = bench::ResidentBytes();
    }
    state.counters["kept"] = kept;
    state.counters["rss_before_MiB"] = before / (1024.0 * 1024.0);
    state.counters["rss_after_MiB"] = after / (1024.0 * 1024.0);
    state.counters["B/rec"] = kept > 0 ? (after - before) / kept : 0.0;
}

}  // namespace

namespace bench {

void RegisterLoadBenchmarks() {
    for (const LoadCase& c : kCases)
        bench::WithBest(benchmark::RegisterBenchmark((std::string("Load/") + c.name).c_str(), BM_Load, c)->Unit(benchmark::kMillisecond));
}

}  // namespace bench
