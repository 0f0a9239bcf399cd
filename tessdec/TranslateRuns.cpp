// Runs of types 21 (spectrum samples, kind 21) and 27 (time-history entries,
// kind 57): equally long bodies behind one type byte, ended by a zero byte,
// one body a call. Their times are not in the bodies: they are rebuilt from
// the start time, the period of the settings and the run/stop tables.
#include <cmath>

#include "BodyReader.h"
#include "FileReader.h"
#include "Numbers.h"
#include "OutRecord.h"
#include "Translators.h"

namespace tessdec {

namespace {

// Readers of the time-history entry's values; each takes one byte only when
// the instrument stores single-byte levels.
class EntryReader {
public:
    explicit EntryReader(WorkState& w) : w_(w), r_(w), single_(w.singleByteLevel != 0) {}
    BodyReader& Body() { return r_; }
    bool Ok() const { return !r_.Failed(); }

    float Value() {
        const uint8_t b0 = r_.Byte();
        const uint8_t b1 = single_ ? 0 : r_.Byte();
        float v = b0 + b1 / 256.0f;
        if (b0 + b1 == 0) return v;
        if (!single_) return v + w_.levelOffset;
        const double whole = std::trunc(w_.levelOffset);
        const int firstDecimal = SaturatingCast<int>(std::fabs(w_.levelOffset - whole) * 10.0 + 1e-6);
        return v + static_cast<float>(w_.levelOffset < 0 && firstDecimal != 0 ? whole - 1 : whole);
    }
    float Scaled16() {
        const unsigned b0 = r_.Byte();
        const unsigned b1 = single_ ? 0 : r_.Byte();
        return static_cast<float>((b0 * 256 + b1) / 45590.0 * 8);
    }
    float Sixteenths() {
        const uint8_t b0 = r_.Byte();
        if (!single_) r_.Byte();
        return b0 / 16.0f;
    }
    float RelativeToCal() {
        const uint8_t b0 = r_.Byte();
        if (single_) return static_cast<float>(b0 - std::trunc(w_.calReference));
        const uint8_t b1 = r_.Byte();
        return b0 + b1 / 256.0f - w_.calReference;
    }
    float ExtendedCount() {
        const uint8_t b0 = r_.Byte();
        if (single_) return b0;
        const uint8_t b1 = r_.Byte();
        float n = static_cast<float>(b0 * 256 + b1);
        if ((w_.thMask[3] & 0x01) != 0) n += r_.Byte() / 256.0f;
        return n;
    }

private:
    WorkState& w_;
    BodyReader r_;
    bool single_;
};

// Mask numbers 1 to 6 in their reading order, with the output area of each.
struct MaskGroup { int mask; size_t at; };
constexpr MaskGroup kGroups[6] = {{1, 40}, {4, 136}, {2, 72}, {5, 168}, {3, 104}, {6, 200}};

void ReadGroup(EntryReader& e, OutRecord& out, const WorkState& w, const MaskGroup& g) {
    const unsigned mask = w.thMask[g.mask - 1];
    for (int k = 7; k >= 0; --k) {
        if ((mask & (1u << k)) == 0) continue;
        if (g.mask == 6 && k <= 1) {  // whole spectra of values
            const size_t at = k == 1 ? 236 : 368;
            for (size_t i = 0; i < 33; ++i) {
                const float v = e.Value();
                if (e.Ok()) out.F32(at + 4 * i, v);
            }
            continue;
        }
        float v;
        if (g.mask == 4 && k == 1) v = e.ExtendedCount();
        else if (g.mask == 4 && k == 0) v = e.Body().Byte();
        else if (g.mask == 5 && k == 2) v = e.Scaled16();
        else if (g.mask == 5 && k == 1) v = e.Sixteenths();
        else if (g.mask == 5 && k == 0) v = e.RelativeToCal();
        else v = e.Value();
        if (e.Ok()) out.F32(g.at + 4 * static_cast<size_t>(k), v);
    }
}

// Takes the next time of a run/stop table, when one is left.
bool NextTime(const uint32_t* table, uint16_t count, uint16_t& read, uint32_t& t) {
    if (read >= kTimeTableMax || read >= count) return false;
    t = table[read++];
    return true;
}

void ThEntry(WorkState& w, OutRecord& out) {
    out.Clear(500);
    PutFrame(out, w, 57);
    out.U16(10, w.thOtherLevel);
    out.U16(12, w.thMask[0]);
    out.U16(14, w.thMask[1]);
    out.U16(16, w.thMask[2]);
    out.U16(18, w.thMask[4]);
    if (FwAbove(w, 2.01)) {
        out.U16(232, w.thMask[3]);
        out.U16(234, w.thMask[5]);
    }
    out.F32(28, w.periodSecs);
    if (w.thSampleCount == 0) w.thRunningTime = w.startTimeD;
    out.U32(32, ++w.thSampleCount);
    uint32_t entryTime = SaturatingCast<uint32_t>(w.thRunningTime);
    EntryReader e(w);
    const uint8_t b0 = e.Body().Byte();
    if (b0 < 128) {
        w.thRunningTime += w.periodSecs;
        out.F32(20, e.Body().ThLevelFirst(b0));
        if (w.thOtherLevel == 4) {
            for (const MaskGroup& g : kGroups) ReadGroup(e, out, w, g);
        } else if (w.thOtherLevel > 0) {
            const float v = e.Value();
            if (e.Ok()) out.F32(24, v);
        }
    } else {
        out.F32(20, -1.0f);
        out.U16(36, b0 & 0x0F);
        const unsigned state = (b0 & 0x70) >> 4;
        out.U16(38, state);
        if (state == 4 || state == 5) {  // run, continue: the running time restarts
            if (NextTime(w.runTimes, w.runTimeCount, w.runTimeRead, entryTime)) w.thRunningTime = entryTime;
        } else {
            NextTime(w.otherTimes, w.otherTimeCount, w.otherTimeRead, entryTime);
        }
    }
    out.U32(4, entryTime);
    RaiseLatest(w, entryTime);
}

void SpectrumSample(WorkState& w, OutRecord& out) {
    out.Clear(152);
    PutFrame(out, w, 21);
    out.U32(16, ++w.specSampleCount);
    BodyReader r(w);
    out.U8(12, r.Byte());
    out.F32(4, r.Fix816());
    out.F32(8, r.LevelFracNone());
    const size_t bands = (w.modeFlags & 0x80) != 0 ? 33 : 11;
    for (size_t i = 0; i < bands; ++i) out.F32(20 + 4 * i, r.LevelFracNone());
}

}  // namespace

int32_t TranslateRun(WorkState& w, int type) {
    w.bodyLen = 0;
    const int32_t got = ReadRunBlock(w);
    if (got == 0) return 0;  // an empty run: its zero byte only
    // A body cut by the end of the file is delivered with zeros where it
    // ended; the run is over then, and the next call meets the end of the file.
    if (got < 0 && w.bodyLen == 0) return got;
    OutRecord out(w.out);
    if (type == 21) SpectrumSample(w, out);
    else ThEntry(w, out);
    if (got < 0) return 0;
    // Look ahead: a zero byte where the next body would start ends the run.
    const int next = ReadByte(w);
    if (next == 0) {
        w.contMode = 0;
        w.resumeOffset += 1;
    } else if (next != EOF) {
        UnreadByte(w);  // the next call starts here
    }
    return 0;
}

}  // namespace tessdec
