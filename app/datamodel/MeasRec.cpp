#include "MeasRec.h"

#include <cctype>
#include <climits>
#include <unistd.h>

#include "Files.h"

namespace {
struct TypeLetter {
    char letter;  // upper case
    int type;
};
constexpr TypeLetter kTypeLetters[] = {
    {'A', 12}, {'E', 11}, {'F', 9}, {'I', 6}, {'L', 7}, {'R', 10}, {'S', 5}, {'T', 8}, {'V', 13},
};

const TypeLetter* FindLetter(const std::string& text)
{
    if (text.empty())
        return nullptr;
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    for (const auto& entry : kTypeLetters)
        if (entry.letter == upper)
            return &entry;
    return nullptr;
}

// Up to count characters from pos; fewer (or none) from a short text.
std::string Part(const std::string& text, size_t pos, size_t count)
{
    return pos < text.size() ? text.substr(pos, count) : std::string();
}
}  // namespace

const std::string& MeasRec::GetListText(std::string& out) const
{
    out = IsActive() ? m_name : std::to_string(m_listIndex + 1) + ". " + m_name;
    return out;
}

void MeasRec::SetMeasTypeFromText(const std::string& text)
{
    if (const TypeLetter* entry = FindLetter(text))
        m_measType = entry->type;
}

void MeasRec::MakeDefaultFileName(const std::string& fallbackFolder)
{
    std::string name = Part(m_startTime, 9, 2) + Part(m_startTime, 5, 3) + Part(m_startTime, 12, 2);
    if (const TypeLetter* entry = FindLetter(m_typeText))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(entry->letter)));
    m_fileName = name + ".slmdl";

    char cwd[PATH_MAX];
    m_folder = getcwd(cwd, sizeof cwd) != nullptr ? std::string(cwd) : fallbackFolder;
}

void MeasRec::SetFolderFromPath(const std::string& path, const std::string&)
{
    m_folder = platform::DirectoryOf(path);
}
