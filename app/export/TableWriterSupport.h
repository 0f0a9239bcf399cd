#pragma once
// What the record table writers share: table lines written cell by cell
// (in the text layout each cell in its width under the stream's current
// alignment, in the CSV layout one field per cell) and the record texts of
// their cells.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "BandNames.h"
#include "ExportCells.h"
#include "RecordTexts.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"

// A setting line above a table: the label in 16 and the value in 5
// characters (text), or the label field and the value closed by the line
// closer, with no comma after it (CSV).
inline void SettingValueLine(std::ostream& out, bool text, const char* label, const std::string& value)
{
    CellLine(out, text).Cell(16, label).EndWithCell(5, value);
}

inline void SetLeft(std::ostream& out) { out.setf(std::ios::left, std::ios::adjustfield); }
inline void SetFixed(std::ostream& out) { out.setf(std::ios::fixed, std::ios::floatfield); }

// A record number as the instrument counts it: a signed 32-bit number.
inline int32_t RecordNumber(uint32_t stored) { return static_cast<int32_t>(stored); }
// A 16-bit count as the instrument keeps it: unsigned, so 40000 prints as
// 40000.
inline uint16_t Count16(unsigned stored) { return static_cast<uint16_t>(stored); }

