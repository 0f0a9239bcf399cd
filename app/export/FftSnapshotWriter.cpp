// The snapshots of an FFT measurement: time, counts, overall level and the
// 401-line spectrum of each, the line frequencies from the measurement's
// bandwidth.
#include <iomanip>

#include "ExportCells.h"
#include "FftSpectrumTable.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "TimeTexts.h"

namespace {

// The text layout's level: in 6 characters, the no-value mark as it is.
void WriteTextLevel(CellLine& row, const SnapRec& r, int line)
{
    row.Cell(0, FormatReportNumber(r.GetSpectrumLine(line), 1, 6));
}

// The record's heading lines, the text layout's columns and the CSV
// layout's fields.
void WriteRecordHeading(std::ostream& out, bool text, const SnapRec& r)
{
    const std::string title = "***Record #" + std::to_string(static_cast<int32_t>(r.GetRecordNumber())) + " ***";
    CellLine(out, text).Cell(0, title).End();
    CellLine(out, text)
        .Right(14, "Timestamp:")
        .TextOnly(0, "  ")
        .Right(20, DateTimeText(r.GetStandardTime()))
        .End();
    CellLine(out, text)
        .Right(14, "Average Count:")
        .TextOnly(0, "  ")
        .Right(5, r.GetAverageCount())
        .Split(std::ios::right, 0, "                  ", " ")
        .Right(15, "Overload Count:")
        .TextOnly(0, "  ")
        .Right(5, r.GetOverloadCount())
        .End();
    CellLine(out, text)
        .Right(14, "SPL:")
        .TextOnly(0, "  ")
        .Split(std::ios::right, 6, FormatFixed(r.GetSpl(), 2), ReportNumber{r.GetSpl(), 1})
        .Split(std::ios::right, 0, " dB", "dB")
        .End();
    out << std::endl;
}

void WriteTextBlock(std::ostream& out, const FftBandwidth* bandwidth, const SnapRec& r)
{
    WriteRecordHeading(out, true, r);
    const FftLevelCell level = [&r](CellLine& row, int line) { WriteTextLevel(row, r, line); };
    WriteFftTableHeading(out);
    CellLine first(out, true);
    WriteFftTableCell(first, bandwidth, 0, level);
    first.End();
    WriteFftTableRows(out, bandwidth, level);
    out << std::endl;
}

void WriteCsvBlock(std::ostream& out, const FftBandwidth* bandwidth, const SnapRec& r)
{
    WriteRecordHeading(out, false, r);
    CellLine(out, false).Cell(0, "Freq. Hz").Cell(0, "Level dB").End();
    for (int line = 0; line < kFftSpectrumLines; ++line)
        CellLine(out, false)
            .Cell(0, FftFrequencyText(bandwidth, line, false))
            .Cell(0, ReportNumber{r.GetSpectrumLine(line), 1})
            .End();
    out << std::endl;
}

}  // namespace

int ReportWriter::WriteFftSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots,
                                    const RecordView& setup)
{
    // Without the setup's bandwidth the line frequencies are unknown: the
    // levels are written beside empty frequency cells.
    const FftBandwidth* bandwidth =
        setup.IsEmpty() ? nullptr : FindFftBandwidth(setup.I16(FftSetupFields::kBandwidthIndex));
    if (!Usable(out) || snapshots.GetAt(0) == nullptr)
        return 1;
    const bool text = IsText(format);
    CellLine(out, text).Cell(0, "Snapshot Records").End();
    for (int i = 0; i < snapshots.GetCount(); ++i) {
        const SnapRec* record = snapshots.GetAt(i);
        if (record == nullptr)
            continue;
        if (text)
            WriteTextBlock(out, bandwidth, *record);
        else
            WriteCsvBlock(out, bandwidth, *record);
    }
    return 1;
}
