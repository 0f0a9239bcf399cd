#pragma once
#include <cstddef>

// The benchmark families, registered by the main function in the order they
// print (a load is compared with the translation of its file, which runs
// before it).
namespace bench {
void RegisterTranslateBenchmarks();
void RegisterLoadBenchmarks();
void RegisterDownloadBenchmarks();
void RegisterExportBenchmarks();
// Payload of each download (256 KiB unless the command line asks for less).
void SetDownloadBytes(size_t bytes);
}  // namespace bench
