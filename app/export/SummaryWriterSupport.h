#pragma once
// What the common header and the measurement summaries share: lines written
// cell by cell (aligned per cell in the text layout, one field per cell in
// the CSV layout) and the level, time and duration texts of the summaries.
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <string>

#include "ReportWriter.h"

// One line of a report written cell by cell. Text layout: each cell is set
// left- or right-aligned in its width (0: no width). CSV layout: each cell
// is one field and widths do not apply. Cells marked TextOnly or CsvOnly
// belong to one layout alone. End() closes the line with endl.
class SummaryLine {
public:
    SummaryLine(std::ostream& out, bool text) : m_out(out), m_text(text) {}

    template <class T>
    SummaryLine& Left(int width, const T& item)
    {
        return m_text ? TextCell(std::ios::left, width, item) : CsvOnly(item);
    }
    template <class T>
    SummaryLine& Right(int width, const T& item)
    {
        return m_text ? TextCell(std::ios::right, width, item) : CsvOnly(item);
    }
    // A cell of the text layout alone (a gap, a rule).
    template <class T>
    SummaryLine& TextOnly(std::ios::fmtflags align, int width, const T& item)
    {
        return m_text ? TextCell(align, width, item) : *this;
    }
    // A field of the CSV layout alone.
    template <class T>
    SummaryLine& CsvOnly(const T& item)
    {
        if (!m_text)
            m_out << kFieldOpen << item << kFieldClose;
        return *this;
    }
    // The empty CSV field ("",) of a column the text layout leaves out.
    SummaryLine& CsvEmpty() { return CsvOnly(""); }
    // Left alignment again in the text layout, for the lines that follow.
    SummaryLine& SetLeft()
    {
        if (m_text)
            m_out.setf(std::ios::left, std::ios::adjustfield);
        return *this;
    }
    void End() { m_out << std::endl; }

private:
    template <class T>
    SummaryLine& TextCell(std::ios::fmtflags align, int width, const T& item)
    {
        m_out.setf(align, std::ios::adjustfield);
        m_out << std::setw(width) << item;
        return *this;
    }

    std::ostream& m_out;
    bool m_text;
};

// A label and its value on one line: the label left-aligned in labelWidth
// and the value after it (text), or two fields (CSV).
template <class T>
void LabelledLine(std::ostream& out, bool text, int labelWidth, const char* label, const T& value)
{
    SummaryLine(out, text).Left(labelWidth, label).Left(0, value).End();
}

// The text without its trailing blanks.
std::string TrimRight(std::string text);
