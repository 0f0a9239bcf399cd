#include <iomanip>

#include "ReportWriter.h"
#include "SummaryWriterSupport.h"

int ReportWriter::WriteIsmSummary(std::ostream& out, ExportFormat format, const RecordView& summary)
{
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed) << std::setprecision(1);
    WriteAnyDataBlock(out, IsText(format), summary, kCurrentSet, "Current Any Data",
                      {.csvBareTitle = false, .csvSplitStartTime = false, .closingEmptyLine = false});
    return 1;
}
