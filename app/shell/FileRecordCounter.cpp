#include "FileRecordCounter.h"

#include <memory>
#include <new>
#include <utility>

#if __has_include("tessdec/tessdec.h")
#include "tessdec/tessdec.h"
#define TESSAVO_HAS_TESSDEC 1
#endif

namespace {

std::function<FileRecordCount(const std::string&)>& Counter()
{
    static std::function<FileRecordCount(const std::string&)> counter;
    return counter;
}

#ifdef TESSAVO_HAS_TESSDEC
// The library's output record: scratch space while it counts.
constexpr size_t kRecordSize = 6164;
constexpr size_t kSerialSize = 81;

FileRecordCount LibraryCount(const std::string& path)
{
    FileRecordCount result;
    const int32_t size = CV_GetBufferSize();
    std::unique_ptr<unsigned char[]> work(size > 0 ? new (std::nothrow) unsigned char[size]() : nullptr);
    std::unique_ptr<unsigned char[]> record(new (std::nothrow) unsigned char[kRecordSize]());
    if (!work || !record) {
        result.allocated = false;
        return result;
    }
    result.status = CV_GetRecordCount(path.c_str(), work.get(), result.counts.data(), record.get());
    uint16_t model = 0;
    char serial[kSerialSize] = {};
    float version = 0.0f;
    CV_ReadFileSN(path.c_str(), work.get(), &model, serial, &version);
    result.model = model;
    return result;
}
#else
FileRecordCount LibraryCount(const std::string&)
{
    FileRecordCount result;
    result.allocated = false;  // built without the translation library
    return result;
}
#endif

}  // namespace

FileRecordCount CountFileRecords(const std::string& path)
{
    return Counter() ? Counter()(path) : LibraryCount(path);
}

void SetFileRecordCounter(std::function<FileRecordCount(const std::string&)> counter)
{
    Counter() = std::move(counter);
}
