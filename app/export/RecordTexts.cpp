#include "RecordTexts.h"

#include "FormatShortDate.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "TimeTexts.h"

std::string LevelText(float level) { return FormatReportNumber(level, 1, 0); }

std::string ShortDateText(const RecordView& setup, size_t offset)
{
    std::string date;
    return FormatShortDate(setup.Text(offset, SetupRecordFields::kDateLength), date);
}

std::string DurationText(float seconds, int decimals, int format)
{
    std::string text;
    SecondsToTime(seconds, text, decimals, format);
    return text;
}
