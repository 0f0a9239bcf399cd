#include "DownloadFileNames.h"

#include <cstdio>

#include "Files.h"

std::string AddWildcard(std::string name)
{
    if (name.find('*') != std::string::npos)
        return name;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.insert(dot, 1, '*');
    else
        name += '*';
    return name;
}

std::string RemoveWildcard(std::string name)
{
    const size_t star = name.rfind('*');
    if (star != std::string::npos)
        name.erase(star, 1);
    return name;
}

std::string NumberedFileName(const std::string& name, int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "_%03d", number);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return name + digits;
    return name.substr(0, dot) + digits + name.substr(dot);
}

std::string FolderOfPath(const std::string& path)
{
    const std::string folder = platform::DirectoryOf(path);
    if (folder.empty())
        return path;
    return folder == "/" ? folder : folder + "/";
}
