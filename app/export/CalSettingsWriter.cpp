// The calibration settings, from the calibration record (output kind 50):
// the offset, when the instrument was last calibrated and checked, and the
// level the check found.
#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "RecordTexts.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"

namespace {

using namespace CalibrationFields;

// A label and a value of width 6 (text: right-aligned) or two fields (CSV).
void LevelLine(std::ostream& out, bool text, const char* textLabel, const char* csvLabel, float level)
{
    const std::string value = FormatFixed(level, 2);
    CellLine(out, text)
        .TextOnly(20, textLabel)
        .CsvOnly(csvLabel)
        .AlignRight()
        .Cell(6, value)
        .AlignLeft()
        .End();
}

// The date and the time of a stamp, each after its label.
void TimeLine(std::ostream& out, bool text, const char* dateLabel, const char* timeLabel, uint32_t stamp)
{
    const std::string date = DateText(stamp);
    const std::string clock = ClockText(stamp);
    CellLine(out, text).Cell(20, dateLabel).Cell(14, date).Cell(20, timeLabel).Cell(12, clock).End();
}

}  // namespace

int ReportWriter::WriteCalSettings(std::ostream& out, ExportFormat format, const RecordView& r)
{
    if (!Usable(out) || r.IsEmpty())
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 2);

    LevelLine(out, text, "Calibration Offset: ", "Calibration Offset:", r.F32(kOffset));
    TimeLine(out, text, "Calibration Date:", "Calibration Time:", r.U32(kCalibrationTime));
    TimeLine(out, text, "Calib Check Date:", "Calib Check Time:", r.U32(kCheckTime));
    LevelLine(out, text, "Calib Check Level:", "Calib Check Level:", r.F32(kCheckLevel));
    return 1;
}
