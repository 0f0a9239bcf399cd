#pragma once
// The instrument's one-character check sum, carried by every command and
// every reply. A reply's sum starts from the command's check character, so a
// reply only checks against the command it answers.
#include <optional>
#include <string>
#include <string_view>

namespace slm {

// Sum of the bytes 0x20..0x7F (others skipped) plus seed, modulo 128; below
// 0x20 it is moved up by 0x40, so the result is always printable.
char CheckCharacter(std::string_view text, int seed = 0);

// A reply line split at its check character.
struct ReplyParts {
    std::string text;  // before the check character, XON and XOFF removed
    char check = 0;
    bool valid = false;  // the check character matched
};

// Locates the check character of a reply line and checks it against the
// command's check character. nullopt when the line has no check character at
// all (empty, starting with NUL, or a line end as its first byte).
std::optional<ReplyParts> SplitReply(std::string_view line, char commandCheck);

}  // namespace slm
