// Writing the large reports of the benchmark files as they go to disk:
// title, file header and the report in the text and the CSV layout, into a
// stream opened on its file in the temporary folder, until every byte is
// handed to the file (the file is not completed: that is the disk's time).
// MB/s counts the bytes of the output.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "BenchFiles.h"
#include "BenchRegistry.h"
#include "ExportStream.h"
#include "Files.h"
#include "MeasDataSet.h"
#include "ReportWriter.h"

namespace {

using fixtures::BenchmarkMode;

struct ExportCase {
    BenchmarkMode mode;
    int reportType;  // the export's report type, loaded as the view loads it
    int expectedDataKind;
    const char* name;
};

const ExportCase kCases[] = {
    {BenchmarkMode::SsaRuns, 19, 57, "SSA/timehistory"},
    {BenchmarkMode::Log, 7, 2, "LOG/intervals"},
    {BenchmarkMode::RtaRuns, 30, 21, "RTA/events"},
};

void WriteReport(std::ostream& out, ExportFormat format, const ExportCase& c, MeasDataSet& data)
{
    ReportWriter writer;
    writer.WriteTitle(c.name, out, format, data.GetTranslationTime());
    writer.WriteFileHeader(out, format, "bench.slmdl", data.FileHeaderView(), data.SystemView(), data.SetupView(),
                           data.GetSetupType());
    RecordManagers& records = data.Records();
    switch (c.reportType) {
    case 19: writer.WriteSsaTimeHistory(out, format, records.timeHistory, data.SetupView(), data.ParameterView()); break;
    case 7: writer.WriteLogIntervals(out, format, records.intervals, data.SetupView()); break;
    case 30: writer.WriteRtaEvents(out, format, records.events, records.timeHistory, data.SetupView()); break;
    default: break;
    }
}

void BM_Export(benchmark::State& state, ExportCase c, ExportFormat format)
{
    MeasDataSet data;
    int reportType = c.reportType;
    int lines = 0;
    const int loaded = data.LoadFile(bench::File(c.mode).path, nullptr, &reportType, c.expectedDataKind, &lines);
    if (loaded < 0 && loaded != -318) {
        state.SkipWithError("the benchmark file did not load");
        return;
    }
    if (c.reportType == 30 && data.Records().events.GetCount() == 0) {
        state.SkipWithError("the RTA benchmark file holds no events");
        return;
    }
    const std::string path = platform::TempDir() + "/tessavo-bench-export.txt";
    size_t bytes = 0;
    for (auto _ : state) {
        ExportStream out(path);
        WriteReport(out, format, c, data);
        bytes = out.Size();
    }
    if (bytes == 0) {
        state.SkipWithError("the report is empty");
        return;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["out_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

namespace bench {

void RegisterExportBenchmarks()
{
    for (const ExportCase& c : kCases)
        for (ExportFormat format : {kTextFormat, kCsvFormat})
            bench::WithBest(benchmark::RegisterBenchmark(
                                (std::string("Export/") + c.name + (format == kTextFormat ? "/text" : "/csv")).c_str(),
                                BM_Export, c, format)
                                ->Unit(benchmark::kMillisecond));
}

}  // namespace bench
