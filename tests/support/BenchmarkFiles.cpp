#include "BenchmarkFiles.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <vector>

#include "DownloadFileBuilder.h"
#include "MeasurementSetupFields.h"
#include "SetupBlock.h"

namespace fixtures {

namespace {

// The measurement: kRuns runs, each kRunGap seconds after the one before,
// levels every second.
constexpr int kRuns = 100;
constexpr long kRunGap = 2 * 3600;
constexpr unsigned kRunStart = 0x40;  // run/stop event byte and marker code
constexpr unsigned kStop = 0x10;
constexpr int kModeLog = 2, kModeSsa = 0, kModeRta = 4;
constexpr size_t kIntervalSeconds = 60;

const std::time_t kFirstRun = 1047218730;  // 09Mar2003 14:05:30 UTC, as header line 5

// The type bytes of the records, the stream and the runs the files hold.
constexpr unsigned kRtaEventRecord = 1, kIntervalRecord = 2, kRunStopRecord = 4, kThStream = 7;
constexpr unsigned kSpectrumRun = 21, kThRun = 27;

std::tm Utc(std::time_t t) {
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

BodyBuilder& Stamp(BodyBuilder& b, std::time_t t) {
    const std::tm tm = Utc(t);
    return b.BcdDate(tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100).BcdTime(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

// A run/stop: a byte the reader passes over, the time, the event byte, the
// run/stop number and the time-history record number.
BodyBuilder RunStop(std::time_t t, unsigned event, unsigned number) {
    BodyBuilder b;
    b.U8(0);
    Stamp(b, t).U8(event).U16(number).U24(number);
    return b;
}

// A one-minute interval: start, duration 0 h 1 min 0 s and 0/256 s, six
// levels, four bytes.
BodyBuilder Interval(std::time_t t, unsigned n) {
    BodyBuilder b;
    Stamp(b, t).U16(0).U8(1).U8(0).U8(0);
    for (int i = 0; i < 6; ++i) b.Fix88(55.5 + i + n % 20);
    return b.U8(1).U8(2).U8(3).U8(4);
}

// A level of the time history: whole decibels below 128 (never 0), then the
// fraction byte. A marker takes as many bytes.
constexpr size_t kLevelBytes = 2;
std::string Level(size_t n) {
    std::string s;
    s += static_cast<char>(40 + n % 50);
    s += static_cast<char>(128);
    return s;
}
std::string Marker(unsigned code) { return std::string(1, static_cast<char>(128 + code)) + '\0'; }

// A third-octave spectrum sample of an RTA run: its flag byte, a time offset
// of 0.5 s (whole seconds, then 1/65536 fractions), the flat level and the
// 33 bands.
constexpr unsigned kSampleFlag = 5;
constexpr size_t kSpectrumSampleBytes = 1 + 3 + 2 + 33 * 2;

std::string SpectrumSample(size_t n) {
    BodyBuilder b;
    b.U8(kSampleFlag).U8(0).U16(0x8000).Fix88(80.5 + n % 10);
    for (int i = 0; i < 33; ++i) b.Fix88(30.25 + i + n % 7);
    return b.Bytes();
}

// An RTA event over the ByTime spectra count samples from n on, preTrigger
// of them before the trigger, one a second: start, duration (hours, minutes,
// seconds, 1/65536 s), three bytes the reader passes over, the triggered and
// pre-trigger counts, a byte, then the Leq, Max and Min levels each with its
// 33 bands, and the count of averaged events less one (firmware above 2.106).
// The levels all carry a fraction byte, since a level without one is no
// value.
constexpr unsigned kByTimePerEvent = 100;
constexpr unsigned kPreTrigger = 10;
constexpr size_t kRtaEventBytes = 3 + 6 + 6 + 3 + 2 + 2 + 1 + 3 * 34 * 2 + 1;

BodyBuilder RtaEvent(std::time_t start, unsigned count, size_t n) {
    const unsigned preTrigger = count > kPreTrigger ? kPreTrigger : count / 2;
    BodyBuilder b;
    Stamp(b, start).U16(count / 3600).U8(count / 60 % 60).U8(count % 60).U16(0);
    b.Zeros(3).U16(count - preTrigger).U16(preTrigger).U8(0);
    for (int spectrum = 0; spectrum < 3; ++spectrum) {
        b.Fix88(85.25 + 5 * spectrum + n % 7);
        for (int band = 0; band < 33; ++band) b.Fix88(35.5 + band + 5 * spectrum + n % 11);
    }
    return b.U8(0);
}

DownloadFileBuilder Head(const char* modeLine) {
    HeaderSpec h;
    h.modeLine = modeLine;
    DownloadFileBuilder f;
    f.AtLines("Benchmark site", "Generated file", "Largest size").Header(h);
    return f;
}

// Values the data model reads by mask or code, not by name.
constexpr unsigned kRtaThirdOctaves = 0x80;  // the RTA block's bandwidth bit of its mode flags
constexpr unsigned kPeriodUnitSeconds = 1;   // the time-history period's unit
// The J57's calibration record: only the translator reads it.
constexpr size_t kCalibrationBodySize = 65;
// The parameter lines of the location and the site number.
constexpr int kLocationLine = 5;
constexpr int kSiteNumberLine = 157;

// Parameter lines and the settings, system and calibration records; the
// settings carry the mode number, third octaves for the RTA and a period of
// one second.
void Settings(DownloadFileBuilder& f, int modeNumber) {
    namespace M = MeasurementSetupFields;
    f.Q(kLocationLine, "Benchmark site").Q(kSiteNumberLine, "12");
    BodyBuilder m;
    m.PadTo(SetupBlock::kMeasurementSize).Set(SetupBlock::kVersion, 1);
    m.SetText(SetupBlock::kName, "BENCH", SetupBlock::kNameLength);
    m.SetText(SetupBlock::kTitle, "Benchmark setup", SetupBlock::kTitleLength);
    m.Set(SetupBlock::kMode, static_cast<unsigned>(modeNumber));
    m.Set(M::kModeFlags, modeNumber == kModeRta ? kRtaThirdOctaves : 0);
    m.Set(M::kTimeHistoryPeriod, 1).Set(M::kTimeHistoryPeriodUnit, kPeriodUnitSeconds);
    f.Record('M', m).Record('S', BodyBuilder().PadTo(SetupBlock::kSystemSize));
    f.Record('C', BodyBuilder().PadTo(kCalibrationBodySize));
}

void RunStops(DownloadFileBuilder& f, const std::vector<long>& runSeconds) {
    for (int k = 0; k < kRuns; ++k) {
        const std::time_t start = kFirstRun + k * kRunGap;
        f.Record(kRunStopRecord, RunStop(start, kRunStart, static_cast<unsigned>(2 * k + 1)));
        f.Record(kRunStopRecord, RunStop(start + runSeconds[static_cast<size_t>(k)], kStop, static_cast<unsigned>(2 * k + 2)));
    }
}

// The setup line of the RTA's count of averaged spectra, written last; its
// text reads as no count.
constexpr int kAveragedSpectraLine = 220;

std::string Trailer() {
    DownloadFileBuilder t;
    t.J57Trailer("09Mar2003", "14:05:30", "0.0").R(kAveragedSpectraLine, "end of setup");
    return t.End().Bytes();
}

// Spreads total units over the runs.
std::vector<long> Share(size_t total) {
    std::vector<long> per(kRuns, static_cast<long>(total / kRuns));
    for (size_t k = 0; k < total % kRuns; ++k) ++per[k];
    return per;
}

BenchmarkFile Log(size_t budget, size_t fixedBytes, DownloadFileBuilder f) {
    // A minute costs an interval record (3 + 27 bytes) and 60 stream levels;
    // each run adds its start and stop markers.
    constexpr size_t kMinuteBytes = 3 + 27 + 2 * kIntervalSeconds;
    const size_t overhead = fixedBytes + 2 * kRuns * (3 + 13) + 2 + 2 * 2 * kRuns;
    if (budget < overhead + kRuns * kMinuteBytes) throw std::invalid_argument("benchmark file budget too small");
    const std::vector<long> minutes = Share((budget - overhead) / kMinuteBytes);
    std::vector<long> seconds;
    for (long m : minutes) seconds.push_back(m * static_cast<long>(kIntervalSeconds));
    RunStops(f, seconds);

    BenchmarkFile file;
    file.dataRecords = 2 * kRuns;
    unsigned n = 0;
    for (int k = 0; k < kRuns; ++k)
        for (long m = 0; m < minutes[static_cast<size_t>(k)]; ++m, ++n)
            f.Record(kIntervalRecord, Interval(kFirstRun + k * kRunGap + m * 60, n));
    file.dataRecords += n;
    std::string stream;
    size_t levels = 0;
    for (int k = 0; k < kRuns; ++k) {
        stream += Marker(kRunStart);
        for (long s = 0; s < seconds[static_cast<size_t>(k)]; ++s) stream += Level(levels++);
        stream += Marker(kStop);
    }
    f.Stream(kThStream, stream + '\0');
    file.dataRecords += levels + 2 * kRuns;
    file.bytes = f.Raw(Trailer()).Bytes();
    return file;
}

BenchmarkFile Runs(size_t budget, size_t fixedBytes, DownloadFileBuilder f, unsigned type, size_t blockLength) {
    // Per run: type byte, block length, start and stop markers (time
    // histories only) and the closing zero byte. The spectra of an RTA run
    // are the ByTime records of its events, kByTimePerEvent to an event, each
    // event stored before its run; a run's last event may hold fewer.
    const bool events = type == kSpectrumRun;
    const size_t markers = type == kThRun ? 2 : 0;
    const size_t overhead = fixedBytes + 2 * kRuns * (3 + 13) + kRuns * (3 + markers * blockLength) +
                            (events ? kRuns * kRtaEventBytes : 0);
    const size_t sampleBytes = events ? blockLength + kRtaEventBytes / kByTimePerEvent + 1 : blockLength;
    if (budget < overhead + kRuns * sampleBytes) throw std::invalid_argument("benchmark file budget too small");
    const std::vector<long> samples = Share((budget - overhead) / sampleBytes);
    RunStops(f, samples);

    BenchmarkFile file;
    file.dataRecords = 2 * kRuns;
    size_t n = 0;
    for (int k = 0; k < kRuns; ++k) {
        const long count = samples[static_cast<size_t>(k)];
        if (events) {
            const std::time_t start = kFirstRun + k * kRunGap;
            for (long first = 0; first < count; first += kByTimePerEvent, ++file.dataRecords) {
                const long inEvent = std::min<long>(kByTimePerEvent, count - first);
                f.Record(kRtaEventRecord, RtaEvent(start + first, static_cast<unsigned>(inEvent), n + static_cast<size_t>(first)));
            }
        }
        std::vector<std::string> blocks;
        if (markers != 0) blocks.push_back(Marker(kRunStart));
        for (long s = 0; s < count; ++s, ++n)
            blocks.push_back(type == kThRun ? Level(n) : SpectrumSample(n));
        if (markers != 0) blocks.push_back(Marker(kStop));
        file.dataRecords += blocks.size();
        f.Run(type, static_cast<unsigned>(blockLength), blocks);
    }
    file.bytes = f.Raw(Trailer()).Bytes();
    return file;
}

}  // namespace

const char* BenchmarkModeName(BenchmarkMode mode) {
    switch (mode) {
    case BenchmarkMode::Log: return "LOG";
    case BenchmarkMode::SsaRuns: return "SSA";
    default: return "RTA";
    }
}

BenchmarkFile BuildBenchmarkFile(BenchmarkMode mode, size_t recordBytes) {
    const int modeNumber = mode == BenchmarkMode::Log ? kModeLog : mode == BenchmarkMode::SsaRuns ? kModeSsa : kModeRta;
    DownloadFileBuilder f = Head(BenchmarkModeName(mode));
    const size_t headerBytes = f.Size();
    Settings(f, modeNumber);
    const size_t fixedBytes = f.Size() - headerBytes + Trailer().size();
    BenchmarkFile file;
    switch (mode) {
    case BenchmarkMode::Log: file = Log(recordBytes, fixedBytes, f); break;
    case BenchmarkMode::SsaRuns: file = Runs(recordBytes, fixedBytes, f, kThRun, kLevelBytes); break;
    case BenchmarkMode::RtaRuns: file = Runs(recordBytes, fixedBytes, f, kSpectrumRun, kSpectrumSampleBytes); break;
    }
    if (file.bytes.size() - headerBytes > recordBytes) throw std::logic_error("benchmark file over its budget");
    return file;
}

}  // namespace fixtures
