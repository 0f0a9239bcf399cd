// tessavo_bench: the translation, loading, download, export and report paint
// benchmarks. Besides Google Benchmark's own flags it takes --file-bytes=N
// (records and trailer of the generated files; the largest the format allows
// by default),
// --download-bytes=N (payload of each download; 256 KiB by default) and
// --paint-lines=N (lines of the painted report; a million by default) so that
// the test run can try every case quickly on small sizes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "BenchRegistry.h"
#include "Profile.h"

namespace {

// Takes "--name=value" out of the arguments; true when it was there.
bool TakeFlag(int& argc, char** argv, const char* name, size_t& value) {
    const std::string prefix = std::string("--") + name + "=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) != 0) continue;
        value = std::strtoull(argv[i] + prefix.size(), nullptr, 10);
        for (int k = i; k + 1 < argc; ++k) argv[k] = argv[k + 1];
        --argc;
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("TZ", "UTC0", 0);
    size_t value = 0;
    if (TakeFlag(argc, argv, "file-bytes", value)) bench::SetFileBytes(value);
    if (TakeFlag(argc, argv, "download-bytes", value)) bench::SetDownloadBytes(value);
    if (TakeFlag(argc, argv, "paint-lines", value)) bench::SetPaintLines(value);
    platform::MemoryProfile profile;
    platform::SetAppProfile(&profile);

    bench::RegisterTranslateBenchmarks();
    bench::RegisterLoadBenchmarks();
    bench::RegisterDownloadBenchmarks();
    bench::RegisterExportBenchmarks();
    bench::RegisterPaintBenchmarks();
    bench::RegisterCraftedBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::SetAppProfile(nullptr);
    return 0;
}
