#include "ExportStream.h"

#include <locale>

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

}  // namespace

ExportStream::ExportStream()
{
    imbue(std::locale(std::locale::classic(), new TieAwayNumPut));
}

std::string ToCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

bool SaveExport(const ExportStream& stream, const std::string& path)
{
    if (stream.fail())
        return false;
    return platform::WriteFileAtomically(path, ToCrLf(stream.str()));
}
