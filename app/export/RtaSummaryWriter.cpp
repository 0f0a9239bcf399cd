// The summary of a real-time analyser measurement: times, AutoStore and
// ByTime, and the Leq, Max and Min spectra of the last recorded event, with
// the spatial average beside them when the file holds one.
#include <array>
#include <iomanip>

#include "ExportFields.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"
#include "TableWriterSupport.h"

namespace {

using Spectrum = std::array<float, 34>;

Spectrum ReadSpectrum(const RecordView& summary, size_t offset)
{
    Spectrum values{};
    summary.Floats(offset, values.data(), values.size());
    return values;
}

std::string Level(float value, int width)
{
    return FormatReportNumber(value, 2, width);
}

}  // namespace

int ReportWriter::WriteRtaSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                                  const RecordView& setup)
{
    namespace S = SummaryFields;
    const RtaBandLayout bands = RtaBandLayout::Of(setup);
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    const int storeFlags = setup.U8(RtaSetupFields::kStoreFlags);
    const std::string autoStore = setup.IsEmpty() ? "" : (storeFlags & 0x20) ? "Enabled" : "Disabled";
    const std::string byTime = setup.IsEmpty() ? "" : (storeFlags & 0x80) ? "Enabled" : "Disabled";
    const uint32_t overallStart = summary.U32(kOverallSet.start);
    const uint32_t currentStart = summary.U32(kCurrentSet.start);
    const std::string overallStartText = TimeCell(overallStart);
    const std::string overallEndText = TimeCell(EndTime(overallStart, summary.F32(kOverallSet.elapsed)));
    const std::string currentStartText = TimeCell(currentStart);
    const std::string currentEndText = TimeCell(EndTime(currentStart, summary.F32(kCurrentSet.elapsed)));
    const std::string elapsed = DurationCell(summary.F32(kCurrentSet.elapsed));
    const float duration = summary.F32(S::kSpectraDuration);
    const char* const kEventNote = "Leq, Min, Max spectra are for the last recorded event.";
    const std::array<Spectrum, 4> spectra = {ReadSpectrum(summary, S::kLeqThirds),
                                             ReadSpectrum(summary, S::kMaxThirds),
                                             ReadSpectrum(summary, S::kMinThirds),
                                             ReadSpectrum(summary, S::kSpatialThirds)};
    const bool spatial = summary.F32(S::kSpatialCount) > 0.0f;
    const size_t shown = spatial ? 4 : 3;

    if (IsText(format)) {
        out << std::setiosflags(std::ios::left) << std::fixed;
        auto item = [&](const char* label, const std::string& value) {
            out << ComposeText("%-19s %s", label, value.c_str()) << std::endl;
        };
        item("Overall Start Time:", overallStartText);
        item("Overall End Time:", overallEndText);
        out << std::endl;
        item("AutoStore:", autoStore);
        item("ByTime:", byTime);
        out << std::endl;
        out << ComposeText("%-19s %s ", "Current Start Time:", currentStartText.c_str())
            << ComposeText("%s %s ", "Current End Time:", currentEndText.c_str()) << std::endl;
        item("Elapsed Time:", elapsed);
        out << std::endl;
        out << kEventNote << std::endl;
        item("Spectra Duration:", FormatFixed(duration, 2));
        const char* f = "Freq.Hz";
        const char* l = bands.label;
        if (spatial)
            out << ComposeText("  %7s Leq %s Max %s Min %s Spat.Avg %s|%7s Leq %s Max %s Min %s Spat.Avg %s", f, l,
                               l, l, l, f, l, l, l, l);
        else
            out << ComposeText("  %7s Leq %s Max %s Min %s    %7s Leq %s Max %s Min %s", f, l, l, l, f, l, l, l);
        out << std::endl;
        for (int i = 0; i < bands.rows; ++i) {
            const int j = i + bands.rows;
            const std::string left = bands.Label(i);
            const std::string right = j < bands.total ? bands.Label(j) : "Flat:";
            std::string line = ComposeText("  %7s", left.c_str());
            for (size_t s = 0; s < shown; ++s)
                line += ComposeText(" %9s", FormatReportNumber(spectra[s][static_cast<size_t>(i)], 2, 9));
            line += spatial ? ComposeText("     |%6s", right.c_str()) : ComposeText("    %7s", right.c_str());
            for (size_t s = 0; s < shown; ++s)
                line += ComposeText(" %9s", FormatReportNumber(spectra[s][static_cast<size_t>(j)], 2, 9));
            out << line << std::endl;
        }
        return 1;
    }

    auto line = [&](std::initializer_list<std::string> fields) {
        for (const std::string& field : fields)
            CsvField(out, field);
        out << std::endl;
    };
    line({"Overall Start Time:", overallStartText});
    line({"Overall End Time:", overallEndText});
    out << std::endl;
    line({"AutoStore:", autoStore});
    line({"ByTime:", byTime});
    out << std::endl;
    line({"Current Start Time:", currentStartText, "Current End Time:", currentEndText});
    line({"Elapsed Time:", elapsed});
    out << std::endl;
    line({kEventNote});
    // The duration takes the stream's own notation and precision.
    CsvField(out, "Spectra Duration:");
    CsvField(out, duration) << std::endl;
    out << std::endl;
    CsvField(out, ComposeText("Spectra (%s)", bands.label));
    for (int p = 0; p < bands.total; ++p)
        CsvField(out, bands.Name(p));
    CsvField(out, "Flat") << std::endl;
    static const char* const kNames[] = {"Leq", "Max", "Min", "Spatial Avg. "};
    for (size_t s = 0; s < shown; ++s) {
        CsvField(out, kNames[s]);
        for (int p = 0; p <= bands.total; ++p)
            CsvField(out, Level(spectra[s][static_cast<size_t>(p)], 0));
        out << std::endl;
    }
    return 1;
}
