#pragma once
// Large J57 download files for the benchmarks, built with the download-file
// builder: a LOG file of run/stops, intervals and a time-history stream, an
// SSA file of type 27 time-history runs and an RTA file of type 21 spectrum
// runs whose spectra are the ByTime records of RTA events stored before
// each run. Each fills a byte budget with its records and the trailer; the J57
// reader looks for the trailer only within 2,100,000 bytes after the header,
// so the largest file the format allows keeps its records and trailer under
// that.
#include <cstddef>
#include <string>

namespace fixtures {

// Records, trailer and end byte of the largest file whose trailer the
// reader still finds.
constexpr size_t kLargestRecordBytes = 2100000 - 1000;

enum class BenchmarkMode { Log, SsaRuns, RtaRuns };

struct BenchmarkFile {
    std::string bytes;
    size_t dataRecords = 0;  // intervals, run/stops, stream entries, run bodies or RTA events
};

// A file of that mode whose records, trailer and end byte take about
// recordBytes bytes (never more).
BenchmarkFile BuildBenchmarkFile(BenchmarkMode mode, size_t recordBytes = kLargestRecordBytes);

const char* BenchmarkModeName(BenchmarkMode mode);

}  // namespace fixtures
