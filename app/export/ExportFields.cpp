#include "ExportFields.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::string ComposeText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return text;
}

std::ostream& CsvText(std::ostream& out, std::string_view text)
{
    while (!text.empty()) {
        const void* quote = std::memchr(text.data(), '"', text.size());
        if (quote == nullptr)
            return out.write(text.data(), static_cast<std::streamsize>(text.size()));
        const size_t through = static_cast<size_t>(static_cast<const char*>(quote) - text.data()) + 1;
        out.write(text.data(), static_cast<std::streamsize>(through)) << '"';
        text.remove_prefix(through);
    }
    return out;
}
