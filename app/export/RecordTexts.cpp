#include "RecordTexts.h"

#include "FormatShortDate.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"

std::string LevelText(float level) { return FormatReportNumber(level, 1, 0); }

std::string DateText(uint32_t stamp) { return FormatLocalTime(ToTime(stamp), "%d-%b-%Y"); }

std::string ShortDateText(const RecordView& setup, size_t offset)
{
    std::string date;
    return FormatShortDate(setup.Text(offset, SetupRecordFields::kDateLength), date);
}
