#include "ExportCells.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "ReportNumbers.h"

namespace exportcells {

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

void WritePadded(std::ostream& out, int width, std::string_view text)
{
    const size_t pad = width > 0 && static_cast<size_t>(width) > text.size() ? static_cast<size_t>(width) - text.size() : 0;
    if (pad == 0) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
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
        out.write(cell, static_cast<std::streamsize>(pad + text.size()));
        return;
    }
    if (!left)
        for (size_t i = 0; i < pad; ++i)
            out.put(fill);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (left)
        for (size_t i = 0; i < pad; ++i)
            out.put(fill);
}

void WriteField(std::ostream& out, std::string_view text, std::string_view close)
{
    out.write(kFieldOpen, 1);
    while (!text.empty()) {
        const void* quote = std::memchr(text.data(), '"', text.size());
        if (quote == nullptr) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            break;
        }
        const size_t through = static_cast<size_t>(static_cast<const char*>(quote) - text.data()) + 1;
        out.write(text.data(), static_cast<std::streamsize>(through)).put('"');
        text.remove_prefix(through);
    }
    out.write(close.data(), static_cast<std::streamsize>(close.size()));
}

}  // namespace exportcells
