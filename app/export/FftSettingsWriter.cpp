// The settings of an FFT analyser measurement.
#include <array>
#include <iomanip>

#include "ExportCells.h"
#include "FftBandwidth.h"
#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SSASetup.h"

namespace {

// Indexes outside the list show nothing: the instrument offers no other
// bandwidth.
std::string BandwidthText(int index)
{
    const FftBandwidth* bandwidth = FindFftBandwidth(index);
    return bandwidth ? bandwidth->text : "";
}

std::string WindowText(int code)
{
    static const char* const kWindows[] = {"Rectangular", "Hanning", "Flat-Top"};
    return (code >= 0 && code < 3) ? kWindows[code] : "";
}

}  // namespace

int ReportWriter::WriteFftSettings(std::ostream& out, ExportFormat format, const RecordView& setup)
{
    if (!Usable(out) || setup.IsEmpty())
        return 1;
    std::string gain;
    SSASetup::GainText(setup.U16(FftSetupFields::kGain) & 0xFF, gain);
    struct Line {
        const char* textLabel;
        const char* csvLabel;
        std::string value;
    };
    const std::array<Line, 5> lines = {{
        {"Bandwidth:", "Bandwidth:", BandwidthText(setup.U16(FftSetupFields::kBandwidthIndex))},
        {"Gain:", "Gain:", gain},
        {"Average Count:", "Averaging count:", std::to_string(setup.I16(FftSetupFields::kAverageCount))},
        {"Window:", "Window:", WindowText(setup.U16(FftSetupFields::kWindow))},
        {"Overload Skipping:", "Overload Skipping:",
         setup.U16(FftSetupFields::kOverloadSkipping) == 0 ? "Disabled" : "Enabled"},
    }};
    if (IsText(format))
        out << std::setiosflags(std::ios::left) << std::fixed;
    out << std::setprecision(1);
    CellLine(out, format).Cell(0, "FFT Analyzer Settings").End();
    for (const Line& line : lines)
        CellLine(out, format)
            .TextOnly(0, "  ")
            .Split(std::ios::left, 25, line.textLabel, line.csvLabel)
            .Cell(0, line.value)
            .End();
    out << std::endl;
    return 1;
}
