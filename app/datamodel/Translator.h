#pragma once
// The translation library as the loader calls it: the exports of Tessdec
// behind an interface, so that a test can put a scripted translation in its
// place. The library serves one translation at a time.
#include <cstdint>

class Translator {
public:
    virtual ~Translator() = default;
    virtual int32_t GetBufferSize() = 0;
    virtual int32_t ReadFileSN(const char* path, void* work, uint16_t* model, char* serial, float* version) = 0;
    virtual int32_t ReadFileHeader(const char* path, void* work, void* block) = 0;
    virtual int32_t StartTranslate(const char* path, void* work) = 0;
    virtual int32_t TranslateNextRec(void* record, void* work) = 0;
    virtual void StopTranslate() = 0;
};

// The library's own exports.
Translator& TessdecTranslator();

namespace TranslatorCodes {
constexpr int kEndOfData = -318;
constexpr int kRecordSize = 6164;
constexpr int kFileHeaderSize = 498;
constexpr int kSerialSize = 81;
}  // namespace TranslatorCodes
