#include "TextTrim.h"

std::string TrimTrailing(std::string text, std::string_view padding)
{
    text.erase(text.find_last_not_of(padding) + 1);
    return text;
}
