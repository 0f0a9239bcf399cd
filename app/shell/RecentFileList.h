#pragma once
// The list of the last documents opened, kept in the profile section
// "Recent File List" ("File1" is the newest). The main menu shows no entries.
#include <string>
#include <vector>

class RecentFileList {
public:
    explicit RecentFileList(size_t size) : size_(size) {}

    void Load();
    // Puts path first (once) and saves the list.
    void Add(const std::string& path);
    const std::vector<std::string>& Files() const { return files_; }

private:
    void Save();

    size_t size_;
    std::vector<std::string> files_;
};
