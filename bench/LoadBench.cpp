// Loading whole benchmark files into a measurement data set for their main
// report type, against reading the file; with the process's peak memory per
// kept record.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

double PeakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss);
}

int KeptRecords(const RecordManagers& r) {
    return r.runStops.GetCount() + r.intervals.GetCount() + r.timeHistory.GetCount() + r.calibrations.GetCount() +
           r.events.GetCount() + r.snapshots.GetCount() + r.ssaIntervals.GetCount();
}

void BM_Load(benchmark::State& state, LoadCase c) {
    const bench::FileCase& file = bench::File(c.mode);
    bench::PairedTimer timer(state);
    int kept = 0;
    const double peakBefore = PeakKiB();
    for (auto _ : state) {
        timer.Reference(file.path);
        timer.StartCase();
        MeasDataSet set;
        int reportType = c.reportType;
        int lines = 0;
        const int st = set.LoadFile(file.path, nullptr, &reportType, c.expectedDataKind, &lines);
        kept = KeptRecords(set.Records());
        // The data set goes with the loop body: its records are freed inside
        // the measured time, as when the report view loads the next file.
        timer.StopCase();
        if (st != -318) {
            state.SkipWithError("the load did not reach the end of data");
            break;
        }
    }
    timer.Report(file.bytes);
    const double peak = PeakKiB();
    state.counters["kept"] = kept;
    state.counters["peak_MiB"] = peak / 1024.0;
    state.counters["peak_B/rec"] = kept > 0 ? peak * 1024.0 / kept : 0.0;
    state.counters["peak_rise_B/rec"] = kept > 0 ? (peak - peakBefore) * 1024.0 / kept : 0.0;
}

}  // namespace

namespace bench {

void RegisterLoadBenchmarks() {
    for (const LoadCase& c : kCases)
        bench::WithBest(benchmark::RegisterBenchmark((std::string("Load/") + c.name).c_str(), BM_Load, c)->Unit(benchmark::kMillisecond));
}

}  // namespace bench
