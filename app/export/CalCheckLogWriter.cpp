#include "ReportWriter.h"
#include "TableWriterSupport.h"

int ReportWriter::WriteCalCheckLog(std::ostream& out, ExportFormat format, const CalRecMgr& calibrations)
{
    if (!Usable(out) || calibrations.GetCount() <= 0)
        return 1;
    const bool text = IsText(format);
    // The offset is the stream's own number: one decimal in both layouts,
    // whatever the writer before left.
    SetFixed(out);
    out.precision(1);
    CellLine(out, text)
        .AlignLeft()
        .Cell(12, "Rec #")
        .Cell(12, "Date")
        .Cell(10, "Time")
        .AlignRight()
        .Cell(8, "Level")
        .Cell(8, "Offset")
        .AlignLeft()
        .TextOnly(2, "")
        .Cell(10, "Mode")
        .Cell(12, "Status")
        .End();
    std::string mode;
    std::string status;
    for (int i = 0; i < calibrations.GetCount(); ++i) {
        const CalRec* rec = calibrations.GetAt(i);
        if (rec == nullptr)
            continue;
        // The offset is the stream's own number, so no value shows as 999.0
        // here.
        CellLine(out, text)
            .Cell(12, RecordNumber(rec->GetRecordNumber()))
            .Cell(12, DateText(rec->GetTime()))
            .Cell(10, ClockText(rec->GetTime()))
            .AlignRight()
            .Cell(8, LevelText(rec->GetLevel()))
            .Cell(8, rec->GetOffset())
            .AlignLeft()
            .TextOnly(2, "")
            .Cell(10, rec->GetModeText(mode))
            .Cell(12, rec->GetStatusText(status))
            .End();
    }
    return 1;
}
