#include "IDJ46DirRec.h"

#include <algorithm>

IDJ46DirRec::IDJ46DirRec() { record_.fill(' '); }

IDJ46DirRec::IDJ46DirRec(const uint8_t* record) { std::copy_n(record + 3, kKept, record_.begin()); }

const std::string& IDJ46DirRec::GetName()
{
    name_.assign(record_.begin(), record_.begin() + kNameLength);
    size_t end = name_.find('\0');
    if (end != std::string::npos)
        name_.resize(end);
    while (!name_.empty() && name_.back() == ' ')
        name_.pop_back();
    return name_;
}
