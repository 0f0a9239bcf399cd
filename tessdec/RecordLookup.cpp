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
    if (type == 'R') {
        char line[82];
        if (!Seek(w, typeAt)) return TESSDEC_ERR_SEEK;
        ReadLine(w, line, 80);
        w.resumeOffset = static_cast<int32_t>(Tell(w));
        return 0;
    }
    return ReadFramedBody(w);
}

// The record types the scan frames on its way; any other byte is no record.
bool IsRecordType(int t) {
    return (t >= 0 && t <= 8) || t == 21 || t == 27 || t == 'C' || t == 'E' || t == 'M' || t == 'R' || t == 'S' ||
           (t >= 129 && t <= 132);
}

// Scans from the file position, counting the records of the type in count,
// up to the record whose count is wanted (its body then in the work buffer;
// the status 0) or a stop: the end record, an "E" record or the end of the
// file (-310), a byte that is no record type (-312), a failure.
int32_t Scan(WorkState& w, int type, uint32_t wanted, uint32_t& count) {
    for (;;) {
        const long typeAt = Tell(w);
        const int t = ReadByte(w);
        if (t == EOF || t == 0 || t == 'E') return TESSDEC_ERR_EOF;
        if (!IsRecordType(t)) return TESSDEC_ERR_BODY_LENGTH;
        if (t == type) {
            const int32_t st = ReadFramedBody(w);
            if (st != 0) return st;
            if (++count == wanted) return 0;
            continue;
        }
        const int32_t st = PassOver(w, t, typeAt);
        if (st < 0) return st;
        if (!Seek(w, w.resumeOffset)) return TESSDEC_ERR_SEEK;
    }
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
    const int slot = type - 1;
    const int32_t start = w.firstOffset[slot];
    if (start == 0) return TESSDEC_ERR_EOF;
    // The scan only goes forward: a record at or below the count was passed.
    if (wanted <= w.scanCount[slot]) return TESSDEC_ERR_NOT_IN_FILE;
    // A number past the records before the stop that an earlier scan met
    // fails as that scan did, without reading the file again.
    if (w.scanEndStatus[slot] != 0 && wanted > w.scanEndCount[slot]) return w.scanEndStatus[slot];
    SavedPlace saved(w);
    if (!Seek(w, start)) return TESSDEC_ERR_SEEK;
    uint32_t count = w.scanCount[slot];
    const int32_t st = Scan(w, type, wanted, count);
    if (st < 0) {
        // A miss leaves the scan where it was, so the next look-up finds
        // what lies between; it only remembers how far the scan can go.
        w.scanEndCount[slot] = count;
        w.scanEndStatus[slot] = st;
        return st;
    }
    w.scanCount[slot] = count;
    w.firstOffset[slot] = static_cast<int32_t>(Tell(w));
    w.bodyPos = 0;
    return static_cast<int32_t>(w.bodyLen);
}

void ForgetScanEnds(WorkState& w) {
    for (int32_t& status : w.scanEndStatus) status = 0;
}

}  // namespace tessdec
