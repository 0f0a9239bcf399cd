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
// The report view's paint of a long report (only where the GUI is built).
void RegisterPaintBenchmarks();
// Lines of that report (a million unless the command line asks for less).
void SetPaintLines(size_t lines);
void RegisterCraftedBenchmarks();
// Payload of each download (256 KiB unless the command line asks for less).
void SetDownloadBytes(size_t bytes);
}  // namespace bench
