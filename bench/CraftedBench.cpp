// Translation of crafted files that once cost the square of their size:
// spectrum blocks that name an event the file does not have (alone, and with
// a time-history stream behind them that each look-up would walk again), and
// J46 files of calibration records, each of which looks for the setup line
// R 106 at the end. Each case runs next to the plain read of its file; the
// ratio x_read is what to watch.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "BenchFiles.h"
#include "DownloadFileBuilder.h"

namespace {

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;

enum class Crafted { MissedLookups, MissedLookupsAndStream, J46Calibrations, J46CalibrationsDouble };

const char* NameOf(Crafted c) {
    switch (c) {
    case Crafted::MissedLookups: return "MissedLookups";
    case Crafted::MissedLookupsAndStream: return "MissedLookupsAndStream";
    case Crafted::J46Calibrations: return "J46Calibrations";
    default: return "J46CalibrationsDouble";
    }
}

DownloadFileBuilder Head(int model, const char* mode) {
    fixtures::HeaderSpec h;
    h.model = model;
    h.modeLine = mode;
    DownloadFileBuilder f;
    f.AtLines("Crafted", "", "").Header(h);
    return f;
}

// A short event spectrum block (140 bytes) naming event 7.
const BodyBuilder& MissingEventBlock() {
    static const BodyBuilder b = BodyBuilder().U16(7).PadTo(140);
    return b;
}

// One event, then spectrum blocks naming one the file lacks up to the bytes;
// with a stream, half of them go to one time-history stream after the blocks.
std::string MissedLookups(size_t bytes, bool withStream) {
    DownloadFileBuilder f = Head(57, "LOG");
    const size_t start = f.Size();
    f.Record(1, BodyBuilder().BcdDate(10, 3, 3).BcdTime(12, 0, 0).PadTo(40));
    const std::string trailer = DownloadFileBuilder().J57Trailer("09Mar2003", "14:05:30", "0.0").End().Bytes();
    const size_t streamBytes = withStream ? bytes / 2 : 0;
    while (f.Size() - start + 143 + streamBytes + 2 + trailer.size() <= bytes) f.Record(129, MissingEventBlock());
    if (withStream) {
        std::string levels;
        while (levels.size() + 2 <= streamBytes) levels += std::string{'\x50', '\x40'};
        f.Stream(7, levels + '\0');
    }
    return f.Raw(trailer).Bytes();
}

// Calibration records of the J46 up to the bytes, then the setup lines.
std::string J46Calibrations(size_t bytes) {
    DownloadFileBuilder f = Head(46, "OBA ");
    const std::string tail =
        DownloadFileBuilder().R(1, "Morvek-Audio Model J46").R(6, "09Mar2003 14:05:30").R(106, "1.5").End().Bytes();
    const BodyBuilder cal = BodyBuilder().PadTo(129);
    while (f.Size() + 132 + tail.size() <= bytes) f.Record('C', cal);
    return f.Raw(tail).Bytes();
}

const bench::FileCase& File(Crafted c) {
    static fixtures::TempFolder folder;
    static std::map<Crafted, bench::FileCase> files;
    auto it = files.find(c);
    if (it != files.end()) return it->second;
    const size_t bytes = bench::FileBytes();
    std::string content;
    switch (c) {
    case Crafted::MissedLookups: content = MissedLookups(bytes, false); break;
    case Crafted::MissedLookupsAndStream: content = MissedLookups(bytes, true); break;
    case Crafted::J46Calibrations: content = J46Calibrations(bytes); break;
    case Crafted::J46CalibrationsDouble: content = J46Calibrations(2 * bytes); break;
    }
    bench::FileCase file;
    file.path = folder.Write(std::string(NameOf(c)) + ".slmdl", content);
    file.bytes = content.size();
    bench::PlainRead(file.path);  // into the page cache
    return files.emplace(c, file).first->second;
}

void BM_CraftedTranslate(benchmark::State& state, Crafted c) { bench::TimeTranslation(state, File(c)); }

}  // namespace

namespace bench {

void RegisterCraftedBenchmarks() {
    for (Crafted c : {Crafted::MissedLookups, Crafted::MissedLookupsAndStream, Crafted::J46Calibrations,
                      Crafted::J46CalibrationsDouble}) {
        WithBest(benchmark::RegisterBenchmark((std::string("Crafted/") + NameOf(c)).c_str(), BM_CraftedTranslate, c)
                     ->Unit(benchmark::kMillisecond));
    }
}

}  // namespace bench
