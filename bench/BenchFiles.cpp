#include "BenchFiles.h"

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "DownloadFileBuilder.h"

namespace bench {

namespace {

size_t g_fileBytes = fixtures::kLargestRecordBytes;

fixtures::TempFolder& Folder() {
    static fixtures::TempFolder folder;
    return folder;
}

}  // namespace

void SetFileBytes(size_t bytes) { g_fileBytes = bytes; }
size_t FileBytes() { return g_fileBytes; }

const FileCase& File(fixtures::BenchmarkMode mode) {
    static std::map<fixtures::BenchmarkMode, FileCase> files;
    auto it = files.find(mode);
    if (it != files.end()) return it->second;
    const fixtures::BenchmarkFile built = fixtures::BuildBenchmarkFile(mode, g_fileBytes);
    FileCase c;
    c.path = Folder().Write(std::string(fixtures::BenchmarkModeName(mode)) + ".slmdl", built.bytes);
    c.bytes = built.bytes.size();
    c.dataRecords = built.dataRecords;
    PlainRead(c.path);  // into the page cache
    return files.emplace(mode, c).first->second;
}

benchmark::internal::Benchmark* WithBest(benchmark::internal::Benchmark* b) {
    // Counters go through the same statistics: the best time and ratio are
    // the lowest, the best rate the highest.
    b->ComputeStatistics("min", [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
    });
    return b->ComputeStatistics("max", [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    });
}

size_t PlainRead(const std::string& path) {
    static std::vector<char> buffer;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) throw std::runtime_error("cannot open " + path);
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    if (buffer.size() < static_cast<size_t>(size)) buffer.resize(static_cast<size_t>(size));
    const size_t n = std::fread(buffer.data(), 1, static_cast<size_t>(size), f);
    std::fclose(f);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
    return n;
}

void PairedTimer::Reference(const std::string& path) {
    state_.PauseTiming();
    const Clock::time_point t0 = Clock::now();
    PlainRead(path);
    readTotal_ += Clock::now() - t0;
    state_.ResumeTiming();
}

double PairedTimer::CaseSeconds() const {
    return std::chrono::duration<double>(caseTotal_).count() / static_cast<double>(state_.iterations());
}

void PairedTimer::Report(size_t fileBytes) {
    const double n = static_cast<double>(state_.iterations());
    const double caseSecs = CaseSeconds();
    const double readSecs = std::chrono::duration<double>(readTotal_).count() / n;
    state_.SetBytesProcessed(static_cast<int64_t>(state_.iterations() * fileBytes));
    state_.counters["MB/s"] = fileBytes / 1e6 / caseSecs;
    state_.counters["read_MB/s"] = fileBytes / 1e6 / readSecs;
    state_.counters["x_read"] = caseSecs / readSecs;
}

namespace {
std::map<fixtures::BenchmarkMode, double>& Translations() {
    static std::map<fixtures::BenchmarkMode, double> best;
    return best;
}
}  // namespace

void NoteTranslation(fixtures::BenchmarkMode mode, double seconds) {
    auto [it, added] = Translations().emplace(mode, seconds);
    if (!added && seconds < it->second) it->second = seconds;
}

double BestTranslation(fixtures::BenchmarkMode mode) {
    auto it = Translations().find(mode);
    return it == Translations().end() ? 0.0 : it->second;
}

double ResidentBytes() {
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    if (!(statm >> pages >> resident)) return 0.0;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

}  // namespace bench
