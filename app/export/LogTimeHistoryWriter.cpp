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

    if (text) {
        out << std::setiosflags(std::ios::left) << std::fixed << std::setprecision(2);
        WriteThHeadingStart(out, true);
        if (extra == Extra::kOtherLevel)
            out << std::setw(9) << otherHeading;
        for (const ThColumn& column : columns)
            out << ThTextHeading(column, th);
        out << std::setiosflags(std::ios::left) << std::endl;
    } else {
        out << std::fixed << std::setprecision(1);
        WriteThHeadingStart(out, false);
        if (extra == Extra::kOtherLevel)
            CsvField(out, otherHeading);
        for (const ThColumn& column : columns)
            CsvField(out, ThCsvHeading(column, th));
        out << std::endl;
    }

    WriteThRows(out, text, history, parameters, [&](const ThRec& record) {
        if (text) {
            // The Leq goes through the stream: 999.0 shows as a number here.
            out << std::resetiosflags(std::ios::left) << std::setprecision(1) << std::setw(6) << record.GetLeq();
            if (extra == Extra::kOtherLevel)
                out << std::setw(9) << ThOtherLevel(record);
            for (const ThColumn& column : columns)
                out << std::setw(10) << ThValue(column, record, th, ThReadings::kLevels);
            return;
        }
        CsvField(out, FormatReportNumber(record.GetLeq(), 1, 0));
        if (extra == Extra::kOtherLevel)
            CsvField(out, ThOtherLevel(record));
        for (const ThColumn& column : columns)
            CsvField(out, ThValue(column, record, th, ThReadings::kLevels));
    });
    return 1;
}
