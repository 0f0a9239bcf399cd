#pragma once
// The benchmark families, registered by the main function in the order they
// print (the loader's peak memory grows with every case before it).
namespace bench {
void RegisterTranslateBenchmarks();
void RegisterLoadBenchmarks();
void RegisterDownloadBenchmarks();
}  // namespace bench
