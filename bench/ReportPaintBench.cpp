// Painting a screen of a very long report: the first screen and the last
// screen of a run/stop log of a million lines, through the report view's own
// paint on the offscreen platform. Only the visible lines are drawn, so the
// two should cost the same; the case reports both and their ratio.
#include "BenchRegistry.h"

#if defined(TESSAVO_BENCH_GUI)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "CDataReport.h"
#include "OutputRecordBuilder.h"
#include "Translator.h"

namespace {

size_t g_paintLines = 1000000;

// Plays run/stop records numbered 1 to count, all from one record template.
class RunStopTranslation : public Translator {
public:
  explicit RunStopTranslation(size_t count)
      : count_(count), record_(testsupport::OutputRecordBuilder(4)
                                   .U32(4, 86400)
                                   .I16(10, 1)
                                   .Bytes()) {}
  int32_t GetBufferSize() override { return 9984; }
  int32_t ReadFileSN(const char *, void *, uint16_t *model, char *serial,
                     float *version) override {
    *model = 57;
    *version = 3.2f;
    std::strcpy(serial, "A1234");
    return 0;
  }
  int32_t ReadFileHeader(const char *, void *, void *) override { return 0; }
  int32_t StartTranslate(const char *, void *) override {
    next_ = 0;
    return 0;
  }
  int32_t TranslateNextRec(void *record, void *) override {
    if (next_ >= count_)
      return TranslatorCodes::kEndOfData;
    ++next_;
    const uint32_t number = static_cast<uint32_t>(next_);
    std::memcpy(record, record_.data(), record_.size());
    // The record number, little-endian at byte 20.
    auto *bytes = static_cast<uint8_t *>(record);
    for (int i = 0; i < 4; ++i)
      bytes[20 + i] = static_cast<uint8_t>(number >> (8 * i));
    return 0;
  }
  void StopTranslate() override {}

private:
  size_t count_;
  size_t next_ = 0;
  std::vector<uint8_t> record_;
};

QApplication &App() {
  static int argc = 1;
  static char name[] = "tessavo_bench";
  static char *argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
  return *static_cast<QApplication *>(QApplication::instance());
}

// Paints the view's screen at the scroll position through its paint event.
double PaintSeconds(CDataReport &report, int scroll, QImage &image) {
  report.verticalScrollBar()->setValue(scroll);
  const auto start = std::chrono::steady_clock::now();
  report.viewport()->render(&image);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
      .count();
}

void BM_PaintFirstAndLastScreen(benchmark::State &state) {
  App();
  RunStopTranslation translation(g_paintLines);
  CDataReport::SetTranslator(&translation);
  const std::string path =
      "/tmp/tessavo_paint_bench_" + std::to_string(getpid()) + ".slmdl";
  std::ofstream(path) << "x";
  {
    CDataReport report(nullptr, nullptr);
    report.resize(800, 600);
    report.OnInitialUpdate();
    struct Sender : CView {
      Sender() : CView(nullptr) {}
      QWidget *Widget() override { return nullptr; }
    } sender;
    const ViewHint hint{path, std::to_string(g_paintLines) + " Run/Stops"};
    report.OnUpdate(&sender, &hint);
    QImage image(report.viewport()->size(), QImage::Format_RGB32);
    const int last = report.verticalScrollBar()->maximum();
    double first = 0, end = 0;
    PaintSeconds(report, 0, image); // fonts and glyphs cached once
    for (auto _ : state) {
      first += PaintSeconds(report, 0, image);
      end += PaintSeconds(report, last, image);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["lines"] = report.GetLineCount();
    state.counters["first_ms"] = first / n * 1000.0;
    state.counters["last_ms"] = end / n * 1000.0;
    state.counters["last/first"] = first > 0 ? end / first : 0.0;
  }
  CDataReport::SetTranslator(nullptr);
  std::remove(path.c_str());
}

} // namespace

namespace bench {

void SetPaintLines(size_t lines) { g_paintLines = lines; }

void RegisterPaintBenchmarks() {
  benchmark::RegisterBenchmark("ReportPaint/first_and_last_screen",
                               BM_PaintFirstAndLastScreen)
      ->Unit(benchmark::kMillisecond);
}

} // namespace bench

#else

namespace bench {
void SetPaintLines(size_t) {}
void RegisterPaintBenchmarks() {}
} // namespace bench

#endif
