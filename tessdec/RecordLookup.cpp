// The record lookup of the spectrum blocks: finds a record of types 1 to 6
// by its number, framing every record on the way as the reader does.
#include <ctime>
#include <string>

#include "FileReader.h"
#include "RecordTools.h"
#include "Translators.h"

namespace tessdec {

namespace {

NowFn g_now = nullptr;

// The piecewise state that a walk over a stream or a run touches.
struct SavedPlace {
    explicit SavedPlace(WorkState& w)
        : w_(w), resume_(w.resumeOffset), cont_(w.contMode), chunk_(w.chunkRead), runLen_(w.runBlockLen) {}
    ~SavedPlace() {
        w_.resumeOffset = resume_;
        w_.contMode = cont_;
        w_.chunkRead = chunk_;
        w_.runBlockLen = runLen_;
    }
    SavedPlace(const SavedPlace&) = delete;
    SavedPlace& operator=(const SavedPlace&) = delete;

private:
    WorkState& w_;
    int32_t resume_;
    uint32_t cont_, chunk_;
    uint16_t runLen_;
};

// Passes over one record that is not the wanted one, from after its type
// byte; the resume offset then points at the next record.
int32_t PassOver(WorkState& w, int type, long typeAt) {
    const bool j46j57 = IsJ46OrJ57(w);
    if ((type == 7 && j46j57) || (type == 6 && !j46j57)) {
        w.resumeOffset = static_cast<int32_t>(typeAt + 1);
        return WalkThStream(w, nullptr);
    }
    if (type == 21 || type == 27) {
        const int len = ReadByte(w);
        if (len == EOF) return TESSDEC_ERR_EOF;
        w.runBlockLen = static_cast<uint16_t>(len);
        w.resumeOffset = static_cast<int32_t>(typeAt + 2);
        w.contMode = 1;
        int32_t st;
        while ((st = ReadRunBlock(w)) > 0) {}
        return st;
    }
    if (type == 'Q' || type == 'R') {
        char line[82];
        if (!Seek(w, typeAt)) return TESSDEC_ERR_SEEK;
        ReadLine(w, line, 80);
        w.resumeOffset = static_cast<int32_t>(Tell(w));
        return 0;
    }
    return ReadFramedBody(w);
}

}  // namespace

void SetSpectrumClock(NowFn now) { g_now = now; }

uint32_t SpectrumNow() {
    if (g_now != nullptr) return g_now();
    return static_cast<uint32_t>(std::time(nullptr));
}

int32_t LookupRecord(WorkState& w, int type, uint32_t wanted) {
    // Types 1 to 5, and 6 where it is length-framed (J46 and J57 files).
    if (type < 1 || type > 6 || (type == 6 && !IsJ46OrJ57(w))) return TESSDEC_ERR_NOT_IN_FILE;
    const int32_t start = w.firstOffset[type - 1];
    if (start == 0) return TESSDEC_ERR_EOF;
    SavedPlace saved(w);
    if (!Seek(w, start)) return TESSDEC_ERR_SEEK;
    uint32_t& count = w.scanCount[type - 1];
    for (;;) {
        const long typeAt = Tell(w);
        const int t = ReadByte(w);
        if (t == EOF || t == 0 || t == 'E') return TESSDEC_ERR_EOF;
        if (t == type) {
            ++count;
            if (count > wanted) return TESSDEC_ERR_NOT_IN_FILE;
            const int32_t st = ReadFramedBody(w);
            if (st != 0) return st;
            if (count == wanted) {
                w.firstOffset[type - 1] = static_cast<int32_t>(Tell(w));
                w.bodyPos = 0;
                return static_cast<int32_t>(w.bodyLen);
            }
            continue;
        }
        const int32_t st = PassOver(w, t, typeAt);
        if (st < 0) return st;
        if (!Seek(w, w.resumeOffset)) return TESSDEC_ERR_SEEK;
    }
}

}  // namespace tessdec
