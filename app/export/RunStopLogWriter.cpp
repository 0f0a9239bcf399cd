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
    if (text) {
        out << std::setw(12) << "Rec #" << std::setw(12) << "Date" << std::setw(12) << "Time" << std::setw(12)
            << "R/S Num" << std::setw(12) << "Type" << std::setw(12) << "Cause" << std::setw(14) << "Time Hist Num"
            << std::endl;
    } else {
        for (const char* heading : {"Rec #", "Date", "Time", "R/S Num", "Type", "Cause", "Time Hist Num"})
            CsvField(out, heading);
        out << std::endl;
    }
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
        for (const std::string& cell : cells) {
            if (text)
                out << std::setw(12) << cell;
            else
                CsvField(out, cell);
        }
        out << std::endl;
    }
    return 1;
}
