#include "ExportCells.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "ReportNumbers.h"

namespace exportcells {

namespace {

// Straight to the stream's buffer: a cell is written whole or the stream
// is marked bad.
void Put(std::ostream& out, const char* data, size_t size)
{
    if (!out.good())
        return;
    if (static_cast<size_t>(out.rdbuf()->sputn(data, static_cast<std::streamsize>(size))) != size)
        out.setstate(std::ios::badbit);
}

}  // namespace

void CellText::SetFloating(std::ostream& out, double value)
{
    char* end = m_room;
    if ((out.flags() & std::ios::floatfield) == std::ios::fixed) {
        end = WriteFixed(m_room, m_room + sizeof m_room, value, static_cast<int>(out.precision()));
    } else {
        // Rare: the general notation, left to the stream's own rules.
        std::ostringstream text;
        text.imbue(out.getloc());
        text.flags(out.flags());
        text.precision(out.precision());
        text << value;
        const std::string digits = text.str();
        end = std::copy_n(digits.data(), std::min(digits.size(), sizeof m_room), m_room);
    }
    m_text = std::string_view(m_room, static_cast<size_t>(end - m_room));
}

void CellText::SetReportNumber(ReportNumber number)
{
    char* end = WriteReportNumber(m_room, m_room + sizeof m_room, number.value, number.decimals);
    m_text = std::string_view(m_room, static_cast<size_t>(end - m_room));
}

void WritePadded(std::ostream& out, int width, std::string_view text)
{
    const size_t pad = width > 0 && static_cast<size_t>(width) > text.size() ? static_cast<size_t>(width) - text.size() : 0;
    if (pad == 0) {
        Put(out, text.data(), text.size());
        return;
    }
    // Most cells fit a small piece: padding and text go out in one write.
    char cell[256];
    const char fill = out.fill();
    const bool left = (out.flags() & std::ios::adjustfield) == std::ios::left;
    if (pad + text.size() <= sizeof cell) {
        char* textAt = left ? cell : cell + pad;
        std::memcpy(textAt, text.data(), text.size());
        std::memset(left ? cell + text.size() : cell, fill, pad);
        Put(out, cell, pad + text.size());
        return;
    }
    const std::string padding(pad, fill);
    if (!left)
        Put(out, padding.data(), pad);
    Put(out, text.data(), text.size());
    if (left)
        Put(out, padding.data(), pad);
}

void WriteField(std::ostream& out, std::string_view text, std::string_view close)
{
    // Most fields are short: quoted and closed in one pass, one write.
    char field[256];
    if (2 * text.size() + close.size() + 1 <= sizeof field) {
        char* end = field;
        *end++ = '"';
        for (const char c : text) {
            *end++ = c;
            if (c == '"')
                *end++ = '"';
        }
        std::memcpy(end, close.data(), close.size());
        Put(out, field, static_cast<size_t>(end - field) + close.size());
        return;
    }
    Put(out, kFieldOpen, 1);
    while (!text.empty()) {
        const void* quote = std::memchr(text.data(), '"', text.size());
        if (quote == nullptr) {
            Put(out, text.data(), text.size());
            break;
        }
        const size_t through = static_cast<size_t>(static_cast<const char*>(quote) - text.data()) + 1;
        Put(out, text.data(), through);
        Put(out, "\"", 1);
        text.remove_prefix(through);
    }
    Put(out, close.data(), close.size());
}

}  // namespace exportcells
