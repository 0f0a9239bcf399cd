// Calibration ("C") and system ("S") records: the instrument rather than the
// measurement. The system record also sets the site number, and a J46
// calibration record takes the level offset from the setup line R 106 that
// follows it.
#include <string>

#include "BodyReader.h"
#include "FileReader.h"
#include "Numbers.h"
#include "OutRecord.h"
#include "Text.h"
#include "TimeConv.h"
#include "Translators.h"

namespace tessdec {

namespace {

void PutHead(OutRecord& out, const WorkState& w, unsigned kind, size_t clear) {
    out.Clear(clear);
    PutFrame(out, w, kind);
    out.U16(10, w.model);
}

void U16Bytes(OutRecord& out, BodyReader& r, size_t off, size_t count) {
    for (size_t i = 0; i < count; ++i) out.U16(off + 2 * i, r.Byte());
}

void CopyBytes(OutRecord& out, BodyReader& r, size_t off, size_t count) {
    for (size_t i = 0; i < count; ++i) out.U8(off + i, r.Byte());
}

int32_t CalibrationOther(WorkState& w) {
    OutRecord out(w.out);
    PutHead(out, w, 50, 64);
    BodyReader r(w);
    U16Bytes(out, r, 12, 2);
    r.Skip(1);
    for (size_t i = 0; i < 3; ++i) out.F32(16 + 4 * i, r.SignedFix88());
    for (size_t i = 0; i < 2; ++i) {
        const std::tm tm = r.BcdDateTime();
        out.U32(28 + 4 * i, StampSecs(tm, nullptr));
    }
    for (size_t i = 0; i < 3; ++i) out.F32(36 + 4 * i, r.LevelFracNone());
    r.Skip(10);
    w.calReference = r.SignedFix88();
    out.F32(48, w.calReference);
    out.F32(52, r.LevelFracNone());
    out.F32(56, r.LevelFracNone());
    r.Skip(20);
    out.U32(60, r.U16());
    return r.Status();
}

// Reads forward from the file position to the setup line R 106; true with
// its value when there is one.
bool FindSetupOffset(WorkState& w, float& offset) {
    std::string line(320, '\0');
    bool have = ReadLine(w, line.data(), 319);
    while (have && line[0] != 'R') have = ReadLine(w, line.data(), 319);
    while (have && line[0] == 'R') {
        const std::string_view text = CutLineEnd(line.c_str());
        if (LeadingInt(text.substr(1)) == 106) {
            double v = 0;
            if (ParseDecimal(text.size() > 5 ? text.substr(5) : std::string_view(), v) != 0) return false;
            if (v >= 128) v -= 256;  // a byte read as signed
            offset = IsPlausibleLevelOffset(v) ? static_cast<float>(v) : 0.0f;
            return true;
        }
        have = ReadLine(w, line.data(), 319);
    }
    return false;
}

// The J46 keeps its level offset in the setup line R 106 after the record.
// Every calibration record of a file finds the same line, so the first one
// reads forward to it and the others take what it found: reading the rest of
// the file for each would cost the square of its size.
int32_t LevelOffsetFromSetupLines(WorkState& w) {
    const long p = Tell(w);
    if (w.j46OffsetScanned == 0) {
        float offset = 0.0f;
        w.j46OffsetFound = FindSetupOffset(w, offset) ? 1 : 0;
        w.j46Offset = offset;
        w.j46OffsetScanned = 1;
    }
    if (w.j46OffsetFound != 0) w.levelOffset = w.j46Offset;
    if (!Seek(w, p)) return TESSDEC_ERR_SEEK;
    w.resumeOffset = static_cast<int32_t>(p);
    return 0;
}

int32_t CalibrationJ46(WorkState& w) {
    OutRecord out(w.out);
    PutHead(out, w, 30, 148);
    BodyReader r(w);
    U16Bytes(out, r, 12, 3);
    out.F32(20, r.SignedFix88());
    out.F32(24, r.SignedFix88());
    out.F32(28, r.LevelFracNone());
    for (size_t i = 0; i < 2; ++i) out.U32(32 + 4 * i, LocalSecs(r.BcdDateTime()));
    out.F32(40, r.LevelFracNone());
    r.Skip(20);
    for (size_t i = 0; i < 3; ++i) out.F32(44 + 4 * i, r.LevelFracNone());
    for (size_t i = 0; i < 3; ++i) out.F32(56 + 4 * i, r.U16() / 32512.0f);
    U16Bytes(out, r, 68, 2);
    U16Bytes(out, r, 72, 33);
    U16Bytes(out, r, 138, 3);
    r.Skip(34);
    out.U32(144, r.U16());
    if (r.Failed()) return r.Status();
    return LevelOffsetFromSetupLines(w);
}

// The system settings block; the J46 layout lacks bytes 7, 8 and the
// engineering units and sits 4 bytes lower from byte 9 on.
int32_t System(WorkState& w, bool j46) {
    OutRecord out(w.out);
    PutHead(out, w, j46 ? 36 : 54, j46 ? 272 : 288);
    const size_t d = j46 ? 4 : 0;
    BodyReader r(w);
    U16Bytes(out, r, 12, 5);
    r.Skip(2);
    if (j46) {
        r.Skip(2);
    } else {
        U16Bytes(out, r, 22, 2);
    }
    CopyBytes(out, r, 26 - d, 5);   // serial number
    CopyBytes(out, r, 32 - d, 4);   // copied as they come: a little-endian u32
    out.U16(36 - d, r.Byte());
    CopyBytes(out, r, 38 - d, 30);  // instrument name
    CopyBytes(out, r, 70 - d, 30);  // description 1
    CopyBytes(out, r, 102 - d, 30); // description 2
    out.U16(134 - d, r.Byte());
    out.U8(136 - d, r.Byte());
    U16Bytes(out, r, 138 - d, 10);
    CopyBytes(out, r, 158 - d, 30);  // telephone number
    const uint8_t monitor = r.Byte();
    out.U16(190 - d, monitor);
    CopyBytes(out, r, 192 - d, 30);  // modem initialisation
    CopyBytes(out, r, 224 - d, 8);
    U16Bytes(out, r, 234 - d, 8);
    out.F32(252 - d, r.SignedFix88());
    CopyBytes(out, r, 256 - d, 8);   // calibrator serial number
    out.U16(266 - d, r.Byte());
    out.U16(268 - d, r.Byte());
    const uint8_t h = r.Byte();
    out.Format(270 - d, 6, "%02x:%02x", h, r.Byte());
    if (j46) {
        r.Skip(6);
    } else {
        out.F32(276, r.SignedFix88());
        CopyBytes(out, r, 280, 4);
    }
    r.Skip(8);
    w.siteNumber = monitor;
    return r.Status();
}

}  // namespace

int32_t TranslateCalibration(WorkState& w) { return IsJ46(w) ? CalibrationJ46(w) : CalibrationOther(w); }

int32_t TranslateSystem(WorkState& w) { return System(w, IsJ46(w)); }

}  // namespace tessdec
