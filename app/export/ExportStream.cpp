#include "ExportStream.h"

#include <algorithm>
#include <cstring>
#include <locale>

#include "AnsiText.h"
#include "Files.h"
#include "ReportNumbers.h"

namespace {

// Number output of the classic locale, with exact ties in fixed notation
// moved away from zero first.
class TieAwayNumPut : public std::num_put<char> {
protected:
    iter_type do_put(iter_type out, std::ios_base& str, char_type fill, double v) const override
    {
        if ((str.flags() & std::ios_base::floatfield) == std::ios_base::fixed)
            v = NudgeTieAwayFromZero(v, static_cast<int>(str.precision()));
        return std::num_put<char>::do_put(out, str, fill, v);
    }
    iter_type do_put(iter_type out, std::ios_base& str, char_type fill, long double v) const override
    {
        return do_put(out, str, fill, static_cast<double>(v));
    }
    using std::num_put<char>::do_put;
};

constexpr size_t kFirstCapacity = 64 * 1024;

bool Plain(char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x80; }

}  // namespace

ExportBuffer::ExportBuffer() { setp(m_chunk, m_chunk + sizeof m_chunk); }

const std::string& ExportBuffer::Text()
{
    Drain();
    return m_text;
}

ExportBuffer::int_type ExportBuffer::overflow(int_type c)
{
    Drain();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize ExportBuffer::xsputn(const char* s, std::streamsize n)
{
    const auto size = static_cast<size_t>(n);
    if (size <= static_cast<size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), s, size);
        pbump(static_cast<int>(size));
    } else {
        Drain();
        Convert(std::string_view(s, size));
    }
    return n;
}

int ExportBuffer::sync()
{
    Drain();
    return 0;
}

void ExportBuffer::Drain()
{
    Convert(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
    setp(m_chunk, m_chunk + sizeof m_chunk);
}

void ExportBuffer::Convert(std::string_view text)
{
    // Large exports grow in big steps: every step copies what is there and
    // touches fresh memory.
    const size_t needed = m_text.size() + 3 * text.size();
    if (needed > m_text.capacity())
        m_text.reserve(std::max({needed, 4 * m_text.capacity(), kFirstCapacity}));
    size_t i = 0;
    while (i < text.size()) {
        size_t run = i;
        while (run < text.size() && Plain(text[run]))
            ++run;
        if (run > i) {
            m_text.append(text.data() + i, run - i);
            m_afterCr = text[run - 1] == '\r';
            i = run;
            continue;
        }
        if (text[i] == '\n') {
            if (!m_afterCr)
                m_text += '\r';
            m_text += '\n';
        } else {
            platform::AppendAnsiAsUtf8(m_text, text.substr(i, 1));
        }
        m_afterCr = false;
        ++i;
    }
}

ExportStream::ExportStream() : std::ostream(nullptr)
{
    rdbuf(&m_buffer);
    imbue(std::locale(std::locale::classic(), new TieAwayNumPut));
}

bool SaveExport(ExportStream& stream, const std::string& path)
{
    if (stream.fail())
        return false;
    return platform::WriteFileAtomically(path, stream.Text());
}
