// The snapshots of a ZU-Reru measurement: the sound level meter values, the
// one-third octave spectra and the tonality of a moment, each kind in its
// own block. The CSV blocks write their levels as stream numbers, so they
// show the precision the stream holds (3 decimals after the common header,
// one once an SLM block has set it).
#include <array>
#include <iomanip>

#include "ExportCells.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "TableWriterSupport.h"
#include "TalSnapshotRows.h"
#include "TimeTexts.h"

namespace {

using namespace talsnapshot;

// The record's title line, "***Record #5***": prefix, the record number,
// suffix; one cell in either layout.
void RecordLine(std::ostream& out, bool text, const SnapRec& record, const char* prefix, const char* suffix)
{
    CellLine(out, text).Cell(0, prefix + std::to_string(RecordNumber(record.GetRecordNumber())) + suffix).End();
}

// The label and the time, in 15 and 26 columns left-aligned (text) or as two
// fields (CSV).
void TimestampLine(std::ostream& out, bool text, const SnapRec& r)
{
    CellLine(out, text)
        .Left(15, "Timestamp:")
        .Left(26, DateTimeText(r.GetStandardTime()))
        .End();
}

// A date and a time right-aligned in 11 and 8 columns two apart (text), or
// two fields (CSV).
void DateTimeLine(std::ostream& out, bool text, const std::string& date, const std::string& time)
{
    CellLine(out, text).Right(11, date).TextOnly(0, "  ").Right(8, time).AlignLeft().End();
}

// A band of the RTA snapshot: its name, the Leq and the live level; in the
// text layout in 8 columns each with two or three blanks before them and two
// decimals, in CSV as fields, the levels as stream numbers.
void BandCells(CellLine& line, const SnapRec& r, int band)
{
    const float leq = r.GetLeqBand(band);
    const float live = r.GetLiveBand(band);
    line.TextOnly(0, "  ")
        .Right(8, TalBandLabel(band))
        .TextOnly(0, "  ")
        .Split(std::ios::right, 8, FormatFixed(leq, 2), leq)
        .TextOnly(0, "   ")
        .Split(std::ios::right, 8, FormatFixed(live, 2), live);
}

// A tonality line: a label, a figure in Hz (in 5, after two blanks), a level
// label (in 11) and a level in dB (in 6 with two decimals, after two
// blanks); in CSV fields, the level a stream number. The Lt-Lg line has
// blanks for the figure and its unit.
void ToneLine(std::ostream& out, bool text, const char* label, const std::string& hz, const char* levelLabel,
              float level)
{
    const bool blank = hz == " ";
    CellLine(out, text)
        .Left(25, label)
        .TextOnly(0, "  ")
        .Right(5, hz)
        .Split(std::ios::left, 0, blank ? "        " : " Hz     ", blank ? " " : "Hz")
        .Left(11, levelLabel)
        .TextOnly(0, "  ")
        .Split(std::ios::right, 6, FormatFixed(level, 2), level)
        .Split(std::ios::left, 0, " dB", "dB")
        .End();
}

void ToneLines(std::ostream& out, bool text, const SnapRec& r)
{
    const float tone = r.GetToneLevel();
    const float group = r.GetGroupLevel();
    ToneLine(out, text, "ft (Freq. tone)", std::to_string(r.GetToneFrequency()), "Lt (Ltone)", tone);
    ToneLine(out, text, "delta fc (BARQ Bandwidth)", std::to_string(r.GetDeltaFc()), "Lg (LGroup)", group);
    ToneLine(out, text, " ", " ", "Lt-Lg", tone - group);
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
            CellLine(out, false).Cell(0, "Snapshot Records").End();
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
    RecordLine(out, true, r, "***Record #", "***");
    TimestampLine(out, true, r);
    out << std::endl;
    for (const auto& row : IndicatorRows(r)) {
        CellLine line(out, true);
        for (const Indicator& cell : row)
            line.Left(12, std::string(cell.label) + ":")
                .TextOnly(0, "  ")
                .Right(6, FormatFixed(cell.level, 2))
                .TextOnly(0, " dB     ");
        line.AlignLeft().End();
    }
    out << std::endl;
    CellLine(out, true).Right(15, " ").Right(12, "A Weight").Right(12, "C Weight").Right(12, "Flat").AlignLeft().End();
    for (const WeightingRow& row : kWeightingRows) {
        CellLine line(out, true);
        line.Left(15, row.label);
        for (int w = 0; w < 3; ++w)
            line.TextOnly(0, "  ")
                .Right(6, FormatFixed(WeightingLevel(r, row, w), 2))
                .TextOnly(0, " ")
                .TextOnly(0, kWeightingUnits[static_cast<size_t>(w)]);
        line.AlignLeft().End();
    }
    out << std::endl;
    for (int i = 0; i < 6; ++i)
        CellLine(out, true)
            .TextOnly(0, "L(")
            .Right(5, FormatFixed(r.GetLnPercent(i), 2))
            .TextOnly(0, ")  ")
            .Right(4, ReportNumber{r.GetLnLevel(i), 1})
            .AlignLeft()
            .End();
    out << std::endl;
}

void ReportWriter::WriteTalSlmSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    RecordLine(out, false, r, "***Record #", "***");
    TimestampLine(out, false, r);
    out << std::endl;
    for (const auto& row : IndicatorRows(r)) {
        CellLine line(out, false);
        for (const Indicator& cell : row)
            line.Cell(0, cell.label).Cell(0, FormatFixed(cell.level, 2) + " dB");
        line.End();
    }
    out << std::endl;
    CellLine(out, false).Cell(0, "").Cell(0, "A Weight").Cell(0, "C Weight").Cell(0, "Flat").End();
    for (const WeightingRow& row : kWeightingRows) {
        CellLine line(out, false);
        line.Cell(0, row.label);
        for (int w = 0; w < 3; ++w)
            line.Cell(0, FormatFixed(WeightingLevel(r, row, w), 2) + " " + kWeightingUnits[static_cast<size_t>(w)]);
        line.End();
    }
    out << std::endl;
    for (int i = 0; i < 6; ++i) {
        CellLine line(out, false);
        line.Cell(0, "L" + FormatFixed(r.GetLnPercent(i), 2));
        // One decimal from here on, for this and every later block.
        out << std::setprecision(1);
        line.Cell(0, r.GetLnLevel(i)).End();
    }
    out << std::endl;
}

void ReportWriter::WriteTalRtaSnapshotText(std::ostream& out, const SnapRec& r)
{
    RecordLine(out, true, r, "***Record #", "***");
    DateTimeLine(out, true, "Date", "Time");
    DateTimeLine(out, true, DateText(r.GetStandardTime()), ClockText(r.GetStandardTime()));
    out << std::endl;
    CellLine heading(out, true);
    for (int column = 0; column < 2; ++column)
        heading.Right(10, "Freq.Hz").Right(10, "Leq 1/3dB").Right(11, "Live 1/3dB");
    heading.AlignLeft().End();
    for (int row = 0; row < kLeftColumnBands; ++row) {
        CellLine line(out, true);
        BandCells(line, r, row);
        if (row + kLeftColumnBands < kBandCount)
            BandCells(line, r, row + kLeftColumnBands);
        line.AlignLeft().End();
    }
    out << std::endl;
}

void ReportWriter::WriteTalRtaSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    RecordLine(out, false, r, "***Record #", "***");
    DateTimeLine(out, false, "Date", "Time");
    DateTimeLine(out, false, DateText(r.GetStandardTime()), ClockText(r.GetStandardTime()));
    out << std::endl;
    CellLine(out, false).Cell(0, "Freq.Hz").Cell(0, "Leq 1/3dB").Cell(0, "Live 1/3dB").End();
    for (int band = 0; band < kBandCount; ++band) {
        CellLine line(out, false);
        BandCells(line, r, band);
        line.End();
    }
    out << std::endl;
}

void ReportWriter::WriteTalToneSnapshotText(std::ostream& out, const SnapRec& r)
{
    RecordLine(out, true, r, "***Record #", "***");
    TimestampLine(out, true, r);
    out << std::endl;
    ToneLines(out, true, r);
    out << std::endl;
}

void ReportWriter::WriteTalToneSnapshotCsv(std::ostream& out, const SnapRec& r)
{
    RecordLine(out, false, r, "RecordNum #", "");
    TimestampLine(out, false, r);
    out << std::endl;
    ToneLines(out, false, r);
    out << std::endl;
}
