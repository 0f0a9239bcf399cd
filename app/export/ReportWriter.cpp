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
    const bool text = IsText(format);
    // Left alignment for the whole file, added to the flags as they stand.
    if (text)
        out << std::setiosflags(std::ios::left);
    CellLine(out, text).Cell(40, title).End();
    if (text) {
        CellLine(out, true).Cell(12, "Translated:").Cell(20, FormatLocalTime(translated, "%d-%b-%Y %H:%M:%S")).End();
        // The rule: an empty cell filled with minus signs. The fill is a
        // blank after it, whatever it was before.
        out.fill('-');
        CellLine(out, true).Cell(80, "").End();
        out.fill(' ');
    } else {
        CellLine(out, false)
            .Cell(0, "Translated:")
            .Cell(0, FormatLocalTime(translated, "%d-%b-%Y"))
            .Cell(0, FormatLocalTime(translated, "%H:%M:%S"))
            .End();
    }
    return 1;
}
