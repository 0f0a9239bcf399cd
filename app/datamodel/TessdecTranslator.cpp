#include "Translator.h"

#include "tessdec.h"

namespace {
class Tessdec : public Translator {
public:
    int32_t GetBufferSize() override { return CV_GetBufferSize(); }
    int32_t ReadFileSN(const char* path, void* work, uint16_t* model, char* serial, float* version) override
    {
        return CV_ReadFileSN(path, work, model, serial, version);
    }
    int32_t ReadFileHeader(const char* path, void* work, void* block) override
    {
        return CV_ReadFileHeader(path, work, block);
    }
    int32_t StartTranslate(const char* path, void* work) override { return CV_StartTranslate(path, work); }
    int32_t TranslateNextRec(void* record, void* work) override { return CV_TranslateNextRec(record, work); }
    void StopTranslate() override { CV_StopTranslate(); }
};
}  // namespace

Translator& TessdecTranslator()
{
    static Tessdec tessdec;
    return tessdec;
}
