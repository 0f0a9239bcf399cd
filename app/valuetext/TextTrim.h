#pragma once
// The trimmer of the texts read from records, setup blocks and instrument
// replies. Which characters count as padding differs by source, so each
// caller names its set; the common one (blanks and tabs) has its own name.
#include <string>
#include <string_view>
#include <utility>

// The text without the trailing characters that are in padding.
std::string TrimTrailing(std::string text, std::string_view padding);

// The text with its trailing blanks and tabs removed.
inline std::string TrimTrailingBlanks(std::string text)
{
    return TrimTrailing(std::move(text), " \t");
}
