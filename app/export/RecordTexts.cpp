#include "RecordTexts.h"

#include "ReportNumbers.h"

std::string LevelText(float level) { return FormatReportNumber(level, 1, 0); }

std::string DateText(uint32_t stamp) { return FormatLocalTime(ToTime(stamp), "%d-%b-%Y"); }
