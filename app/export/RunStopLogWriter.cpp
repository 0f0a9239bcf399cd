// The run/stop log: every start, stop, pause, continue, reset and mark.
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"

namespace {
constexpr int kMarkState = 32;
}  // namespace

int ReportWriter::WriteRunStopLog(std::ostream& out, ExportFormat format, const RSMgr& runStops,
                                  const RecordView& parameters)
{
    if (!Usable(out) || runStops.GetCount() == 0)
        return 1;
    out << std::setiosflags(std::ios::left) << std::fixed << std::setprecision(1);
    const bool text = IsText(format);
    CellLine heading(out, text);
    for (const char* cell : {"Rec #", "Date", "Time", "R/S Num", "Type", "Cause"})
        heading.Cell(12, cell);
    heading.Cell(14, "Time Hist Num").End();
    for (int i = 0; i < runStops.GetCount(); ++i) {
        const RSRec* entry = runStops.GetAt(i);
        if (!entry)
            continue;
        const bool mark = entry->GetStateCode() == kMarkState;
        std::string state, cause;
        entry->GetStateText(state);
        entry->GetCauseText(cause);
        const std::string cells[] = {
            std::to_string(entry->GetRecordNumber()),
            DateText(entry->GetTime()),
            ClockText(entry->GetTime()),
            mark ? std::string(" ") : std::to_string(entry->GetRunStopNumber()),
            mark ? MarkLabel(entry->GetCauseCode()) : state,
            CauseLabel(entry->GetCauseCode(), cause, parameters),
            std::to_string(entry->GetThRecordNumber()),
        };
        CellLine row(out, text);
        for (const std::string& cell : cells)
            row.Cell(12, cell);
        row.End();
    }
    return 1;
}
