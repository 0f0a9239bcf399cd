#include "ReportWriter.h"

#include <iomanip>

#include "ExportCells.h"
#include "TimeTexts.h"

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
        CellLine(out, true).Cell(12, "Translated:").Cell(20, DateTimeText(translated)).End();
        // The rule: an empty cell filled with minus signs. The fill is a
        // blank after it, whatever it was before.
        out.fill('-');
        CellLine(out, true).Cell(80, "").End();
        out.fill(' ');
    } else {
        CellLine(out, false)
            .Cell(0, "Translated:")
            .Cell(0, DateText(translated))
            .Cell(0, ClockText(translated))
            .End();
    }
    return 1;
}
