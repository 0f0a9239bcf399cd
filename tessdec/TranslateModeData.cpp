// Mode data records of type 2: the J46's OBA and sSLM intervals (kinds 31,
// 32) and the J57's SSA intervals (56), TAL snapshots (66 to 68), FFT spectra
// (69) and RTA spectra (72). These translators deliver a short body with zeros
// where it ended (status 0), as the instrument's own software does.
#include <cmath>
#include <cstring>

#include "BodyReader.h"
#include "OutRecord.h"
#include "RecordTools.h"
#include "TimeConv.h"
#include "Translators.h"

namespace tessdec {

namespace {

using LevelFn = float (BodyReader::*)();

void ReadLevels(BodyReader& r, OutRecord& out, size_t at, size_t n, LevelFn decode = &BodyReader::LevelFracNone) {
    for (size_t i = 0; i < n; ++i) out.F32(at + 4 * i, (r.*decode)());
}

// J46 time stamps: local time, daylight saving decided by the system.
uint32_t J46Secs(BodyReader& r) { return LocalSecs(r.BcdDateTime()); }

// The octave value of three 1/3-octave levels; 999.0 when one has no value.
float OctaveSum(const float (&third)[3]) {
    double sum = 0.0;
    for (float l : third) {
        if (l == kNoValue) return kNoValue;
        sum += std::pow(10.0, l / 10.0);
    }
    return static_cast<float>(10.0 * std::log10(sum));
}

void PutOctaves(OutRecord& out, size_t thirdsAt, size_t octavesAt) {
    const uint8_t* rec = out.Data();
    for (size_t k = 0; k < 11; ++k) {
        float third[3];
        std::memcpy(third, rec + thirdsAt + 12 * k, sizeof third);
        out.F32(octavesAt + 4 * k, OctaveSum(third));
    }
}

// Head of the J57 snapshots: the snapshot counter at 4 (the dispatcher puts
// the record number over it) and the time at 8.
void SnapshotHead(WorkState& w, OutRecord& out, size_t clear, unsigned kind) {
    out.Clear(clear);
    out.U16(0, kind);
    out.U32(4, ++w.snapshotCount);
}

}  // namespace

int32_t TranslateObaData(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(148);
    BodyReader r(w);
    const uint32_t t = J46Secs(r);
    out.F32(12, r.Duration5());
    out.U16(142, r.Byte());
    const bool thirds = (w.modeFlags & 0x08) != 0;
    if (thirds) {
        out.U16(16, 2);
        ReadLevels(r, out, 20, 30);
    } else {
        for (size_t i = 1; i < 30; i += 3) out.F32(20 + 4 * i, r.LevelFracNone());
    }
    PutFrame(out, w, 31);
    out.U16(140, w.model);
    out.U32(4, t);
    RaiseLatest(w, t);
    return 0;
}

int32_t TranslateSslmData(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(72);
    BodyReader r(w);
    const uint32_t t = J46Secs(r);
    out.U32(20, J46Secs(r));
    out.F32(12, r.Duration5());
    for (size_t at : {28, 56, 36, 32, 44, 64, 60}) out.F32(at, r.SignedFix88());
    for (size_t at : {42, 24, 18, 68, 26, 48, 50}) out.U16(at, r.Byte());
    PutFrame(out, w, 32);
    out.U16(40, w.model);
    out.U32(4, t);
    RaiseLatest(w, t);
    return 0;
}

int32_t TranslateSsaData(WorkState& w) {
    OutRecord out(w.out);
    // Cleared up to the end of the wind fields, which the SSA interval reads
    // whatever the options, so no earlier record shows through.
    out.Clear(1652);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.F32(12, r.Duration5());
    for (size_t at : {20, 48, 28, 24, 36, 52}) out.F32(at, r.LevelFracNone());
    for (size_t at : {42, 40, 56, 34}) out.U16(at, r.Byte());
    unsigned presence = 0;
    if (w.intervalLnFlag != 0) {
        presence |= 0x200;
        ReadLevels(r, out, 412, 6);
        ReadLevels(r, out, 436, 6, &BodyReader::SignedFix88);
    }
    if (w.windFlag != 0) {
        presence |= 0x08;
        out.F32(1640, r.Scaled16());
        out.F32(1648, r.Scaled16());
        out.U16(1644, r.Byte());
    }
    if (w.intervalHistFlag != 0) {
        presence |= 0x100;
        out.U8(460, 1);
        uint8_t hist[384];
        r.Bytes(hist, sizeof hist);
        out.Bytes(461, hist, sizeof hist);
    }
    ReadLevels(r, out, 60, 33);
    if (w.spectraSel != 0) ReadLevels(r, out, 236, 33);
    PutOctaves(out, 60, 192);
    PutOctaves(out, 236, 368);
    if (w.lnSpectraSel == 2) {
        for (size_t k = 6; k-- > 0;) ReadLevels(r, out, 848 + 132 * k, 33, &BodyReader::LevelZeroNone);
    }
    PutFrame(out, w, 56);
    out.U16(16, presence);
    out.U16(32, w.model);
    out.U32(4, RecordStamp(w, tm, kPrevSsa));
    return 0;
}

int32_t TranslateTalData(WorkState& w) {
    OutRecord out(w.out);
    SnapshotHead(w, out, 284, 68);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.F32(12, r.Duration5());
    out.U16(16, r.Byte());
    const uint8_t sub = r.Byte();
    if (sub == 0) {
        out.U16(0, 66);
        ReadLevels(r, out, 20, 9);
        ReadLevels(r, out, 56, 9);
        for (size_t at : {92, 96, 100, 108, 104}) out.F32(at, r.LevelFracNone());
        ReadLevels(r, out, 112, 6, &BodyReader::SignedFix88);
        ReadLevels(r, out, 136, 6);
    } else if (sub == 1) {
        out.U16(0, 67);
        ReadLevels(r, out, 20, 33);
        ReadLevels(r, out, 152, 33);
    } else {
        out.U16(18, r.U16());
        r.Byte();
        out.U16(20, r.U16());
        r.Byte();
        out.F32(24, r.LevelFracNone());
        out.F32(28, r.LevelFracNone());
    }
    out.U32(8, RecordStamp(w, tm, kPrevTal, false));
    return 0;
}

int32_t TranslateFftData(WorkState& w) {
    OutRecord out(w.out);
    SnapshotHead(w, out, 1624, 69);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.U16(12, r.U16());
    out.U16(14, r.Byte());
    out.F32(16, r.LevelFracNone());
    ReadLevels(r, out, 20, 401);
    out.U32(8, RecordStamp(w, tm, kPrevFft, false));
    return 0;
}

int32_t TranslateRtaData(WorkState& w) {
    OutRecord out(w.out);
    SnapshotHead(w, out, 164, 72);
    out.U16(160, w.rtaThirdOctave);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.U16(12, r.U16());
    uint8_t text[9] = {};
    r.Bytes(text, 8);
    out.Bytes(14, text, sizeof text);
    out.F32(24, r.LevelFracNone());
    ReadLevels(r, out, 28, w.rtaThirdOctave != 0 ? 33 : 11);
    out.U32(8, RecordStamp(w, tm, kPrevRta, false));
    return 0;
}

}  // namespace tessdec
