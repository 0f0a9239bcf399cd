// The time history of a logging measurement: level samples with the columns
// that the setup chose, and run/stop entries with their cause.
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"
#include "ThColumns.h"

namespace {
enum class Extra { kNone, kOtherLevel, kAdvanced };
}  // namespace

int ReportWriter::WriteLogTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& history,
                                      const RecordView& setup, const RecordView& parameters)
{
    if (!Usable(out) || history.GetCount() == 0)
        return 1;
    const ThSetup th(setup, ThMode::kLog);
    Extra extra = Extra::kNone;
    if (th.OneOtherLevel())
        extra = Extra::kOtherLevel;
    else if (th.Advanced())
        extra = Extra::kAdvanced;
    const std::vector<ThColumn> columns = extra == Extra::kAdvanced ? ThAdvancedColumns(th) : std::vector<ThColumn>{};
    const std::string otherHeading = ThOtherLevelHeading(th);
    const bool text = IsText(format);

    if (text)
        out << std::setiosflags(std::ios::left);
    out << std::fixed << std::setprecision(text ? 2 : 1);
    WriteThHeadingStart(out, text);
    CellLine heading(out, text);
    if (extra == Extra::kOtherLevel)
        heading.Cell(9, otherHeading);
    // The text headings come padded to their columns.
    for (const ThColumn& column : columns)
        heading.Cell(0, text ? ThTextHeading(column, th) : ThCsvHeading(column, th));
    if (text)
        out << std::setiosflags(std::ios::left);
    heading.End();

    WriteThRows(out, text, history, parameters, [&](const ThRec& record) {
        CellLine line(out, text);
        // The text Leq is the stream's number (999.0 shows as a number here),
        // the CSV one a report level.
        out.precision(1);
        if (text)
            line.AlignRight().Cell(6, record.GetLeq());
        else
            line.Cell(0, ReportNumber{record.GetLeq()});
        if (extra == Extra::kOtherLevel)
            line.Cell(9, ThOtherLevel(record));
        for (const ThColumn& column : columns)
            line.Cell(10, ThValue(column, record, th, ThReadings::kLevels));
    });
    return 1;
}
