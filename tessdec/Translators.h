#pragma once
// The record translators, one family per file (TranslateDay.cpp,
// TranslateEvents.cpp, ...), called by the dispatcher in Dispatch.cpp.
//
// Contract of a translator: it works on the work buffer w. For a record with
// a length field the dispatcher has read the body into w.body (w.bodyLen
// bytes, w.bodyPos = 0) and set w.resumeOffset after it; the translator takes
// the bytes with a BodyReader and fills w.out (an OutRecord over it). It
// returns the status (0, or the reader's -313). Translators that read lines
// or move in the file themselves set w.resumeOffset. Records of types 1 to 5
// get their record number from the dispatcher after the translator returns.
#include <cstdint>

#include "WorkState.h"

namespace tessdec {

// --- helpers shared by translators, the record count and the record lookup --

// Passes over a time-history stream from the file position (just after its
// type byte) to its end byte, reading it in 500-byte chunks; counts its
// level entries when entries is given. Leaves the resume offset after the
// end byte and clears the continuation and chunk-read flags.
int32_t WalkThStream(WorkState& w, uint32_t* entries);
// Reads the next block of a type 21/27 run (w.runBlockLen bytes) into the
// body. Returns 1 for a block, 0 at the zero byte that ends the run (the
// continuation flag is then cleared), or -310 when the file ends first. The
// resume offset moves past what was read.
int32_t ReadRunBlock(WorkState& w);
// Reads text lines that begin with letter (at most maxChars each) and drops
// them; the resume offset stays after the last such line.
int32_t SkipTextLines(WorkState& w, char letter, size_t maxChars);
// An "E" record: its line (from the type byte at typeAt) and one more line,
// both passed over.
int32_t PassOverEventLines(WorkState& w, long typeAt);

// --- Day, run/stop, calibration-check, histogram and time-history records ---
int32_t TranslateDay(WorkState& w);        // type 3 -> kind 3
int32_t TranslateRunStop(WorkState& w);    // type 4 -> kind 4
int32_t TranslateCalCheck(WorkState& w);   // type 5 -> kind 5
int32_t TranslateHistogram(WorkState& w);  // type 8, type 7 of other models -> kind 9
int32_t TranslateThStream(WorkState& w);   // type 7 (J46, J57), 6 (others) -> kind 16

// --- Event and interval records ----------------------------------------------
int32_t TranslateEvent(WorkState& w);      // type 1 -> kind 1
int32_t TranslateRtaEvent(WorkState& w);   // type 1 in mode 4 -> kind 1 (RTA layout)
int32_t TranslateInterval(WorkState& w);   // type 2 -> kind 2

// --- Spectrum continuation blocks --------------------------------------------
int32_t TranslateSpectrum(WorkState& w, int type);  // 129 to 132 -> kinds 11, 12, 10, 13

// --- Mode data records of type 2 ---------------------------------------------
int32_t TranslateObaData(WorkState& w);    // J46 mode 0 -> kind 31
int32_t TranslateSslmData(WorkState& w);   // J46 mode 1 -> kind 32
int32_t TranslateSsaData(WorkState& w);    // J57 mode 0 -> kind 56
int32_t TranslateRtaData(WorkState& w);    // J57 mode 4 -> kind 72
int32_t TranslateFftData(WorkState& w);    // J57 mode 5 -> kind 69
int32_t TranslateTalData(WorkState& w);    // J57 mode 7 -> kinds 66 to 68

// --- Runs of types 21 and 27 (read piecewise, one block a call) -------------
int32_t TranslateRun(WorkState& w, int type);  // -> kinds 21, 57

// --- Settings, calibration and system records ----------------------------------
int32_t TranslateSettings(WorkState& w);   // "M" -> kinds 33-35, 51-53, 60, 63, 70
int32_t TranslateCalibration(WorkState& w);  // "C" -> kind 30 (J46) or 50
int32_t TranslateSystem(WorkState& w);     // "S" -> kind 36 (J46) or 54

// --- Text lines -----------------------------------------------------------------
int32_t TranslateParams(WorkState& w);     // "Q" group -> kind 7
int32_t TranslateSetupJ57(WorkState& w);   // "R" group of the J57 -> kind 55
int32_t TranslateSetupJ46(WorkState& w);   // "R" group of the J46 -> kind 37
int32_t TranslateSetupOther(WorkState& w); // "R" group of other models -> kind 8

// The setup-line translator of the file's model, from the file position.
int32_t TranslateSetupLines(WorkState& w);

// Where the dispatcher writes the record number of a record of types 1 to 5,
// by output kind; -1 when the kind has none.
int RecordNumberOffset(unsigned kind, bool rtaLayout);

}  // namespace tessdec

namespace tessdec {
// Frames and translates one record (or one piece of a record read piecewise)
// from the file position; the heart of CV_TranslateNextRec.
int32_t TranslateOneRecord(WorkState& w);
}  // namespace tessdec
