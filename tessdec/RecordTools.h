#pragma once
// Small pieces shared by the data-record translators: time stamps with a
// previous stamp per translator, the level offset written into histograms,
// the clock of spectra whose record cannot be found, and the record lookup.
#include <cmath>
#include <cstdint>
#include <ctime>

#include "Numbers.h"
#include "OutRecord.h"
#include "TimeConv.h"
#include "WorkState.h"

namespace tessdec {

// A record's time stamp under the daylight-saving window, with the previous
// stamp of its translator; the latest time of the summary is raised to it.
inline uint32_t RecordStamp(WorkState& w, const std::tm& tm, PrevSlot slot, bool raiseLatest = true) {
    uint32_t& prev = Lib().prevTime[slot];
    const uint32_t t = StampSecs(tm, &prev);
    prev = t;
    if (raiseLatest) RaiseLatest(w, t);
    return t;
}

// The level offset as three histogram bytes: its whole part, its first
// decimal and its second decimal rounded.
inline void PutOffsetBytes(OutRecord& out, size_t off, float levelOffset) {
    const double whole = std::trunc(levelOffset);
    const long hundredths = SaturatingCast<long>(std::round(std::fabs(levelOffset - whole) * 100.0));
    out.U8(off, static_cast<unsigned>(SaturatingCast<long>(whole)));
    out.U8(off + 1, static_cast<unsigned>(hundredths / 10));
    out.U8(off + 2, static_cast<unsigned>(hundredths % 10));
}

// The time given to a spectrum whose record is not in the file: the system's
// clock, replaceable so that tests are deterministic.
using NowFn = uint32_t (*)();
void SetSpectrumClock(NowFn now);  // null: the system's clock
uint32_t SpectrumNow();

// Record lookup: finds the record of the type (1 to 6) whose count is
// wanted, scanning from the type's scan position. On success the body length
// (the body in w.body, read position 0), and the scan position and count move
// past it; -310 when the type has no scan position or the end record or an
// "E" record is met; -317 when the wanted number was passed already; -312 for
// a byte that is no record type or a body longer than any; -315 when a seek
// fails. A failure leaves the scan position and count as they were. The
// resume offset and the piecewise flags are left as they were.
int32_t LookupRecord(WorkState& w, int type, uint32_t wanted);
// Forgets where the scans stop; for when the scan positions move.
void ForgetScanEnds(WorkState& w);

}  // namespace tessdec
