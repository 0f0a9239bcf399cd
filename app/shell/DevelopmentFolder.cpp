#include "DevelopmentFolder.h"

#include <sys/stat.h>

#include <cstdlib>

std::string DevelopmentFolder()
{
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/KvorstSetupDir";
}

std::string DevelopmentDownloadFile()
{
    return DevelopmentFolder() + "/downloadfile";
}

std::string DevelopmentSetupFile()
{
    return DevelopmentFolder() + "/setupfile.type";
}

bool DevelopmentFolderExists()
{
    struct stat st {};
    return stat(DevelopmentFolder().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
