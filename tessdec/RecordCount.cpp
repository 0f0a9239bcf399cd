// CV_GetRecordCount: one walk over a download file that counts its records by
// kind without translating the data records. It frames records as the
// translation does and decodes only what decides the counts: the settings,
// parameter and setup lines (model, mode, channel flags) and the run/stop
// time stamps (the daylight-saving window of a later translation).
#include <cstring>

#include "BodyReader.h"
#include "FileReader.h"
#include "OutRecord.h"
#include "TimeConv.h"
#include "Translators.h"

namespace tessdec {

namespace {

// Counter fields of the record-count block.
enum CountField : int {
    kCalibrations = 0, kCalSpectra = 1, kDays = 2, kEvents = 3, kRtaEvents = 4, kEventSpectra = 5,
    kEventThSpectra = 6, kHistograms = 7, kIntervals = 8, kIntvSpectra = 9, kRunStops = 11,
    kParamGroups = 12, kSummaries = 13, kThSamples = 14, kSysSettings = 15, kCalSettings = 16,
    kObaSettings = 17, kSslmSettings = 18, kIslmSettings = 19, kObaIntervals = 20, kSslmIntervals = 21,
    kSettingsByMode = 22,  // 22 to 29: "M" records of other models by mode 0 to 8 (2 and 3 share 24)
    kSsaIntervals = 30, kSsaThSamples = 31, kSsaHistograms = 32, kSsaRunStops = 33, kTalThSamples = 34,
    kTalSnapshots = 35, kFftSnapshots = 36, kFftRunStops = 37, kRtaThSamples = 38, kRtaSnapshots = 39,
    kSsaSummaries = 40
};

int Type2Field(const WorkState& w) {
    if (IsJ46(w)) return w.modeIndex == 0 ? kObaIntervals : w.modeIndex == 1 ? kSslmIntervals : kIntervals;
    if (!IsJ57(w)) return kIntervals;
    switch (w.modeIndex) {
    case 0: return kSsaIntervals;
    case 2: case 3: return kIntervals;
    case 4: return kRtaSnapshots;
    case 5: return kFftSnapshots;
    case 7: return kTalSnapshots;
    default: return -1;
    }
}

int SettingsField(const WorkState& w) {
    if (IsJ46(w)) return w.modeIndex == 0 ? kObaSettings : w.modeIndex == 1 ? kSslmSettings : kIslmSettings;
    static const int kByMode[9] = {22, 23, 24, 24, 25, 26, 27, 28, 29};
    return w.modeIndex < 9 ? kByMode[w.modeIndex] : -1;
}

int RunField(const WorkState& w) {
    if (IsJ57(w)) {
        if (w.modeIndex == 7) return kTalThSamples;
        if (w.modeIndex == 0) return kSsaThSamples;
        if (w.modeIndex == 4) return kRtaThSamples;
    }
    return kThSamples;
}

// The time stamp of a run/stop record notes a daylight-saving transition.
void NoteRunStop(WorkState& w) {
    BodyReader r(w);
    r.Byte();
    std::tm tm = r.BcdDateTime();
    uint16_t event = 0, cause = 0;
    r.EventByte(event, cause);
    r.U16();
    if (w.model != kModelJ52) r.U24();
    if (event == 0 || event == 64) NoteTransition(tm, event);
}

class Counter {
public:
    Counter(WorkState& w, uint32_t* counts) : w_(w), counts_(counts) {}

    void Add(int field, uint32_t n = 1) {
        if (field >= 0 && field < TESSDEC_COUNT_FIELDS) counts_[field] += n;
    }

    // One record from the resume offset; the status of the walk.
    int32_t Step() {
        if (!Seek(w_, w_.resumeOffset)) return TESSDEC_ERR_READ;
        const long typeAt = Tell(w_);
        w_.bodyPos = 0;
        const int type = ReadByte(w_);
        if (type == EOF) return TESSDEC_ERR_BODY_LENGTH;
        const bool j46j57 = IsJ46OrJ57(w_);
        switch (type) {
        case 0:
            w_.resumeOffset = static_cast<int32_t>(Tell(w_));
            return TESSDEC_END_OF_DATA;
        case 1: case 3: case 5: case 'C': case 'S': case 129: case 130: case 131: case 132:
            Add(SimpleField(type));
            if (type == 1) ++w_.recordCount[0];
            if (type >= 129) ++w_.contCount;
            return ReadFramedBody(w_);
        case 2:
            Add(Type2Field(w_));
            return ReadFramedBody(w_);
        case 4: {
            Add(IsJ57(w_) && w_.modeIndex == 0 ? kSsaRunStops : w_.modeIndex == 5 ? kFftRunStops : kRunStops);
            const int32_t st = ReadFramedBody(w_);
            if (st == 0) NoteRunStop(w_);
            return st;
        }
        case 6:
        case 7:
            if ((type == 7) == j46j57) {
                w_.resumeOffset = static_cast<int32_t>(typeAt + 1);
                uint32_t entries = 0;
                const int32_t st = WalkThStream(w_, &entries);
                Add(kThSamples, entries);
                return st;
            }
            if (type == 7) Add(kHistograms, 3);
            return ReadFramedBody(w_);
        case 8: {
            const uint32_t bits = ((w_.modeFlags & 64) ? 1 : 0) + ((w_.modeFlags & 32) ? 1 : 0) + ((w_.modeFlags & 16) ? 1 : 0);
            Add(IsJ57(w_) && w_.modeIndex == 0 ? kSsaHistograms : kHistograms, bits);
            return ReadFramedBody(w_);
        }
        case 21:
        case 27: {
            const int len = ReadByte(w_);
            if (len == EOF) return TESSDEC_ERR_EOF;
            w_.runBlockLen = static_cast<uint16_t>(len);
            w_.resumeOffset = static_cast<int32_t>(typeAt + 2);
            int32_t st;
            while ((st = ReadRunBlock(w_)) > 0) Add(RunField(w_));
            return st;
        }
        case 'E':
            return PassOverEventLines(w_, typeAt);
        case 'M': {
            int32_t st = ReadFramedBody(w_);
            if (st != 0) return st;
            st = TranslateSettings(w_);
            Add(SettingsField(w_));
            return st;
        }
        case 'Q':
            Add(kParamGroups);
            if (!Seek(w_, typeAt)) return TESSDEC_ERR_READ;
            return TranslateParams(w_);
        case 'R':
            Add(w_.modeIndex == 0 ? kSsaSummaries : kSummaries);
            if (!Seek(w_, typeAt)) return TESSDEC_ERR_READ;
            return TranslateSetupLines(w_);
        default:
            return ReadFramedBody(w_);
        }
    }

private:
    int SimpleField(int type) const {
        switch (type) {
        case 1: return w_.modeIndex == 4 ? kRtaEvents : kEvents;
        case 3: return kDays;
        case 5: return kCalibrations;
        case 'C': return kCalSettings;
        case 'S': return kSysSettings;
        case 129: return kEventSpectra;
        case 130: return kIntvSpectra;
        case 131: return kCalSpectra;
        default: return kEventThSpectra;
        }
    }

    WorkState& w_;
    uint32_t* counts_;
};

}  // namespace

}  // namespace tessdec

using namespace tessdec;

extern "C" TESSDEC_API int32_t CV_GetRecordCount(const char* path, void* work, uint32_t* counts, void* record) {
    ResetDstWindow();
    if (work == nullptr) return TESSDEC_ERR_NO_BUFFER;
    WorkState& w = *static_cast<WorkState*>(work);
    InfoCall call(w);
    ResetWork(w);
    // The translators that run during the count need an output record; the
    // caller's is scratch, and a missing one is replaced by our own.
    static uint8_t scratch[TESSDEC_RECORD_SIZE];
    w.out = record != nullptr ? static_cast<uint8_t*>(record) : scratch;
    uint32_t localCounts[TESSDEC_COUNT_FIELDS];
    uint32_t* c = counts != nullptr ? counts : localCounts;
    std::memset(c, 0, sizeof localCounts);
    int32_t st = 0;
    if (!call.Open(path)) {
        st = TESSDEC_ERR_OPEN;
    } else {
        w.resumeOffset = 0;
        st = ReadHeader(w, nullptr);
        if (st == TESSDEC_ERR_NOT_IN_FILE) st = 0;  // no header: count from the first line
        Counter counter(w, c);
        while (st >= 0) st = counter.Step();
        if (st == TESSDEC_END_OF_DATA) st = 0;
    }
    w.out = nullptr;
    return Fail(w, st);
}
