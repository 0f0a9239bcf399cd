#pragma once
// Writing output records: little-endian fields at fixed byte offsets, texts
// cut to their slots. Writes that would pass the end of the 6164-byte record
// are dropped, so no layout can run over the caller's buffer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "Text.h"
#include "WorkState.h"

namespace tessdec {

// memset out of line: the C library clears a few hundred bytes with wide
// stores, where the compiler, knowing the size, would clear them inline with
// a string instruction several times slower (a third of the cost of a
// time-history sample).
void ZeroBytes(uint8_t* p, size_t n);

class OutRecord {
public:
    explicit OutRecord(uint8_t* rec) : rec_(rec) {}

    uint8_t* Data() { return rec_; }
    bool Fits(size_t off, size_t n) const { return rec_ != nullptr && off + n <= TESSDEC_RECORD_SIZE; }

    void Clear(size_t n) { Clear(0, n); }
    void Clear(size_t off, size_t n) {
        if (Fits(off, n)) ZeroBytes(rec_ + off, n);
    }
    void Bytes(size_t off, const void* src, size_t n) {
        if (Fits(off, n)) std::memcpy(rec_ + off, src, n);
    }
    void U8(size_t off, unsigned v) {
        const uint8_t b = static_cast<uint8_t>(v);
        Bytes(off, &b, 1);
    }
    void U16(size_t off, unsigned v) {
        const uint16_t x = static_cast<uint16_t>(v);
        Bytes(off, &x, 2);
    }
    void U32(size_t off, uint32_t v) { Bytes(off, &v, 4); }
    void I32(size_t off, int32_t v) { Bytes(off, &v, 4); }
    void F32(size_t off, float v) { Bytes(off, &v, 4); }
    // A zero-ended text in a slot of slot bytes, cut to slot - 1 characters.
    void Text(size_t off, size_t slot, std::string_view s) {
        if (Fits(off, slot)) CopyCut(reinterpret_cast<char*>(rec_ + off), slot, s);
    }
    // printf-style text, formatted bounded and cut to the slot.
    template <typename... Args>
    void Format(size_t off, size_t slot, const char* fmt, Args... args) {
        char buf[64];
        std::snprintf(buf, sizeof buf, fmt, args...);
        Text(off, slot, buf);
    }

    uint16_t GetU16(size_t off) const {
        uint16_t v = 0;
        if (Fits(off, 2)) std::memcpy(&v, rec_ + off, 2);
        return v;
    }

private:
    uint8_t* rec_;
};

// The common head of most output records: kind at 0, site number at 2 and
// the reserved word at 8.
inline void PutFrame(OutRecord& out, const WorkState& w, unsigned kind) {
    out.U16(0, kind);
    out.U16(2, w.siteNumber);
    out.U16(8, w.reservedWord);
}

// Raises the latest time stamp of the summary record.
inline void RaiseLatest(WorkState& w, uint32_t t) {
    uint32_t latest;
    std::memcpy(&latest, w.summary + TESSDEC_SUM_LATEST, 4);
    if (t > latest) std::memcpy(w.summary + TESSDEC_SUM_LATEST, &t, 4);
}

inline void PutSummaryU16(WorkState& w, size_t off, unsigned v) {
    const uint16_t x = static_cast<uint16_t>(v);
    std::memcpy(w.summary + off, &x, 2);
}
inline void PutSummaryU32(WorkState& w, size_t off, uint32_t v) { std::memcpy(w.summary + off, &v, 4); }
inline char* SummaryText(WorkState& w, size_t off) { return reinterpret_cast<char*>(w.summary + off); }

}  // namespace tessdec
