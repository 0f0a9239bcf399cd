#include "SummaryTableSupport.h"

#include <cmath>

#include "KeptRecordFields.h"
#include "ReportNumbers.h"

std::string LeftCell(const std::string& text, size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string RightCell(const std::string& text, size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

uint32_t EndTime(uint32_t start, float elapsedSeconds)
{
    const double end = std::trunc(static_cast<double>(ToTime(start)) + elapsedSeconds);
    if (!std::isfinite(end) || end < 0 || end > 4294967295.0)
        return start;
    return static_cast<uint32_t>(end);
}

std::string LnStartLevelText(int level)
{
    return RightCell(std::to_string(level), 2) + " dB";
}

std::string MarkLabel(int cause)
{
    return "Mark" + std::to_string(cause == 0 ? 0 : cause - 10);
}

std::string CauseLabel(int cause, const std::string& causeText, const RecordView& parameters)
{
    return (cause >= 11 && cause <= 16) ? MarkName(parameters, cause - 10) : causeText;
}
