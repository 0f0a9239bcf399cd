#pragma once
// The translation state. It lives inside the caller's zero-filled work buffer
// (all-zero bytes mean a fresh translation), so it holds no C++ object with a
// constructor that matters, only numbers, texts, the FILE handle and the output
// pointer. Values that outlive one work buffer (carry-overs between records of
// the whole library, the daylight-saving window) are in LibraryState.
#include <cstddef>
#include <cstdint>
#include <climits>
#include <cstdio>

#include "InFile.h"

#include "tessdec.h"

namespace tessdec {

// Model numbers: the designation digits, as header line 2 carries them.
constexpr uint16_t kModelJ05 = 5;
constexpr uint16_t kModelJ08 = 8;
constexpr uint16_t kModelJ17 = 17;
constexpr uint16_t kModelJ33 = 33;
constexpr uint16_t kModelJ46 = 46;
constexpr uint16_t kModelJ52 = 52;
constexpr uint16_t kModelJ57 = 57;
constexpr uint16_t kModelJ59 = 59;
constexpr uint16_t kModelJ61 = 61;
constexpr uint16_t kModelJ68 = 68;

constexpr size_t kBodyMax = 6200;
constexpr size_t kChunk = 500;        // piecewise reads of the time-history stream
constexpr size_t kPathMax = 255;
constexpr size_t kTimeTableMax = 299;  // run-start and other-event time tables

// Slots of the first-record offsets (scan positions of the record lookup).
enum FirstSlot : int {
    kFirstType1 = 0,  // types 1 to 6 at index type - 1
    kFirstType6 = 5,
    kFirstType7 = 6,
    kFirstType21 = 7,
    kFirstType27 = 8,
    kFirstCont129 = 9,  // 129 to 132 at 9 to 12
    kFirstSlots = 13
};

struct WorkState {
    // --- reader and framing ---------------------------------------------
    InFile* file;              // open download file, or null
    uint8_t* out;              // caller's output record of the call under way
    int32_t status;            // status of the operation under way
    int32_t lastError;         // last failing status
    char errorText[24];        // "Error <%3d>"
    int32_t resumeOffset;      // file offset at which the next call continues
    uint16_t keepOpen;         // 1: the file stays open between calls
    uint16_t reservedWord;     // always 0; copied to offset 8 of output records
    uint32_t bodyComplete;     // 1 when the last block read filled the body
    uint32_t bodyPos;          // next byte to take from the body
    uint32_t bodyLen;          // bytes of the body in hand
    uint32_t chunkRead;        // 1: the body reader refills in chunks
    uint32_t contMode;         // 1 while a record is read piecewise
    uint16_t savedType;        // type of the record read piecewise
    uint16_t runBlockLen;      // block length L of a type 21/27 run
    int32_t firstOffset[kFirstSlots];
    uint32_t scanCount[6];     // record lookup: records met per type 1 to 6
    // Record lookup: where a scan from the scan position stops (the end
    // record, an "E" record, a failure), as the scan count it has there and
    // the status it stops with; a status of 0 while that is not known.
    uint32_t scanEndCount[6];
    int32_t scanEndStatus[6];
    uint32_t recordCount[5];   // records of types 1 to 5 met so far
    uint32_t contCount;        // continuation blocks 129 to 132 met so far

    // --- header and trailer ---------------------------------------------
    uint16_t model;            // model number from header line 2
    uint16_t modeIndex;        // from the header's mode line
    float firmware;            // from header line 3
    uint16_t versionFlag;      // 1 when the firmware is above 0.9
    uint32_t startTime;        // seconds of the header's start date and time
    double startTimeD;         // the same, as a double for time arithmetic
    uint32_t trailerStart;     // start time less one second (from R 6 or header)
    float levelOffset;         // trailer line R 106, added to non-zero levels

    // --- translation values set by the parameter lines ("Q") and the
    //     measurement settings record ("M"), read by the data translators ---
    uint16_t siteNumber;       // Q 157 or the system record's monitor number
    uint8_t modeFlags;         // "M" body byte 41 (the channel flags)
    uint8_t rtaThirdOctave;    // "M" RTA: byte 41 bit 7 as 128 or 0
    uint16_t singleByteLevel;  // Q 81; "M" byte 47 bit 2
    uint16_t thFormatCode;     // Q 82; J46 "M" byte 140
    uint16_t thOtherLevel;     // "M" byte 140
    uint16_t thMask[6];        // time-history masks 1 to 6
    float setupLevelOffset;    // "M" byte 181 (J57 time-history levels)
    float periodSecs;          // interval / time-history period
    float lnPercent[6];        // Ln percentages
    uint16_t intervalLnFlag;   // Q 77; "M" byte 42 bit 6
    uint16_t intervalHistFlag; // interval complete-histogram (Q 210 bit 0)
    uint16_t windFlag;         // wind/tach flag (Q 145)
    uint16_t slmSummaryFlag;   // Q 146
    uint16_t spectraSel;       // "M" SSA byte 103
    uint16_t lnSpectraSel;     // "M" SSA byte 104
    float exceedLevel1;        // Q 61; "M" bytes 122-123
    uint16_t exceedLevel2;     // Q 62; "M" byte 179
    uint16_t exceedThFlag;     // event time-history flag (Q 69)
    uint16_t exceedTimeFlag;   // pre-trigger flag (Q 162/163 = 1)
    float exceedValue16;       // sample value (Q 70)
    uint16_t dailyLnFlag;      // Q 206 with the version flag
    uint16_t dailyHistFlag;    // daily complete-histogram flag
    uint16_t eventFlag1;       // Q 71: channel-range flag of the events
    uint16_t eventFlag2;       // Q 78: channel-range flag of the intervals
    uint16_t q162Flag;         // threshold-level flag (Q 162 = 2)
    uint16_t summaryA[2];      // summary pair A
    uint16_t summaryB[2];      // summary pair B
    float calReference;        // "C" bytes 37-38
    char channelName[3][10];   // Q 121, 129, 137 (9 characters)
    float channelFactor1[3];   // Q 122, 130, 138 (range low)
    float channelFactor2[3];   // Q 123, 131, 139 (range high)
    char channelUnit[3][8];    // Q 124, 132, 140 (7 characters)
    uint16_t q53, q54;         // kept for the other models' setup lines
    uint16_t dayOptionA;       // Q 118 (with the version flag)
    uint16_t channelOption;    // Q 119 (with the version flag)
    uint16_t dayOptionB;       // Q 120 (with the version flag)
    float q147;                // kept for the other models' setup lines
    uint16_t q209;             // kept for the other models' setup lines

    // --- scratch of the data translators --------------------------------
    uint32_t runTimes[kTimeTableMax];    // run starts of the run/stop log
    uint32_t otherTimes[kTimeTableMax];  // every other run/stop event
    uint16_t runTimeCount, otherTimeCount;
    uint16_t runTimeRead, otherTimeRead; // read indexes of the type 21/27 runs
    uint32_t thBlockTime;      // time-history stream: time of the block
    double thRunningTime;      // running time of the stream / runs
    uint16_t thSample;         // samples in the block under way
    uint16_t thRunStart;       // next run-start index of the stream
    uint16_t thStreamOpen;     // 1 while a time-history stream is under way
    uint32_t specSampleCount;  // type 21/27 spectrum samples
    uint32_t thSampleCount;    // type 21/27 time-history samples
    uint32_t snapshotCount;    // J57 RTA/FFT/TAL type 2 snapshots
    int32_t cachedEvent;       // type 132: cached event number, -1 none
    uint32_t cachedEventTime;
    uint16_t specIndex;        // type 132 spectrum index, 65535 none
    uint16_t j46OffsetScanned; // 1 once a J46 calibration record looked for R 106
    uint16_t j46OffsetFound;   // 1 when that look found it
    float j46Offset;           // the level offset it found
    uint16_t setupLineState[4];  // state of the parameter/setup-line translators

    // --- blocks -------------------------------------------------------------
    uint8_t summary[TESSDEC_SUM_SIZE];  // the kind-15 record
    char path[kPathMax + 1];
    uint8_t body[kBodyMax];
};

static_assert(sizeof(WorkState) <= TESSDEC_WORK_SIZE, "the state must fit the caller's work buffer");

// Values shared by all translations of the process (one translation runs at a
// time, from one thread).
enum PrevSlot : int {
    kPrevEvent, kPrevInterval, kPrevDay, kPrevRunStop, kPrevCalCheck,
    kPrevSpectrum129, kPrevSpectrum130, kPrevSpectrum131, kPrevSpectrum132,
    kPrevSsa, kPrevRta, kPrevFft, kPrevTal, kPrevObaJ46, kPrevRun21, kPrevRun27,
    kPrevCal, kPrevSlots
};

struct LibraryState {
    WorkState* current = nullptr;      // the work buffer in use
    uint32_t prevTime[kPrevSlots] = {};// previous time stamp per translator
    int64_t dstStart = INT32_MIN;      // daylight-saving window
    int64_t dstEnd = 0;
    int dstState = -1;                 // -1 unknown, 0 standard, 1 summer time
};

LibraryState& Lib();
// The work buffer in use; only called while one is set.
inline WorkState& Cur() { return *Lib().current; }

// Clears the carry-overs that belong to one translation.
void ClearCarryOvers();
// The reset of a work buffer before a translation or a count.
void ResetWork(WorkState& w);
// Records a failing status in the work buffer and returns it.
int32_t Fail(WorkState& w, int32_t status);

// Copies a path of 1 to 255 characters into the buffer; false otherwise.
bool SetPath(WorkState& w, const char* path);

// The informational exports borrow a work buffer for one call: it becomes the
// current buffer with its own file handle, and on return the file is closed
// and the handle and current buffer are as they were.
class InfoCall {
public:
    explicit InfoCall(WorkState& w);
    ~InfoCall();
    InfoCall(const InfoCall&) = delete;
    InfoCall& operator=(const InfoCall&) = delete;
    bool Open(const char* path);

private:
    WorkState& w_;
    WorkState* prev_;
    InFile* savedFile_;
};

// Firmware comparisons against a threshold as the record layouts define them:
// some thresholds are doubles (the float version compares against the exact
// double), others are 32-bit floats.
inline bool FwAbove(const WorkState& w, double threshold) { return static_cast<double>(w.firmware) > threshold; }
inline bool FwAtMost(const WorkState& w, double threshold) { return !FwAbove(w, threshold); }
inline bool FwAtLeastF(const WorkState& w, float threshold) { return w.firmware >= threshold; }
inline bool FwBelowF(const WorkState& w, float threshold) { return w.firmware < threshold; }

inline bool IsJ46(const WorkState& w) { return w.model == kModelJ46; }
inline bool IsJ57(const WorkState& w) { return w.model == kModelJ57; }
inline bool IsJ46OrJ57(const WorkState& w) { return IsJ46(w) || IsJ57(w); }

}  // namespace tessdec
