// The snapshots of a ZU-Reru measurement: the sound level meter values, the
// one-third octave spectra and the tonality of a moment, each kind in its
// own block. The CSV blocks write their levels as stream numbers, so they
// show the precision the stream holds (3 decimals after the common header,
// one once an SLM block has set it).
#include <array>
#include <iomanip>

#include "ExportFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "TalSnapshotRows.h"

namespace {

using namespace talsnapshot;

std::string RecordLine(const SnapRec& record, const char* format)
{
    return ComposeText(format, static_cast<int>(static_cast<int32_t>(record.GetRecordNumber())));
}

std::time_t StandardTime(const SnapRec& record)
{
    return ToTime(record.GetStandardTime());
}

// The text layout's second line: the label and the time in 15 and 26
// columns, left-aligned.
void TimestampLine(std::ostream& out, const SnapRec& r)
{
    out << std::setw(15) << "Timestamp:" << std::setw(26) << FormatLocalTime(StandardTime(r), "%d-%b-%Y %H:%M:%S")
        << std::endl;
}

}  // namespace

int ReportWriter::WriteTalSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots)
{
    if (!Usable(out) || snapshots.GetAt(0) == nullptr)
        return 1;
    const bool text = IsText(format);
    if (text) {
        out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed) << std::setprecision(1);
        out << "Snapshot Records" << std::endl;
    } else if ((out.flags() & std::ios::floatfield) == std::ios::fmtflags{}) {
        // No common header before this report (the download's report export
        // can leave it out): fixed notation rather than "7e+01".
        out << std::setiosflags(std::ios::fixed);
    }
    for (int i = 0; i < snapshots.GetCount(); ++i) {
        const SnapRec* record = snapshots.GetAt(i);
        if (record == nullptr)
            continue;
        if (!text)
            CsvField(out, "Snapshot Records") << std::endl;
        switch (record->GetSubKind()) {
        case SnapRec::kTalSlm:
            text ? WriteTalSlmSnapshotText(out, *record) : WriteTalSlmSnapshotCsv(out, *record);
            break;
        case SnapRec::kTalRta:
            text ? WriteTalRtaSnapshotText(out, *record) : WriteTalRtaSnapshotCsv(out, *record);
            break;
        default:
            text ? WriteTalToneSnapshotText(out, *record) : WriteTalToneSnapshotCsv(out, *record);
            break;
        }
    }
    return 1;
}

void ReportWriter::WriteTalSlmSnapshotText(std::ostream& out, const SnapRec& r)
{
    out << RecordLine(r, "***Record #%d***") << std::endl;
    TimestampLine(out, r);
    out << std::endl;
    for (const auto& row : IndicatorRows(r)) {
        for (const Indicator& cell : row)
            out << ComposeText("%-12s  %6s dB     ", (std::string(cell.label) + ":").c_str(),
                               FormatFixed(cell.level, 2).c_str());
        out << std::endl;
    }
    out << std::endl;
    out << ComposeText("%15s    %8s    %8s    %8s", " ", "A Weight", "C Weight", "Flat") << std::endl;
    for (const WeightingRow& row : kWeightingRows)
        out << ComposeText("%-15s  %6s dBA  %6s dBC  %6s dBF", row.label,
                           FormatFixed(WeightingLevel(r, row, 0), 2).c_str(),
                           FormatFixed(WeightingLevel(r, row, 1), 2).c_str(),
                           FormatFixed(WeightingLevel(r, row, 2), 2).c_str())
            << std::endl;
    out << std::endl;
    for (int i = 0; i < 6; ++i) {
        const std::string percentile = FormatFixed(r.GetLnPercent(i), 2, 5);
        out << ComposeText("L(%s)  %s", percentile.c_str(), FormatReportNumber(r.GetLnLevel(i), 1, 4)) << std::endl;
    }
    out << std::endl;
}

void ReportWriter::WriteTalSlmSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    CsvField(out, RecordLine(r, "***Record #%d***")) << std::endl;
    CsvField(CsvField(out, "Timestamp:"), FormatLocalTime(StandardTime(r), "%d-%b-%Y %H:%M:%S")) << std::endl;
    out << std::endl;
    for (const auto& row : IndicatorRows(r)) {
        for (const Indicator& cell : row)
            CsvField(CsvField(out, cell.label), FormatFixed(cell.level, 2) + " dB");
        out << std::endl;
    }
    out << std::endl;
    CsvField(CsvField(CsvField(CsvField(out, ""), "A Weight"), "C Weight"), "Flat") << std::endl;
    for (const WeightingRow& row : kWeightingRows) {
        CsvField(out, row.label);
        for (int w = 0; w < 3; ++w)
            CsvField(out, FormatFixed(WeightingLevel(r, row, w), 2) + " " + kWeightingUnits[static_cast<size_t>(w)]);
        out << std::endl;
    }
    out << std::endl;
    for (int i = 0; i < 6; ++i) {
        CsvField(out, "L" + FormatFixed(r.GetLnPercent(i), 2));
        // One decimal from here on, for this and every later block.
        out << std::setprecision(1);
        CsvField(out, r.GetLnLevel(i)) << std::endl;
    }
    out << std::endl;
}

void ReportWriter::WriteTalRtaSnapshotText(std::ostream& out, const SnapRec& r)
{
    const std::time_t time = StandardTime(r);
    out << RecordLine(r, "***Record #%d***") << std::endl;
    out << ComposeText("%11s  %8s", "Date", "Time") << std::endl;
    out << ComposeText("%11s  %8s", FormatLocalTime(time, "%d-%b-%Y").c_str(),
                       FormatLocalTime(time, "%H:%M:%S").c_str())
        << std::endl;
    out << std::endl;
    out << ComposeText("  %8s %9s %10s  %8s %9s %10s", "Freq.Hz", "Leq 1/3dB", "Live 1/3dB", "Freq.Hz", "Leq 1/3dB",
                       "Live 1/3dB")
        << std::endl;
    const auto cell = [&r](int band) {
        return ComposeText("  %8s  %8s   %8s", TalBandLabel(band).c_str(), FormatFixed(r.GetLeqBand(band), 2).c_str(),
                           FormatFixed(r.GetLiveBand(band), 2).c_str());
    };
    for (int row = 0; row < kLeftColumnBands; ++row) {
        out << cell(row);
        if (row + kLeftColumnBands < kBandCount)
            out << cell(row + kLeftColumnBands);
        out << std::endl;
    }
    out << std::endl;
}

void ReportWriter::WriteTalRtaSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    const std::time_t time = StandardTime(r);
    CsvField(out, RecordLine(r, "***Record #%d***")) << std::endl;
    CsvField(CsvField(out, "Date"), "Time") << std::endl;
    CsvField(CsvField(out, FormatLocalTime(time, "%d-%b-%Y")), FormatLocalTime(time, "%H:%M:%S")) << std::endl;
    out << std::endl;
    CsvField(CsvField(CsvField(out, "Freq.Hz"), "Leq 1/3dB"), "Live 1/3dB") << std::endl;
    for (int band = 0; band < kBandCount; ++band)
        CsvField(CsvField(CsvField(out, TalBandLabel(band)), r.GetLeqBand(band)), r.GetLiveBand(band)) << std::endl;
    out << std::endl;
}

void ReportWriter::WriteTalToneSnapshotText(std::ostream& out, const SnapRec& r)
{
    out << RecordLine(r, "***Record #%d***") << std::endl;
    TimestampLine(out, r);
    out << std::endl;
    const float tone = r.GetToneLevel();
    const float group = r.GetGroupLevel();
    out << ComposeText("%-25s  %5d Hz     %-11s  %6s dB", "ft (Freq. tone)", r.GetToneFrequency(), "Lt (Ltone)",
                       FormatFixed(tone, 2).c_str())
        << std::endl;
    out << ComposeText("%-25s  %5d Hz     %-11s  %6s dB", "delta fc (BARQ Bandwidth)", r.GetDeltaFc(), "Lg (LGroup)",
                       FormatFixed(group, 2).c_str())
        << std::endl;
    out << ComposeText("%-25s  %5s        %-11s  %6s dB", " ", " ", "Lt-Lg", FormatFixed(tone - group, 2).c_str())
        << std::endl;
    out << std::endl;
}

void ReportWriter::WriteTalToneSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    CsvField(out, RecordLine(r, "RecordNum #%d")) << std::endl;
    CsvField(CsvField(out, "Timestamp:"), FormatLocalTime(StandardTime(r), "%d-%b-%Y %H:%M:%S")) << std::endl;
    out << std::endl;
    const float tone = r.GetToneLevel();
    const float group = r.GetGroupLevel();
    CsvField(CsvField(CsvField(out, "ft (Freq. tone)"), r.GetToneFrequency()), "Hz");
    CsvField(CsvField(CsvField(out, "Lt (Ltone)"), tone), "dB") << std::endl;
    CsvField(CsvField(CsvField(out, "delta fc (BARQ Bandwidth)"), r.GetDeltaFc()), "Hz");
    CsvField(CsvField(CsvField(out, "Lg (LGroup)"), group), "dB") << std::endl;
    CsvField(CsvField(CsvField(out, " "), " "), " ");
    CsvField(CsvField(CsvField(out, "Lt-Lg"), tone - group), "dB") << std::endl;
    out << std::endl;
}
