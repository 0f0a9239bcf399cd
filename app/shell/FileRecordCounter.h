#pragma once
// Counting the records of a download file through the translation library,
// for the file tree's data items.
#include <cstdint>
#include <functional>
#include <string>

#include "DataItemLabels.h"

struct FileRecordCount {
    bool allocated = true;  // false: no work buffer could be had
    int32_t status = 0;     // the library's status; negative on failure
    RecordCounts counts{};
    int model = 0;          // designation number from the file's header
};

FileRecordCount CountFileRecords(const std::string& path);

// Replaces the library call (tests); an empty function restores it.
void SetFileRecordCounter(std::function<FileRecordCount(const std::string&)> counter);
