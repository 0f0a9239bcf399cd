#pragma once
// Small pieces of both export layouts that every writer uses.
#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

#include "ReportWriter.h"

// A text inside CSV quotes with every double quote in it doubled, so that a
// spreadsheet reads back the text as it was (a note such as 6" pipe).
std::ostream& CsvText(std::ostream& out, std::string_view text);

// One CSV field: quote, the item as the stream formats it (a text with its
// quotes doubled), quote and comma.
template <class T>
std::ostream& CsvField(std::ostream& out, const T& item)
{
    if constexpr (std::is_convertible_v<const T&, std::string_view>)
        CsvText(out << kFieldOpen, item);
    else
        out << kFieldOpen << item;
    return out << kFieldClose;
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
