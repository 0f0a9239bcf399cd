#include "SettingsWriterSupport.h"

#include <iomanip>

#include "ExportFields.h"
#include "FormatShortDate.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"

void WriteRightAligned(std::ostream& out, int width, const std::string& value)
{
    out << std::resetiosflags(std::ios::left) << std::setw(width) << value << std::setiosflags(std::ios::left);
}

void WriteSettingLines(std::ostream& out, ExportFormat format, SettingColumns columns,
                       const std::vector<SettingLine>& lines)
{
    const bool text = format == kTextFormat;
    for (const SettingLine& line : lines) {
        if (line.kind == SettingLine::kHeading) {
            if (text)
                out << line.label;
            else
                CsvField(out, line.label);
        } else if (line.kind == SettingLine::kValue) {
            if (text) {
                out << columns.indent;
                TextLabel(out, columns.labelWidth, line.label);
                if (line.valueWidth > 0)
                    WriteRightAligned(out, line.valueWidth, line.value);
                else
                    out << std::setw(-line.valueWidth) << line.value;
                out << line.textUnit;
            } else {
                CsvField(out, line.label);
                CsvField(out, line.value);
                if (line.csvUnit != nullptr)
                    CsvField(out, line.csvUnit);
            }
        }
        out << std::endl;
    }
}

void StartSettings(std::ostream& out, ExportFormat format, int precision)
{
    if (format == kTextFormat)
        out << std::setiosflags(std::ios::left);
    out << std::setiosflags(std::ios::fixed) << std::setprecision(precision);
}

void WriteLnPercentiles(std::ostream& out, ExportFormat format, const RecordView& setup, size_t offset)
{
    for (size_t i = 0; i < 6; ++i) {
        const float percentile = setup.F32(offset + 4 * i);
        if (format == kTextFormat)
            out << "  " << std::setw(3) << "L" << std::setw(6) << FormatFixed(percentile, 2);
        else
            CsvField(out, "L " + FormatFixed(percentile, 1));
        out << std::endl;
    }
}

std::string ShortDateText(const RecordView& setup, size_t offset)
{
    std::string date;
    return FormatShortDate(setup.Text(offset, 12), date);
}

std::vector<SettingLine> TimerLines(const RecordView& setup, const TimerFields& at)
{
    constexpr size_t kTimeSlot = 6;
    return {
        Heading("Timer"),
        Setting("Timer Mode:", ValueText(&LOGSetup::TimerModeText, setup.U8(at.mode))),
        Setting("Start Date:", ShortDateText(setup, at.startDate)),
        Setting("Stop Date:", ShortDateText(setup, at.stopDate)),
        Setting("Start Time 1:", setup.Text(at.startTime1, kTimeSlot)),
        Setting("Start Time 2:", setup.Text(at.startTime2, kTimeSlot)),
        Setting("Stop Time 1:", setup.Text(at.stopTime1, kTimeSlot)),
        Setting("Stop Time 2:", setup.Text(at.stopTime2, kTimeSlot)),
    };
}

std::vector<SettingLine> IntervalSwitchLines(int flags)
{
    return {
        Setting("Intervals:", EnabledText(flags & 0x80)),
        Setting("Interval Time Sync:", YesNo(flags & 0x20)),
        Setting("Interval Save Ln:", YesNo(flags & 0x40)),
        Setting("Interval Save Ln Table:", YesNo(flags & 0x01)),
        Setting("Interval Auto Stop:", YesNo(flags & 0x10)),
    };
}
