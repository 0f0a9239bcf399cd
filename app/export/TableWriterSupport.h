#pragma once
// What the record table writers share: table lines written cell by cell
// (in the text layout each cell in its width under the stream's current
// alignment, in the CSV layout one field per cell) and the record texts of
// their cells.
#include <array>
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <string>

#include "ExportFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "TimeTexts.h"

// One line of a table. Alignment is the stream's: Left() sets the left
// flag, Right() clears it (the right flag is never set, so that a later
// left flag is not spoilt by it), and both last beyond the line, as the
// writers rely on.
class TableLine {
public:
    TableLine(std::ostream& out, bool text) : m_out(out), m_text(text) {}

    template <class T>
    TableLine& Cell(int width, const T& item)
    {
        if (m_text)
            m_out << std::setw(width) << item;
        else
            CsvField(m_out, item);
        return *this;
    }
    template <class T>
    TableLine& TextOnly(int width, const T& item)
    {
        if (m_text)
            m_out << std::setw(width) << item;
        return *this;
    }
    template <class T>
    TableLine& CsvOnly(const T& item)
    {
        if (!m_text)
            CsvField(m_out, item);
        return *this;
    }
    TableLine& Left()
    {
        if (m_text)
            m_out.setf(std::ios::left, std::ios::adjustfield);
        return *this;
    }
    TableLine& Right()
    {
        if (m_text)
            m_out.unsetf(std::ios::left);
        return *this;
    }
    void End() { m_out << std::endl; }

private:
    std::ostream& m_out;
    bool m_text;
};

// A setting line above a table: the label in 16 and the value in 5
// characters (text), or the label field and the value closed by a quote and
// a line feed, with no comma after it (CSV).
inline void SettingValueLine(std::ostream& out, bool text, const char* label, const std::string& value)
{
    if (text)
        out << std::setw(16) << label << std::setw(5) << value << std::endl;
    else
        CsvText(CsvField(out, label) << kFieldOpen, value) << kLineClose;
}

inline void SetLeft(std::ostream& out) { out.setf(std::ios::left, std::ios::adjustfield); }
inline void SetFixed(std::ostream& out) { out.setf(std::ios::fixed, std::ios::floatfield); }

// A record number as the instrument counts it: a signed 32-bit number.
inline int32_t RecordNumber(uint32_t stored) { return static_cast<int32_t>(stored); }
// A 16-bit count as the instrument keeps it: unsigned, so 40000 prints as
// 40000.
inline uint16_t Count16(unsigned stored) { return static_cast<uint16_t>(stored); }

inline std::string DateText(uint32_t stamp) { return FormatLocalTime(ToTime(stamp), "%d-%b-%Y"); }
inline std::string TimeText(uint32_t stamp) { return FormatLocalTime(ToTime(stamp), "%H:%M:%S"); }
inline std::string DateTimeText(uint32_t stamp) { return FormatLocalTime(ToTime(stamp), "%d-%b-%Y %H:%M:%S"); }

// A level with one decimal, " --- " for no value.
inline std::string LevelText(float level) { return FormatReportNumber(level, 1, 0); }

// Seconds as hours:minutes:seconds with one decimal (format 0).
inline std::string DurationText(float seconds, int decimals = 1, int format = 0)
{
    std::string text;
    SecondsToTime(seconds, text, decimals, format);
    return text;
}

// The 128 one-dB histogram bins of an interval or a day, for its Ln table.
template <class Record>
std::array<uint32_t, 128> HistogramBins(const Record& record)
{
    std::array<uint32_t, 128> bins{};
    for (int b = 0; b < 128; ++b)
        bins[static_cast<size_t>(b)] = record.GetHistogramBin(b);
    return bins;
}

// The band name without its unit (" Hz"): "12.5 Hz" shows as 12.5.
inline std::string WithoutUnit(std::string name)
{
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name;
}
