// The library's exports (except the record count and the time functions) and
// the life of a work buffer.
#include <cstring>
#include <string>

#include "FileReader.h"
#include "OutRecord.h"
#include "Text.h"
#include "TimeConv.h"
#include "Translators.h"
#include "tessdec.h"

namespace tessdec {

LibraryState& Lib() {
    static LibraryState state;
    return state;
}

void ClearCarryOvers() {
    for (uint32_t& t : Lib().prevTime) t = 0;
    ForgetKeptHours();
}

void ResetWork(WorkState& w) {
    // Every value of an earlier file goes, so a reused buffer carries nothing
    // of it; only the file handle is the caller's business.
    InFile* file = w.file;
    std::memset(static_cast<void*>(&w), 0, sizeof w);
    w.file = file;
    w.keepOpen = 1;
    w.model = kModelJ61;
    w.cachedEvent = -1;
    w.specIndex = 65535;
    PutSummaryU16(w, 0, 15);
}

int32_t Fail(WorkState& w, int32_t status) {
    if (status < 0 && status != TESSDEC_END_OF_DATA) {
        w.lastError = status;
        std::snprintf(w.errorText, sizeof w.errorText, "Error <%3d>", static_cast<int>(status));
    }
    return status;
}

bool SetPath(WorkState& w, const char* path) {
    if (path == nullptr) return false;
    const size_t n = strnlen(path, kPathMax + 1);
    if (n == 0 || n > kPathMax) return false;
    std::memcpy(w.path, path, n);
    w.path[n] = '\0';
    return true;
}

InfoCall::InfoCall(WorkState& w) : w_(w), prev_(Lib().current), savedFile_(w.file) {
    w.file = nullptr;
    Lib().current = &w;
}

InfoCall::~InfoCall() {
    CloseFile(w_);
    w_.file = savedFile_;
    Lib().current = prev_;
}

bool InfoCall::Open(const char* path) {
    if (!SetPath(w_, path)) return false;
    return OpenFile(w_);
}

}  // namespace tessdec

using namespace tessdec;

namespace {

WorkState* AsWork(void* work) { return static_cast<WorkState*>(work); }

constexpr size_t kInfoLine = 80;

}  // namespace

extern "C" TESSDEC_API int32_t CV_GetBufferSize(void) { return TESSDEC_WORK_SIZE; }
extern "C" TESSDEC_API int32_t CV_TranVersion(void) { return 323; }
extern "C" TESSDEC_API int32_t CV_TranVersionEx(void) { return 323; }

extern "C" TESSDEC_API int32_t CV_ReadFileSN(const char* path, void* work, uint16_t* model, char* serial,
                                            float* version) {
    if (work == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *AsWork(work);
    InfoCall call(w);
    if (!call.Open(path)) return Fail(w, TESSDEC_ERR_OPEN);
    std::string text;
    uint16_t m = kModelJ61;
    float v = -1.0f;
    char line[kInfoLine + 1];
    bool have = false;
    while ((have = ReadLine(w, line, kInfoLine)) && line[0] != 'L' && line[0] != 'Q') {
    }
    if (have && line[0] == 'L') {
        if ((have = ReadLine(w, line, kInfoLine))) {
            m = static_cast<uint16_t>(LeadingInt(line));
            const std::string_view l2 = CutLineEnd(line);
            if (l2.size() > 3) text = l2.substr(3);
            if ((have = ReadLine(w, line, kInfoLine))) v = static_cast<float>(LeadingDecimal(line));
        }
    } else if (have) {
        while (have && !(line[0] == 'Q' && LeadingInt(line + 1) == 233)) have = ReadLine(w, line, kInfoLine);
        if (have) {
            const std::string_view value = CutLineEnd(line);
            text = "A" + std::string(value.size() > 5 ? value.substr(5) : std::string_view());
        }
    }
    if (model != nullptr) *model = m;
    if (version != nullptr) *version = v;
    if (serial != nullptr) CopyCut(serial, TESSDEC_SERIAL_SIZE, text);
    if (!have) return Fail(w, TESSDEC_ERR_EOF);
    return text.empty() ? Fail(w, TESSDEC_ERR_NOT_IN_FILE) : 0;
}

extern "C" TESSDEC_API int32_t CV_ReadSiteNum(const char* path, void* work, int16_t* site) {
    if (work == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *AsWork(work);
    InfoCall call(w);
    long found = -1;
    if (!call.Open(path)) {
        if (site != nullptr) *site = 0;
        return Fail(w, TESSDEC_ERR_OPEN);
    }
    char line[kInfoLine + 1];
    while (found == -1 && ReadLine(w, line, kInfoLine)) {
        if (line[0] == 'Q' && LeadingInt(line + 1) == 157) found = IntAt(CutLineEnd(line), 5);
    }
    if (found < 1 || found > INT16_MAX) {
        if (site != nullptr) *site = 0;
        return Fail(w, TESSDEC_ERR_NOT_IN_FILE);
    }
    if (site != nullptr) *site = static_cast<int16_t>(found);
    return 0;
}

extern "C" TESSDEC_API int32_t CV_ReadFileHeader(const char* path, void* work, void* block) {
    if (work == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *AsWork(work);
    InfoCall call(w);
    if (!call.Open(path)) return Fail(w, TESSDEC_ERR_OPEN);
    return Fail(w, ReadHeader(w, static_cast<uint8_t*>(block)));
}

extern "C" TESSDEC_API int32_t CV_StartTranslate(const char* path, void* work) {
    if (work == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *AsWork(work);
    ClearCarryOvers();
    if (Lib().current == &w) CloseFile(w);  // a restart without a stop
    Lib().current = &w;
    w.file = nullptr;
    ResetWork(w);
    if (!SetPath(w, path)) return Fail(w, TESSDEC_ERR_OPEN);
    CopyCut(SummaryText(w, TESSDEC_SUM_FILE_NAME), 256, FileNameOf(w.path));
    if (!OpenFile(w)) return Fail(w, TESSDEC_ERR_OPEN);
    int32_t st = ReadTrailer(w);
    if (st != 0) return Fail(w, st);
    if (!Seek(w, 0)) return Fail(w, TESSDEC_ERR_READ);
    w.resumeOffset = 0;
    for (int32_t& offset : w.firstOffset) offset = 0;
    st = ReadHeader(w, nullptr);
    return Fail(w, st);
}

extern "C" TESSDEC_API void CV_StopTranslate(void) {
    WorkState* w = Lib().current;
    if (w != nullptr) CloseFile(*w);
    Lib().current = nullptr;
}

extern "C" TESSDEC_API int32_t CV_TranslateNextRec(void* record, void* work) {
    if (work == nullptr || record == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *AsWork(work);
    Lib().current = &w;
    w.out = static_cast<uint8_t*>(record);
    OutRecord(w.out).U16(0, 0);
    int32_t st = 0;
    if (w.file == nullptr && !OpenFile(w)) {
        st = TESSDEC_ERR_OPEN;
    } else if (!Seek(w, w.resumeOffset)) {
        st = TESSDEC_ERR_READ;
    } else {
        st = TranslateOneRecord(w);
    }
    w.out = nullptr;
    if (w.keepOpen == 0) CloseFile(w);
    if (st == TESSDEC_END_OF_DATA) {
        // The translation is over: the library keeps nothing of the buffer.
        CloseFile(w);
        Lib().current = nullptr;
    }
    return Fail(w, st);
}
