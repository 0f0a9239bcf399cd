#pragma once
// The benchmark files, written once per run into a temporary folder, and the
// physical reference of every case: reading the same file once with fread.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "BenchmarkFiles.h"

namespace bench {

struct FileCase {
    std::string path;
    size_t bytes = 0;
    size_t dataRecords = 0;
};

// Bytes of records and trailer of each file (the largest the format allows
// unless the command line asks for less).
void SetFileBytes(size_t bytes);
size_t FileBytes();
const FileCase& File(fixtures::BenchmarkMode mode);

// Adds the lowest and highest of the repetitions to the printed statistics.
benchmark::internal::Benchmark* WithBest(benchmark::internal::Benchmark* b);

// Times the translation of the file from its start to the end of data
// against its plain read (the case fails when the end is not reached);
// returns the seconds of one translation.
double TimeTranslation(benchmark::State& state, const FileCase& file);

// Opens, reads whole and closes the file; returns the bytes read.
size_t PlainRead(const std::string& path);

// Times the case and the plain read of its file in the same iterations and
// reports the case's MB/s and its ratio to the read.
class PairedTimer {
public:
    explicit PairedTimer(benchmark::State& state) : state_(state) {}
    // Runs the plain read outside the measured time of the case.
    void Reference(const std::string& path);
    void StartCase() { started_ = Clock::now(); }
    void StopCase() { caseTotal_ += Clock::now() - started_; }
    // MB/s, the plain read's MB/s and the ratio of the times.
    void Report(size_t fileBytes);
    // Seconds of one iteration of the case, on average.
    double CaseSeconds() const;

private:
    using Clock = std::chrono::steady_clock;
    benchmark::State& state_;
    Clock::time_point started_{};
    Clock::duration caseTotal_{};
    Clock::duration readTotal_{};
};

// The best time of one translation of each file in this run, for the loads
// of the same file to be compared with (0 until its translation ran).
void NoteTranslation(fixtures::BenchmarkMode mode, double seconds);
double BestTranslation(fixtures::BenchmarkMode mode);

// The process's resident size in bytes, after the heap has handed its free
// memory back to the system, so that one case's figure is not hidden in what
// the case before it left in the heap.
double ResidentBytes();

}  // namespace bench
