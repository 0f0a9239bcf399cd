#pragma once
// Small pieces of both export layouts that every writer uses.
#include <iomanip>
#include <ostream>

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
