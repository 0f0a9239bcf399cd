// Downloads by XMODEM from the simulated J57, its line paced like a serial
// cable at 115200 baud, with 128- and 1024-byte blocks. The payload rate is
// timed from the first block to the last block's acknowledgement (the start
// command's fixed wait is not part of it) and compared with what the protocol
// allows: each block carries 3 bytes of head and 2 of CRC-16 and waits for a
// 1-byte ACK, so n payload bytes take n + 6 bytes of line time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "BenchFiles.h"
#include "BenchRegistry.h"
#include "DownloadFileBuilder.h"
#include "DownloadMonitor.h"
#include "J57Sim.h"
#include "J57Xmodem.h"
#include "Profile.h"
#include "SerialPort.h"
#include "SlmLink.h"

namespace {

constexpr int kBaud = 115200;
size_t g_downloadBytes = 256 * 1024;

// The progress dialog as the monitor drives it, doing nothing.
struct SilentProgress : DownloadProgress {
    void SetStatusText(const std::string&) override {}
    void SetMeasurementText(const std::string&) override {}
    void SetByteCountText(const std::string&) override {}
    void SetProgress(int) override {}
    void ShowStall(bool) override {}
    bool IsCancelRequested() const override { return false; }
    void SendCancel() override {}
    long GetExpectedBytes() override { return static_cast<long>(g_downloadBytes); }
    void PumpMessages() override {}
};

std::string Payload(size_t n)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return s;
}

void BM_Download(benchmark::State& state, size_t blockBytes)
{
    const std::string payload = Payload(g_downloadBytes);
    const fixtures::TempFolder folder;
    const std::string target = folder.Path() + "/download.bin";
    const double lineBytesPerSecond = kBaud / 10.0;
    const double limit = lineBytesPerSecond * static_cast<double>(blockBytes) / static_cast<double>(blockBytes + 6);
    double seconds = 0;
    for (auto _ : state) {
        sim::J57Sim sim;
        sim.Bind(platform::AppProfile(), 1);
        sim.PaceAt(kBaud);
        sim::XmodemSender sender;
        sender.payload = payload;
        sender.use1k = blockBytes == 1024;
        sender.Install(sim);
        SerialPort port(1);
        SilentProgress progress;
        DownloadMonitor monitor(&progress);
        if (port.Open() != 0 || port.SetBaud(kBaud) != 0) {
            state.SkipWithError("the simulated instrument's port did not open");
            break;
        }
        SlmLink link(&port);
        const int result = link.StartDownload(&monitor) == 0 ? link.RunDownload(target) : -1;
        for (int i = 0; i < 500 && sim.InSession(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (result != 0 || sender.lastAckAt <= sender.firstBlockAt) {
            state.SkipWithError("the download failed");
            break;
        }
        const double s = std::chrono::duration<double>(sender.lastAckAt - sender.firstBlockAt).count();
        state.SetIterationTime(s);
        seconds += s;
    }
    std::remove(target.c_str());
    if (seconds <= 0)
        return;
    const double rate = static_cast<double>(g_downloadBytes) * static_cast<double>(state.iterations()) / seconds;
    state.counters["payload_B/s"] = rate;
    state.counters["limit_B/s"] = limit;
    state.counters["x_limit"] = rate / limit;
}

}  // namespace

namespace bench {

void SetDownloadBytes(size_t bytes) { g_downloadBytes = bytes; }

void RegisterDownloadBenchmarks()
{
    // One transfer of 256 KiB takes about 23 s of line time: once is enough,
    // whatever the repetitions asked for the others.
    for (size_t block : {size_t{128}, size_t{1024}})
        benchmark::RegisterBenchmark(("Download/" + std::to_string(block)).c_str(), BM_Download, block)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(1)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace bench
