// The summary of a real-time analyser measurement: times, AutoStore and
// ByTime, and the Leq, Max and Min spectra of the last recorded event, with
// the spatial average beside them when the file holds one.
#include <array>
#include <iomanip>

#include "ExportCells.h"
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
    const std::string overallStartText = DateTimeText(overallStart);
    const std::string overallEndText = DateTimeText(EndTime(overallStart, summary.F32(kOverallSet.elapsed)));
    const std::string currentStartText = DateTimeText(currentStart);
    const std::string currentEndText = DateTimeText(EndTime(currentStart, summary.F32(kCurrentSet.elapsed)));
    const std::string elapsed = DurationText(summary.F32(kCurrentSet.elapsed));
    const float duration = summary.F32(S::kSpectraDuration);
    const char* const kEventNote = "Leq, Min, Max spectra are for the last recorded event.";
    const std::array<Spectrum, 4> spectra = {ReadSpectrum(summary, S::kLeqThirds),
                                             ReadSpectrum(summary, S::kMaxThirds),
                                             ReadSpectrum(summary, S::kMinThirds),
                                             ReadSpectrum(summary, S::kSpatialThirds)};
    const bool spatial = summary.F32(S::kSpatialCount) > 0.0f;
    const size_t shown = spatial ? 4 : 3;

    const bool text = IsText(format);
    if (text)
        out << std::setiosflags(std::ios::left) << std::fixed;
    auto item = [&](const char* label, const std::string& value) {
        CellLine(out, text).Left(19, label).TextOnly(0, " ").Cell(0, value).End();
    };
    item("Overall Start Time:", overallStartText);
    item("Overall End Time:", overallEndText);
    out << std::endl;
    item("AutoStore:", autoStore);
    item("ByTime:", byTime);
    out << std::endl;
    CellLine(out, text)
        .Left(19, "Current Start Time:")
        .TextOnly(0, " ")
        .Cell(0, currentStartText)
        .TextOnly(0, " ")
        .Cell(0, "Current End Time:")
        .TextOnly(0, " ")
        .Cell(0, currentEndText)
        .TextOnly(0, " ")
        .End();
    item("Elapsed Time:", elapsed);
    out << std::endl;
    CellLine(out, text).Cell(0, kEventNote).End();
    // CSV: the duration takes the stream's own notation and precision.
    CellLine(out, text)
        .Left(19, "Spectra Duration:")
        .TextOnly(0, " ")
        .Split(std::ios::left, 0, FormatFixed(duration, 2), duration)
        .End();

    if (text) {
        // Each half: the band column, then a column of each spectrum shown.
        static const char* const kHeads[] = {" Leq ", " Max ", " Min ", " Spat.Avg "};
        CellLine heading(out, text);
        heading.Cell(0, "  ");
        for (const char* separator : {"", spatial ? "|" : "    "}) {
            heading.Cell(0, separator).Right(7, "Freq.Hz");
            for (size_t s = 0; s < shown; ++s)
                heading.Cell(0, kHeads[s]).Cell(0, bands.label);
        }
        heading.End();
        for (int i = 0; i < bands.rows; ++i) {
            const int j = i + bands.rows;
            CellLine row(out, text);
            row.Cell(0, "  ").Right(7, bands.Label(i));
            for (size_t s = 0; s < shown; ++s)
                row.Cell(0, " ").Right(9, ReportNumber{spectra[s][static_cast<size_t>(i)], 2});
            const std::string right = j < bands.total ? bands.Label(j) : "Flat:";
            if (spatial)
                row.Cell(0, "     |").Right(6, right);
            else
                row.Cell(0, "    ").Right(7, right);
            for (size_t s = 0; s < shown; ++s)
                row.Cell(0, " ").Right(9, ReportNumber{spectra[s][static_cast<size_t>(j)], 2});
            row.End();
        }
        return 1;
    }

    out << std::endl;
    CellLine names(out, text);
    names.Cell(0, "Spectra (" + std::string(bands.label) + ")");
    for (int p = 0; p < bands.total; ++p)
        names.Cell(0, bands.Name(p));
    names.Cell(0, "Flat").End();
    static const char* const kNames[] = {"Leq", "Max", "Min", "Spatial Avg. "};
    for (size_t s = 0; s < shown; ++s) {
        CellLine row(out, text);
        row.Cell(0, kNames[s]);
        for (int p = 0; p <= bands.total; ++p)
            row.Cell(0, ReportNumber{spectra[s][static_cast<size_t>(p)], 2});
        row.End();
    }
    return 1;
}
