#pragma once
// The one writer of export cells, for both layouts. Text layout: each cell
// padded to its width in the stream's fill character, left- or right-aligned.
// The writers' texts are Windows-1252 (the stream turns them into UTF-8), one
// byte a character, so a width counts characters: the degree sign of a
// direction is one. CSV layout: each cell is one field, "text", with every
// double quote inside doubled, so that a spreadsheet reads back the text as
// it was (a note such as 6" pipe); widths do not apply.
//
// A cell goes to the stream as soon as it is written, in one piece: numbers
// are written in place (integers in decimal, floating-point numbers as the
// stream's fixed notation and precision ask, ties away from zero), texts are
// not copied, and no cell allocates.
#include <charconv>
#include <ostream>
#include <string_view>
#include <type_traits>

#include "ReportWriter.h"

// A level as the reports show it (FormatReportNumber without a width): the
// value with its decimals, " --- " for the no-value mark; a cell item.
struct ReportNumber {
    float value;
    int decimals = 1;
};

namespace exportcells {

// The item of a cell as its text: texts as they are, numbers written into
// room. A floating-point number in other than fixed notation is formatted
// by the stream's own rules.
class CellText {
public:
    template <class T>
    CellText(std::ostream& out, const T& item)
    {
        if constexpr (std::is_convertible_v<const T&, std::string_view>) {
            m_text = item;
        } else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, signed char> ||
                             std::is_same_v<T, unsigned char>) {
            m_room[0] = static_cast<char>(item);
            m_text = std::string_view(m_room, 1);
        } else if constexpr (std::is_same_v<T, ReportNumber>) {
            SetReportNumber(item);
        } else if constexpr (std::is_same_v<T, bool>) {
            m_text = item ? "1" : "0";
        } else if constexpr (std::is_integral_v<T>) {
            const auto result = std::to_chars(m_room, m_room + sizeof m_room, item);
            m_text = std::string_view(m_room, static_cast<size_t>(result.ptr - m_room));
        } else {
            static_assert(std::is_floating_point_v<T>, "a cell holds a text or a number");
            SetFloating(out, static_cast<double>(item));
        }
    }
    std::string_view Text() const { return m_text; }

private:
    void SetFloating(std::ostream& out, double value);
    void SetReportNumber(ReportNumber number);

    std::string_view m_text;
    char m_room[400];  // the largest double in fixed notation fits
};

// The text padded to width as the stream's alignment and fill ask (left
// when the stream's adjustfield is left, else right), written in one piece.
void WritePadded(std::ostream& out, int width, std::string_view text);
// The text as one CSV field: quote, the text with its quotes doubled, then
// the closer (quote and comma, or the line closer).
void WriteField(std::ostream& out, std::string_view text, std::string_view close = kFieldClose);

}  // namespace exportcells

// One line of a report written cell by cell. Text-layout alignment is the
// stream's and lasts beyond the line, as the writers rely on: a Left or
// Right cell sets it, AlignLeft and AlignRight set it for the cells that
// follow (AlignRight only clears the left flag, so that a later left flag
// is not spoilt by a right one). A Cell takes the alignment as it stands.
// Cells marked TextOnly or CsvOnly belong to one layout alone. End() ends
// the line.
class CellLine {
public:
    CellLine(std::ostream& out, bool text) : m_out(out), m_text(text) {}
    CellLine(std::ostream& out, ExportFormat format) : CellLine(out, format == kTextFormat) {}

    bool IsText() const { return m_text; }

    // A cell of both layouts.
    template <class T>
    CellLine& Cell(int width, const T& item)
    {
        return m_text ? Padded(width, item) : Field(item);
    }
    template <class T>
    CellLine& Left(int width, const T& item)
    {
        return m_text ? AlignLeft().Padded(width, item) : Field(item);
    }
    template <class T>
    CellLine& Right(int width, const T& item)
    {
        return m_text ? Aligned(std::ios::right).Padded(width, item) : Field(item);
    }
    // A cell whose text differs between the layouts.
    template <class T, class U>
    CellLine& Split(std::ios::fmtflags align, int width, const T& textItem, const U& csvItem)
    {
        return m_text ? Aligned(align).Padded(width, textItem) : Field(csvItem);
    }
    // A cell of the text layout alone (a gap, a rule), in the current
    // alignment or in align.
    template <class T>
    CellLine& TextOnly(int width, const T& item)
    {
        return m_text ? Padded(width, item) : *this;
    }
    template <class T>
    CellLine& TextOnly(std::ios::fmtflags align, int width, const T& item)
    {
        return m_text ? Aligned(align).Padded(width, item) : *this;
    }
    // A field of the CSV layout alone.
    template <class T>
    CellLine& CsvOnly(const T& item)
    {
        return m_text ? *this : Field(item);
    }
    // The empty CSV field ("",) of a column the text layout leaves out.
    CellLine& CsvEmpty() { return CsvOnly(""); }

    // The text layout's alignment for the cells and lines that follow.
    CellLine& AlignLeft() { return Aligned(std::ios::left); }
    CellLine& AlignRight()
    {
        if (m_text)
            m_out.unsetf(std::ios::left);
        return *this;
    }

    void End() { m_out.put('\n'); }
    // The last cell and the end of the line; in CSV the field is closed by
    // the line closer (quote and line feed), with no comma after it.
    template <class T>
    void EndWithCell(int width, const T& item)
    {
        if (m_text) {
            Padded(width, item).End();
            return;
        }
        exportcells::WriteField(m_out, exportcells::CellText(m_out, item).Text(), kLineClose);
    }

private:
    CellLine& Aligned(std::ios::fmtflags align)
    {
        if (m_text)
            m_out.setf(align, std::ios::adjustfield);
        return *this;
    }
    template <class T>
    CellLine& Padded(int width, const T& item)
    {
        exportcells::WritePadded(m_out, width, exportcells::CellText(m_out, item).Text());
        return *this;
    }
    template <class T>
    CellLine& Field(const T& item)
    {
        exportcells::WriteField(m_out, exportcells::CellText(m_out, item).Text());
        return *this;
    }

    std::ostream& m_out;
    bool m_text;
};

// One CSV field outside a line of cells: quote, the item (a text with its
// quotes doubled, a number as the stream's notation asks), quote and comma.
template <class T>
std::ostream& CsvField(std::ostream& out, const T& item)
{
    exportcells::WriteField(out, exportcells::CellText(out, item).Text());
    return out;
}
