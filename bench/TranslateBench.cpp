// Translation of whole benchmark files through the library's exports, from
// CV_StartTranslate to the end of data (-318), against reading the file.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchFiles.h"
#include "BenchRegistry.h"
#include "tessdec/TessdecTestSupport.h"

namespace {

using fixtures::BenchmarkMode;

void BM_PlainRead(benchmark::State& state, BenchmarkMode mode) {
    const bench::FileCase& file = bench::File(mode);
    for (auto _ : state) benchmark::DoNotOptimize(bench::PlainRead(file.path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes));
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(state.iterations() * file.bytes) / 1e6,
                                                benchmark::Counter::kIsRate);
}

void BM_Translate(benchmark::State& state, BenchmarkMode mode) {
    bench::NoteTranslation(mode, bench::TimeTranslation(state, bench::File(mode)));
}

}  // namespace

namespace bench {

double TimeTranslation(benchmark::State& state, const FileCase& file) {
    tessdec_test::Buffers b;
    bench::PairedTimer timer(state);
    int64_t records = 0;
    for (auto _ : state) {
        timer.Reference(file.path);
        timer.StartCase();
        int32_t st = CV_StartTranslate(file.path.c_str(), b.work.data());
        while (st >= 0) {
            st = CV_TranslateNextRec(b.record.data(), b.work.data());
            ++records;
        }
        CV_StopTranslate();
        timer.StopCase();
        if (st != TESSDEC_END_OF_DATA) {
            state.SkipWithError("the translation did not reach the end of data");
            break;
        }
    }
    timer.Report(file.bytes);
    state.counters["calls"] = static_cast<double>(records) / static_cast<double>(state.iterations());
    return timer.CaseSeconds();
}

void RegisterTranslateBenchmarks() {
    for (BenchmarkMode mode : {BenchmarkMode::Log, BenchmarkMode::SsaRuns, BenchmarkMode::RtaRuns}) {
        const std::string name = fixtures::BenchmarkModeName(mode);
        bench::WithBest(benchmark::RegisterBenchmark(("PlainRead/" + name).c_str(), BM_PlainRead, mode)->Unit(benchmark::kMicrosecond));
        bench::WithBest(benchmark::RegisterBenchmark(("Translate/" + name).c_str(), BM_Translate, mode)->Unit(benchmark::kMillisecond));
    }
}

}  // namespace bench
