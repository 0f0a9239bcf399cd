// Spectrum continuation blocks 129 to 132 (kinds 11, 12, 10, 13). Each block
// names the record it belongs to; the spectrum takes that record's time, found
// by the record lookup, or the clock when the record is not in the file.
#include <cstring>

#include "BodyReader.h"
#include "OutRecord.h"
#include "RecordTools.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kBands = 34;
constexpr float kPairScale = 3.0103f;  // a pair counts in units of 10·log10(2) dB

// Reads body bytes by position; a position past the body reads 0 and marks
// the block as read past its end.
class BlockBody {
public:
    explicit BlockBody(const WorkState& w) : w_(w) {}
    int32_t Status() const { return status_; }
    uint8_t At(size_t pos) {
        if (pos >= w_.bodyLen) {
            status_ = TESSDEC_ERR_PAST_BODY;
            return 0;
        }
        return w_.body[pos];
    }
    unsigned U16(size_t pos) { return At(pos) * 256u + At(pos + 1); }
    float Pair(size_t pos) {
        const int b0 = static_cast<int8_t>(At(pos));
        return (static_cast<float>(b0) + At(pos + 1) / 256.0f) * kPairScale;
    }
    // count band values, band i from the pair at last - 2i.
    void Spectrum(OutRecord& out, size_t at, size_t last, size_t count) {
        for (size_t i = 0; i < count; ++i) out.F32(at + 4 * i, Pair(last - 2 * i));
    }

private:
    const WorkState& w_;
    int32_t status_ = 0;
};

// The time of an event found by number, less its pre-trigger part.
bool EventTime(WorkState& w, uint32_t number, PrevSlot slot, uint32_t& t) {
    if (LookupRecord(w, 1, number) < 0) return false;
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    const float duration = r.Duration5();
    r.Skip(5 * 2 + 2);  // five levels and two bytes
    const float preTrigger = r.Fix88();
    t = RecordStamp(w, tm, slot);
    if (w.exceedTimeFlag != 0) t -= SaturatingCast<uint32_t>(duration * preTrigger / 100.0f);
    return true;
}

// The time of the record of that type and number: its BCD date and time after
// skip bytes.
bool RecordTime(WorkState& w, int type, uint32_t number, size_t skip, PrevSlot slot, uint32_t& t) {
    if (LookupRecord(w, type, number) < 0) return false;
    BodyReader r(w);
    r.Skip(skip);
    t = RecordStamp(w, r.BcdDateTime(), slot);
    return true;
}

void Head(OutRecord& out, WorkState& w, unsigned kind, size_t clear) {
    out.Clear(clear);
    PutFrame(out, w, kind);
}

int32_t EventSpectrum(WorkState& w, OutRecord& out) {
    BlockBody b(w);
    const uint32_t number = b.U16(0);
    Head(out, w, 11, 444);
    if (w.bodyLen < 200) {  // the short block of older firmware
        out.U16(10, 1u << 13);
        out.U16(12, b.At(137));
        out.F32(16, b.Pair(135));
        out.F32(28, b.Pair(131));
        out.F32(32, static_cast<float>(b.At(133) * 256u + b.At(134)) / 2.0f);
        b.Spectrum(out, 36, 129, kBands);
        b.Spectrum(out, 172, 60, kBands - 3);
    } else {
        out.F32(16, b.Pair(209));
        b.Spectrum(out, 36, 69, kBands);
        b.Spectrum(out, 172, 138, kBands);
        b.Spectrum(out, 308, 207, kBands);
    }
    out.U32(20, number);
    out.U32(24, w.contCount);
    const int32_t st = b.Status();
    uint32_t t = 0;
    if (!EventTime(w, number, kPrevSpectrum129, t)) t = SpectrumNow();
    out.U32(4, t);
    return st;
}

int32_t IntervalSpectrum(WorkState& w, OutRecord& out) {
    BlockBody b(w);
    const uint32_t number = b.U16(0);
    Head(out, w, 12, 428);
    out.U32(12, number);
    out.U32(16, w.contCount);
    b.Spectrum(out, 20, 71, kBands);
    b.Spectrum(out, 156, 140, kBands);
    b.Spectrum(out, 292, 209, kBands);
    const int32_t st = b.Status();
    uint32_t t = 0;
    if (!RecordTime(w, 2, number, 0, kPrevSpectrum130, t)) t = SpectrumNow();
    out.U32(4, t);
    return st;
}

int32_t CalSpectrum(WorkState& w, OutRecord& out) {
    BlockBody b(w);
    const uint32_t number = b.U16(0);
    Head(out, w, 10, 156);
    out.U32(12, number);
    out.U32(16, w.contCount);
    b.Spectrum(out, 20, 69, kBands);
    const int32_t st = b.Status();
    uint32_t t = 0;
    if (!RecordTime(w, 5, number, 1, kPrevSpectrum131, t)) t = SpectrumNow();
    out.U32(4, t);
    return st;
}

// Spectra of an event's time history: blocks numbered n - 1 for the event n,
// the last one carrying the event's own number.
int32_t EventThSpectrum(WorkState& w, OutRecord& out) {
    BlockBody b(w);
    const int32_t n = static_cast<int32_t>(b.U16(0));
    Head(out, w, 13, 168);
    b.Spectrum(out, 32, 69, kBands);
    const int32_t st = b.Status();
    const bool last = n == w.cachedEvent;
    const int32_t event = last ? n : n + 1;
    ++w.specIndex;
    if (event != w.cachedEvent) {
        uint32_t t = 0;
        if (!EventTime(w, static_cast<uint32_t>(event), kPrevSpectrum132, t)) t = SpectrumNow();
        w.cachedEvent = event;
        w.cachedEventTime = t;
    }
    out.U32(4, w.cachedEventTime);
    out.U32(12, static_cast<uint32_t>(event));
    out.U32(16, last ? 1 : 0);
    out.U32(24, w.contCount);
    out.U16(28, w.specIndex);
    if (last) {
        w.specIndex = 65535;
        w.cachedEvent = -1;
    }
    return st;
}

}  // namespace

int32_t TranslateSpectrum(WorkState& w, int type) {
    OutRecord out(w.out);
    switch (type) {
    case 129: return EventSpectrum(w, out);
    case 130: return IntervalSpectrum(w, out);
    case 131: return CalSpectrum(w, out);
    default: return EventThSpectrum(w, out);
    }
}

}  // namespace tessdec
