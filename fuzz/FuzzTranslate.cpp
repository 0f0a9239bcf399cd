// Fuzz target: a download file through Tessdec as the program calls it: the
// file tree's record count and serial number, the loader's serial number,
// header, start and every record to the end of data, then a stop. Every
// output buffer has exactly the size the interface names, so that a write
// past one is seen by the address checks.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "FuzzInput.h"
#include "tessdec.h"

namespace {

template <typename T>
std::unique_ptr<T[]> Zeroed(size_t n) {
    return std::unique_ptr<T[]>(new T[n]());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* path = fuzz::WriteInput(data, size).c_str();
    const auto work = Zeroed<uint8_t>(static_cast<size_t>(CV_GetBufferSize()));
    const auto record = Zeroed<uint8_t>(TESSDEC_RECORD_SIZE);
    const auto counts = Zeroed<uint32_t>(TESSDEC_COUNT_FIELDS);
    const auto serial = Zeroed<char>(81);
    const auto header = Zeroed<uint8_t>(TESSDEC_HEADER_BLOCK_SIZE);
    uint16_t model = 0;
    float version = 0;
    int16_t site = 0;

    CV_GetRecordCount(path, work.get(), counts.get(), record.get());
    CV_ReadFileSN(path, work.get(), &model, serial.get(), &version);
    CV_ReadSiteNum(path, work.get(), &site);
    CV_ReadFileHeader(path, work.get(), header.get());

    // Every call moves on by at least one byte of the file, so a translation
    // that makes more calls than that does not end.
    const size_t maxCalls = 4 * size + 1000;
    int32_t st = CV_StartTranslate(path, work.get());
    size_t calls = 0;
    while (st >= 0) {
        if (++calls > maxCalls) std::abort();
        st = CV_TranslateNextRec(record.get(), work.get());
    }
    CV_StopTranslate();
    return 0;
}
