#include "CheckCharacter.h"

namespace slm {

namespace {
bool Printable(unsigned char c) { return c >= 0x20 && c <= 0x7F; }
}  // namespace

char CheckCharacter(std::string_view text, int seed)
{
    int sum = seed;
    for (unsigned char c : text)
        if (Printable(c))
            sum += c;
    sum %= 128;
    if (sum < 0x20)
        sum += 0x40;
    return static_cast<char>(sum);
}

std::optional<ReplyParts> SplitReply(std::string_view line, char commandCheck)
{
    if (line.empty() || line[0] == 0)
        return std::nullopt;
    size_t end = line.find_last_of("\r\n");
    if (end == 0)
        return std::nullopt;
    if (end == std::string_view::npos)
        end = line.size();  // no line end: the last byte may be the check
    size_t at = 0;  // the first byte when no printable byte precedes the end
    for (size_t i = end; i-- > 0;) {
        if (Printable(static_cast<unsigned char>(line[i]))) {
            at = i;
            break;
        }
    }
    ReplyParts parts;
    std::string_view text = line.substr(0, at);
    parts.check = line[at];
    parts.valid = CheckCharacter(text, static_cast<unsigned char>(commandCheck)) == parts.check;
    for (char c : text)
        if (c != 0x11 && c != 0x13)
            parts.text += c;
    return parts;
}

}  // namespace slm
