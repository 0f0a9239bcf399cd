#include <iomanip>
#include <string>

#include "ExportCells.h"
#include "FftSpectrumTable.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"

namespace {

const char* WindowText(int window)
{
    static const char* const kWindows[] = {"Rectangular", "Hanning", "Flat-Top"};
    return window >= 0 && window < 3 ? kWindows[window] : "";
}

// The analyser settings as texts; all empty when the setup is not known.
struct FftSettings {
    const FftBandwidth* bandwidth = nullptr;
    std::string bandwidthText;
    std::string averageCount;
    std::string window;
    std::string overloadSkip;

    explicit FftSettings(const RecordView& setup)
    {
        if (setup.IsEmpty())
            return;
        bandwidth = FindFftBandwidth(setup.I16(FftSetupFields::kBandwidthIndex));
        bandwidthText = bandwidth ? bandwidth->text : "";
        averageCount = std::to_string(setup.I16(FftSetupFields::kAverageCount));
        window = WindowText(setup.I16(FftSetupFields::kWindow));
        overloadSkip = setup.I16(FftSetupFields::kOverloadSkipping) != 0 ? "Enabled" : "Disabled";
    }
};

}  // namespace

int ReportWriter::WriteFftSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                                  const RecordView& setup)
{
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    const bool text = IsText(format);
    const FftSettings settings(setup);
    const std::string start = DateTimeText(summary.U32(kOverallSet.start));
    const std::string end = DateTimeText(summary.U32(SummaryFields::kFftEndTime));
    const std::string runTime = DurationText(summary.F32(kCurrentSet.elapsed));
    auto level = [&summary](int line) {
        return summary.F32(SummaryFields::kFftSpectrum + 4 * static_cast<size_t>(line));
    };

    out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed);
    // A label in 14 characters and its value, left-aligned in width.
    auto item = [&](const char* label, const std::string& value, int width = 0) {
        CellLine line(out, text);
        line.Left(14, label).TextOnly(0, " ").Left(width, value);
        return line;
    };
    CellLine(out, text).Cell(0, "Overall Measurement").End();
    item("Start Time:", start, 20).TextOnly(0, " ").Left(10, "End Time:").TextOnly(0, " ").Left(20, end).End();
    item("Run Time:", runTime, 20).End();
    out << std::endl;
    item("Bandwidth:", settings.bandwidthText, 20).End();
    item("Average Count:", settings.averageCount).End();
    item("Window:", settings.window).End();
    item("Overload Skip:", settings.overloadSkip).End();
    out << std::endl;
    // Without the setup's bandwidth the line frequencies are unknown: the
    // levels are written beside empty frequency cells.
    const FftBandwidth* bandwidth = settings.bandwidth;
    if (text) {
        WriteFftTableHeading(out);
        CellLine(out, true)
            .Cell(0, FftFrequencyText(bandwidth, 0))
            .Cell(0, "    ")
            .Cell(0, FormatFixed(level(0), 2))
            .End();
        WriteFftTableRows(out, bandwidth,
                          [&](CellLine& row, int line) { row.Right(6, FormatFixed(level(line), 2)); });
        return 1;
    }
    CellLine(out, false).Cell(0, "Freq. Hz").Cell(0, "Level dB").End();
    for (int line = 0; line < kFftSpectrumLines; ++line) {
        CellLine row(out, false);
        if (bandwidth != nullptr)
            row.Cell(0, static_cast<float>(line) * static_cast<float>(bandwidth->lineSpacing));
        else
            row.Cell(0, "");
        row.Cell(0, level(line)).End();
    }
    return 1;
}
