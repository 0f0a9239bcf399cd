#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "SetupValueTexts.h"
#include "TableWriterSupport.h"
#include "ThColumns.h"

namespace {

// The first four text columns: record number, date, time, Leq.
constexpr int kLeadWidth = 9 + 12 + 12 + 6;
constexpr int kColumnWidth = 10;
constexpr int kOtherLevelWidth = 9;
constexpr int kSpectrumTitleTail = 308;

// The detector and auxiliary headings whose bits are set.
void WriteColumnHeadings(CellLine& line, const std::vector<ThColumn>& columns, const ThSetup& th, bool text)
{
    for (const ThColumn& column : columns)
        line.Cell(0, text ? ThTextHeading(column, th) : ThCsvHeading(column, th));
}

// The detector and auxiliary values whose bits are set; battery, external
// input and temperature are the stream's own numbers (fixed, 1 decimal).
void WriteColumnValues(CellLine& line, const std::vector<ThColumn>& columns, const ThSetup& th, const ThRec& rec)
{
    for (const ThColumn& column : columns)
        line.Cell(kColumnWidth, ThValue(column, rec, th, ThReadings::kOneDecimalToEven));
}

void WriteSpectrumValues(CellLine& line, ThSpectrum spectrum, const ThRec& rec)
{
    if (spectrum == ThSpectrum::kNone)
        return;
    for (int band = 0; band < kThBands; ++band) {
        if (!rec.HasDetectorLevels())
            line.Cell(kColumnWidth, std::string());
        else
            line.Cell(kColumnWidth, LevelText(ThBandLevel(rec, spectrum, band)));
    }
}

}  // namespace

int ReportWriter::CountTalTimeHistoryColumns(const RecordView& setup, int* width)
{
    const int bits = static_cast<int>(ThAdvancedColumns(ThSetup(setup, ThMode::kTal)).size());
    if (width != nullptr)
        *width = kLeadWidth + kColumnWidth * bits;
    return 4 + bits;
}

int ReportWriter::WriteTalTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& timeHistory,
                                      const RecordView& setup, const RecordView& parameters)
{
    if (!Usable(out) || setup.IsEmpty() || timeHistory.GetCount() <= 0)
        return 1;
    const bool text = IsText(format);
    const ThSetup th(setup, ThMode::kTal);
    const ThSpectrum spectrum = ThChosenSpectrum(th);
    const std::vector<ThColumn> columns = ThAdvancedColumns(th);

    if (text) {
        if (spectrum != ThSpectrum::kNone) {
            SetLeft(out);
            SetFixed(out);
            // The title stands over the spectrum, after the columns written
            // before it: the advanced ones, or the one other level.
            int width = kLeadWidth + (th.OneOtherLevel() ? kOtherLevelWidth : 0);
            if (th.Advanced())
                CountTalTimeHistoryColumns(setup, &width);
            CellLine(out, true)
                .Cell(width + 4, " ")
                .Cell(0, ThSpectrumTitle(spectrum, false))
                .Cell(kSpectrumTitleTail, " ")
                .End();
        }
        SetLeft(out);
        SetFixed(out);
        out.precision(2);
        CellLine heading(out, true);
        heading.Cell(9, "Rec #").Cell(12, "Date").Cell(12, "Time").AlignRight().Cell(6, "Leq");
        if (th.OneOtherLevel())
            heading.Cell(kOtherLevelWidth, ThOtherLevelHeading(th));
        else if (th.Advanced())
            WriteColumnHeadings(heading, columns, th, true);
        // Every spectrum column written has its heading.
        if (spectrum != ThSpectrum::kNone)
            for (int band = 0; band < kThBands; ++band)
                heading.Cell(kColumnWidth, ThBandHeading(band));
        heading.AlignLeft().End();
    } else {
        if (spectrum != ThSpectrum::kNone) {
            out << std::string(static_cast<size_t>(CountTalTimeHistoryColumns(setup)), ',') << ThSpectrumTitle(spectrum, false)
                << std::string(kThBands, ',') << std::endl;
        }
        SetFixed(out);
        out.precision(1);
        CellLine heading(out, false);
        heading.Cell(0, "Rec #").Cell(0, "Date").Cell(0, "Time").Cell(0, "Leq");
        WriteColumnHeadings(heading, columns, th, false);
        if (spectrum != ThSpectrum::kNone)
            for (int band = 0; band < kThBands; ++band)
                heading.Cell(0, ThBandHeading(band));
        heading.End();
    }

    for (int i = 0; i < timeHistory.GetCount(); ++i) {
        const ThRec* rec = timeHistory.GetAt(i);
        if (rec == nullptr)
            continue;
        CellLine row(out, text);
        row.Cell(9, RecordNumber(rec->GetRecordNumber()))
            .Cell(12, DateText(rec->GetTime()))
            .Cell(12, ClockText(rec->GetTime()));
        if (!rec->IsLevelSample()) {
            row.Cell(0, ThRunStopText(*rec, parameters));
        } else if (text) {
            // The Leq is the stream's number here: no value shows as 999.0.
            out.precision(1);
            row.AlignRight().Cell(6, rec->GetLeq());
            if (th.OneOtherLevel())
                row.Cell(kOtherLevelWidth, ThOtherLevel(*rec));
            else if (th.Advanced())
                WriteColumnValues(row, columns, th, *rec);
            WriteSpectrumValues(row, spectrum, *rec);
        } else {
            row.Cell(0, LevelText(rec->GetLeq()));
            WriteColumnValues(row, columns, th, *rec);
            WriteSpectrumValues(row, spectrum, *rec);
        }
        row.AlignLeft().End();
    }
    return 1;
}
