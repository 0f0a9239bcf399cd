#pragma once
// Small pieces of both export layouts that every writer uses.
#include <iomanip>
#include <ostream>
#include <string>

#include "ReportWriter.h"

// One CSV field: quote, the item as the stream formats it, quote and comma.
template <class T>
std::ostream& CsvField(std::ostream& out, const T& item)
{
    return out << kFieldOpen << item << kFieldClose;
}

// The label of a text-layout line, left-aligned in its column.
inline std::ostream& TextLabel(std::ostream& out, int width, const char* label)
{
    return out << std::setw(width) << label;
}

// A line or cell composed with a printf format, as the reports compose their
// fixed columns. Give numbers with decimals as texts of FormatFixed or
// FormatReportNumber ("%6s"), so that ties round away from zero; integers
// and texts may be formatted directly.
std::string ComposeText(const char* format, ...) __attribute__((format(printf, 1, 2)));
