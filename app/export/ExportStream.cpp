#include "ExportStream.h"

#include <algorithm>
#include <cstdint>
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
// What a stream opened on its file holds before it hands a piece to the
// file: the same memory serves every piece.
constexpr size_t kPiece = 256 * 1024;

bool Plain(char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x80; }

// The length of the run of plain characters (ASCII other than a line feed)
// at the start of text, looked at eight bytes at a time.
size_t PlainRun(std::string_view text)
{
    constexpr uint64_t kOnes = 0x0101010101010101ULL, kHighBits = 0x8080808080808080ULL;
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        const uint64_t noLineFeed = word ^ (kOnes * '\n');  // a zero byte where a line feed is
        if (((noLineFeed - kOnes) & ~noLineFeed & kHighBits) != 0 || (word & kHighBits) != 0)
            break;
    }
    while (i < text.size() && Plain(text[i]))
        ++i;
    return i;
}

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
        if (m_file != nullptr && m_text.size() >= kPiece)
            Hand();
    }
    return n;
}

// The text is drained when the chunk fills or when it is asked for, not at
// every line end.
int ExportBuffer::sync() { return 0; }

void ExportBuffer::HandTo(platform::AtomicFileWriter* file)
{
    m_file = file;
    m_text.reserve(kPiece + 3 * sizeof m_chunk);
}

bool ExportBuffer::Hand()
{
    m_handedAll = m_file->Write(m_text) && m_handedAll;
    m_handed += m_text.size();
    m_text.clear();
    return m_handedAll;
}

bool ExportBuffer::HandRest()
{
    Drain();
    return m_file != nullptr && Hand();
}

size_t ExportBuffer::Size()
{
    Drain();
    return m_handed + m_text.size();
}

void ExportBuffer::Drain()
{
    Convert(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
    setp(m_chunk, m_chunk + sizeof m_chunk);
    if (m_file != nullptr && m_text.size() >= kPiece)
        Hand();
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
        const size_t run = i + PlainRun(text.substr(i));
        if (run > i) {
            m_text.append(text.data() + i, run - i);
            m_afterCr = text[run - 1] == '\r';
            i = run;
            continue;
        }
        if (text[i] == '\n') {
            m_text.append(m_afterCr ? "\n" : "\r\n");
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

ExportStream::ExportStream(const std::string& path)
    : ExportStream()
{
    m_path = path;
    m_file = std::make_unique<platform::AtomicFileWriter>(path);
    m_buffer.HandTo(m_file.get());
}

ExportStream::~ExportStream() = default;

bool SaveExport(ExportStream& stream, const std::string& path)
{
    if (stream.fail())
        return false;
    // A stream opened on its file has handed most of its text to that file.
    if (stream.m_file)
        return stream.m_path == path && stream.m_buffer.HandRest() && stream.m_file->Commit();
    return platform::WriteFileAtomically(path, stream.Text());
}
