#include "SettingsWriterSupport.h"

#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "RecordTexts.h"
#include "ReportNumbers.h"

void WriteSettingLines(std::ostream& out, ExportFormat format, SettingColumns columns,
                       const std::vector<SettingLine>& lines)
{
    for (const SettingLine& line : lines) {
        CellLine cells(out, format);
        if (line.kind == SettingLine::kHeading) {
            cells.Cell(0, line.label);
        } else if (line.kind == SettingLine::kValue) {
            cells.TextOnly(0, columns.indent).Cell(columns.labelWidth, line.label);
            if (line.valueWidth > 0)
                cells.AlignRight().Cell(line.valueWidth, line.value).AlignLeft();
            else
                cells.Cell(-line.valueWidth, line.value);
            cells.TextOnly(0, line.textUnit);
            if (line.csvUnit != nullptr)
                cells.CsvOnly(line.csvUnit);
        }
        cells.End();
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
        CellLine(out, format)
            .TextOnly(0, "  ")
            .TextOnly(3, "L")
            .TextOnly(6, FormatFixed(percentile, 2))
            .CsvOnly("L " + FormatFixed(percentile, 1))
            .End();
    }
}

std::vector<SettingLine> TimerLines(const RecordView& setup, const TimerFields& at)
{
    return {
        Heading("Timer"),
        Setting("Timer Mode:", ValueText(&LOGSetup::TimerModeText, setup.U8(at.mode))),
        Setting("Start Date:", ShortDateText(setup, at.startDate)),
        Setting("Stop Date:", ShortDateText(setup, at.stopDate)),
        Setting("Start Time 1:", setup.Text(at.startTime1, SetupRecordFields::kTimeLength)),
        Setting("Start Time 2:", setup.Text(at.startTime2, SetupRecordFields::kTimeLength)),
        Setting("Stop Time 1:", setup.Text(at.stopTime1, SetupRecordFields::kTimeLength)),
        Setting("Stop Time 2:", setup.Text(at.stopTime2, SetupRecordFields::kTimeLength)),
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
