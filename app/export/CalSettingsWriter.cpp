// The calibration settings, from the calibration record (output kind 50):
// the offset, when the instrument was last calibrated and checked, and the
// level the check found.
#include <iomanip>

#include "ExportFields.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"

namespace {

using namespace CalibrationFields;

// A label and a value of width 6 (text: right-aligned) or two fields (CSV).
void LevelLine(std::ostream& out, bool text, const char* textLabel, const char* csvLabel, float level)
{
    const std::string value = FormatFixed(level, 2);
    if (text) {
        TextLabel(out, 20, textLabel);
        WriteRightAligned(out, 6, value);
    } else {
        CsvField(out, csvLabel);
        CsvField(out, value);
    }
    out << std::endl;
}

// The date and the time of a stamp, each after its label.
void TimeLine(std::ostream& out, bool text, const char* dateLabel, const char* timeLabel, uint32_t stamp)
{
    const std::time_t time = ToTime(stamp);
    const std::string date = FormatLocalTime(time, "%d-%b-%Y");
    const std::string clock = FormatLocalTime(time, "%H:%M:%S");
    if (text) {
        TextLabel(out, 20, dateLabel) << std::setw(14) << date;
        TextLabel(out, 20, timeLabel) << std::setw(12) << clock;
    } else {
        CsvField(out, dateLabel);
        CsvField(out, date);
        CsvField(out, timeLabel);
        CsvField(out, clock);
    }
    out << std::endl;
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
