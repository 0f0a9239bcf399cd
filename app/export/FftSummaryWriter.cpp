#include <iomanip>
#include <string>

#include "ExportFields.h"
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
    const std::string start = TimeCell(summary.U32(kOverallSet.start));
    const std::string end = TimeCell(summary.U32(SummaryFields::kFftEndTime));
    const std::string runTime = DurationCell(summary.F32(kCurrentSet.elapsed));
    auto level = [&summary](int line) {
        return summary.F32(SummaryFields::kFftSpectrum + 4 * static_cast<size_t>(line));
    };

    out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed);
    if (text) {
        out << "Overall Measurement" << std::endl;
        out << ComposeText("%-14s %-20s %-10s %-20s", "Start Time:", start.c_str(), "End Time:", end.c_str())
            << std::endl;
        out << ComposeText("%-14s %-20s", "Run Time:", runTime.c_str()) << std::endl;
        out << std::endl;
        out << ComposeText("%-14s %-20s", "Bandwidth:", settings.bandwidthText.c_str()) << std::endl;
        out << ComposeText("%-14s %s", "Average Count:", settings.averageCount.c_str()) << std::endl;
        out << ComposeText("%-14s %s", "Window:", settings.window.c_str()) << std::endl;
        out << ComposeText("%-14s %s", "Overload Skip:", settings.overloadSkip.c_str()) << std::endl;
        out << std::endl;
    } else {
        CsvField(out, "Overall Measurement") << std::endl;
        CsvField(CsvField(CsvField(CsvField(out, "Start Time:"), start), "End Time:"), end) << std::endl;
        CsvField(CsvField(out, "Run Time:"), runTime) << std::endl;
        out << std::endl;
        CsvField(CsvField(out, "Bandwidth:"), settings.bandwidthText) << std::endl;
        CsvField(CsvField(out, "Average Count:"), settings.averageCount) << std::endl;
        CsvField(CsvField(out, "Window:"), settings.window) << std::endl;
        CsvField(CsvField(out, "Overload Skip:"), settings.overloadSkip) << std::endl;
        out << std::endl;
    }
    // Without the setup's bandwidth the line frequencies are unknown: the
    // levels are written beside empty frequency cells.
    const FftBandwidth* bandwidth = settings.bandwidth;
    if (text) {
        out << FftTableHeading() << std::endl;
        out << FftFrequencyText(bandwidth, 0) << "    " << FormatFixed(level(0), 2) << std::endl;
        WriteFftTableRows(out, [&](int line) {
            return FftFrequencyText(bandwidth, line) + "   " + FormatFixed(level(line), 2, 6) + "    ";
        });
    } else {
        CsvField(CsvField(out, "Freq. Hz"), "Level dB") << std::endl;
        for (int line = 0; line < kFftSpectrumLines; ++line) {
            if (bandwidth != nullptr)
                CsvField(out, static_cast<float>(line) * static_cast<float>(bandwidth->lineSpacing));
            else
                CsvField(out, "");
            CsvField(out, level(line)) << std::endl;
        }
    }
    return 1;
}
