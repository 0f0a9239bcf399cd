// The snapshots of an FFT measurement: time, counts, overall level and the
// 401-line spectrum of each, the line frequencies from the measurement's
// bandwidth.
#include <iomanip>

#include "ExportFields.h"
#include "FftSpectrumTable.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"

namespace {

// A text cell: frequency, three blanks, the level in 6 and four blanks.
std::string TextCell(const FftBandwidth* bandwidth, const SnapRec& r, int line)
{
    return FftFrequencyText(bandwidth, line) + "   " + FormatReportNumber(r.GetSpectrumLine(line), 1, 6) + "    ";
}

void WriteTextBlock(std::ostream& out, const FftBandwidth* bandwidth, const SnapRec& r)
{
    out << ComposeText("***Record #%d ***", static_cast<int>(static_cast<int32_t>(r.GetRecordNumber()))) << std::endl;
    out << ComposeText("%14s  %20s", "Timestamp:",
                       FormatLocalTime(ToTime(r.GetStandardTime()), "%d-%b-%Y %H:%M:%S").c_str())
        << std::endl;
    out << ComposeText("%14s  %5u                  %15s  %5u", "Average Count:", r.GetAverageCount(), "Overload Count:",
                       r.GetOverloadCount())
        << std::endl;
    out << ComposeText("%14s  %6s dB", "SPL:", FormatFixed(r.GetSpl(), 2).c_str()) << std::endl;
    out << std::endl;
    out << FftTableHeading() << std::endl;
    out << TextCell(bandwidth, r, 0) << std::endl;
    WriteFftTableRows(out, [&](int line) { return TextCell(bandwidth, r, line); });
    out << std::endl;
}

void WriteCsvBlock(std::ostream& out, const FftBandwidth* bandwidth, const SnapRec& r)
{
    CsvField(out, ComposeText("***Record #%d ***", static_cast<int>(static_cast<int32_t>(r.GetRecordNumber()))))
        << std::endl;
    CsvField(CsvField(out, "Timestamp:"), FormatLocalTime(ToTime(r.GetStandardTime()), "%d-%b-%Y %H:%M:%S"))
        << std::endl;
    CsvField(CsvField(out, "Average Count:"), r.GetAverageCount());
    CsvField(CsvField(CsvField(out, " "), "Overload Count:"), r.GetOverloadCount()) << std::endl;
    CsvField(CsvField(CsvField(out, "SPL:"), FormatReportNumber(r.GetSpl(), 1, 0)), "dB") << std::endl;
    out << std::endl;
    CsvField(CsvField(out, "Freq. Hz"), "Level dB") << std::endl;
    for (int line = 0; line < kFftSpectrumLines; ++line) {
        CsvField(out, FftFrequencyText(bandwidth, line, false));
        CsvField(out, FormatReportNumber(r.GetSpectrumLine(line), 1, 0)) << std::endl;
    }
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
    if (text)
        out << "Snapshot Records" << std::endl;
    else
        CsvField(out, "Snapshot Records") << std::endl;
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
