#include "ReportWriter.h"

#include <iomanip>

#include "ExportCells.h"
#include "ReportNumbers.h"

int ReportWriter::WriteTitle(const char* title, std::ostream& out, ExportFormat format, std::time_t translated)
{
    if (!Usable(out))
        return 1;
    if (title == nullptr)
        title = "";
    if (IsText(format)) {
        out << std::setiosflags(std::ios::left) << std::setw(40) << title << std::endl;
        out << std::setw(12) << "Translated:" << std::setw(20) << FormatLocalTime(translated, "%d-%b-%Y %H:%M:%S")
            << std::endl;
        out << std::setfill('-') << std::setw(80) << "" << std::setfill(' ') << std::endl;
    } else {
        CsvField(out, title) << std::endl;
        out << kFieldOpen << "Translated:" << kFieldClose << kFieldOpen << FormatLocalTime(translated, "%d-%b-%Y")
            << kFieldClose << kFieldOpen << FormatLocalTime(translated, "%H:%M:%S") << kFieldClose << std::endl;
    }
    return 1;
}
