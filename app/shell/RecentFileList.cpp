#include "RecentFileList.h"

#include <algorithm>

#include "Profile.h"

namespace {

const char kSection[] = "Recent File List";

std::string Key(size_t i)
{
    return "File" + std::to_string(i + 1);
}

}  // namespace

void RecentFileList::Load()
{
    files_.clear();
    for (size_t i = 0; i < size_; ++i) {
        std::string path = platform::AppProfile().GetProfileString(kSection, Key(i), "");
        if (!path.empty())
            files_.push_back(path);
    }
}

void RecentFileList::Add(const std::string& path)
{
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
    files_.insert(files_.begin(), path);
    if (files_.size() > size_)
        files_.resize(size_);
    Save();
}

void RecentFileList::Save()
{
    for (size_t i = 0; i < size_; ++i)
        platform::AppProfile().WriteProfileString(kSection, Key(i), i < files_.size() ? files_[i] : std::string());
}
