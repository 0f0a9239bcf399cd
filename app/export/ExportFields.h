#pragma once
// Small pieces of both export layouts that every writer uses: the cells
// (ExportCells.h) and composed fixed-column texts.
#include <string>

#include "ExportCells.h"

// A line or cell composed with a printf format, as the reports compose their
// fixed columns. Give numbers with decimals as texts of FormatFixed or
// FormatReportNumber ("%6s"), so that ties round away from zero; integers
// and texts may be formatted directly.
std::string ComposeText(const char* format, ...) __attribute__((format(printf, 1, 2)));
