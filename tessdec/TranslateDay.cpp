// Day, run/stop, calibration-check and histogram records (kinds 3, 4, 5, 9).
#include <cmath>
#include <cstring>

#include "BodyReader.h"
#include "OutRecord.h"
#include "RecordTools.h"
#include "Translators.h"

namespace tessdec {

namespace {

// Kind 3 field offsets.
enum DayField : size_t {
    kDayLevel3 = 12, kDayFlags = 16, kDayLevel1 = 20, kDayLevel2 = 24, kDayLevel5 = 28, kDayLevel4 = 32,
    kDayLnLevels = 36, kDayModel = 60, kDayLnPercent = 64, kDayLevel6 = 88, kDayOptionValues = 92,
    kDayDuration = 100, kDayLevel7 = 104, kDayWind1 = 108, kDayWind2 = 112, kDayWindCounts = 114,
    kDayWindByte1 = 130, kDayWind3 = 132, kDayWindTime = 136, kDayWindByte2 = 140, kDayHourly = 144,
    kDayHourly2 = 240, kDayHourly1 = 336, kDayOption1 = 432, kDayOption2 = 480, kDayOption3 = 528,
    kDayHistPresent = 576, kDaySize = 1020
};

constexpr size_t kDayHistBytes = 440;

// Models numbered below the J61 whose firmware knows the newer day layout.
bool NewerLowModel(const WorkState& w) { return w.model < kModelJ61 && FwAbove(w, 1.099); }

// Older firmware keeps a fine histogram of 1023 counts, 1/8 dB apart; the
// day record carries it as 1 dB bins from the level offset on.
void RebuildDailyHistogram(BodyReader& r, OutRecord& out, float levelOffset) {
    uint32_t bins[151] = {};
    r.Skip(3);
    for (int i = 0; i < 1023; ++i) {
        const uint32_t count = r.U24();
        const double level = levelOffset + 0.125 * (i + 1);
        if (level >= 0 && level < 151) bins[static_cast<int>(level)] += count;
    }
    const int w0 = SaturatingCast<int>(std::trunc(levelOffset));
    for (int k = 1; k <= 127; ++k) {
        const int bin = w0 + k;
        const uint32_t count = bin >= 0 && bin <= 150 ? bins[bin] : 0;
        const size_t at = kDayHistPresent + 4 + 3 * static_cast<size_t>(k - 1);
        out.U8(at, count >> 16);
        out.U8(at + 1, count >> 8);
        out.U8(at + 2, count);
    }
    uint8_t tail[40];
    r.Bytes(tail, sizeof tail);
    out.Bytes(kDayHistPresent + 386, tail, sizeof tail);
    out.Clear(kDayHistPresent + 426, 16);
}

void ReadFloats(BodyReader& r, OutRecord& out, size_t at, int n, float (BodyReader::*decode)(), bool unsign = false) {
    for (int i = 0; i < n; ++i) {
        const float v = (r.*decode)();
        out.F32(at + 4 * static_cast<size_t>(i), unsign ? std::fabs(v) : v);
    }
}

}  // namespace

int32_t TranslateDay(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kDaySize);
    BodyReader r(w);
    r.Byte();
    const std::tm day = r.BcdDate();
    out.F32(kDayLevel1, r.LevelFracNone());
    out.F32(kDayLevel2, r.LevelFracNone());
    out.F32(kDayLevel3, r.LevelFracNone());
    ReadFloats(r, out, kDayHourly, 24, &BodyReader::FlaggedLevel);
    out.F32(kDayLevel4, r.LevelFracNone());
    out.F32(kDayLevel5, r.LevelFracNone());
    out.F32(kDayLevel6, r.LevelFracNone());
    out.F32(kDayLevel7, r.LevelFracNone());
    out.F32(kDayDuration, r.Duration5());
    const bool version = w.versionFlag != 0;
    if ((w.model == kModelJ61 && version) || NewerLowModel(w)) {
        ReadFloats(r, out, kDayHourly1, 24, &BodyReader::FlaggedLevel, true);
        ReadFloats(r, out, kDayHourly2, 24, &BodyReader::FlaggedLevel, true);
    }
    unsigned flags = 0;
    if (w.windFlag != 0) {
        flags |= 1u << 3;
        out.F32(kDayWind1, r.Scaled16());
        out.F32(kDayWind3, r.Scaled16());
        out.U16(kDayWindByte1, r.Byte());
        std::tm t{};
        r.BcdTime(t);
        const long secs = t.tm_hour * 3600L + t.tm_min * 60L + t.tm_sec;
        out.U32(kDayWindTime, static_cast<uint32_t>(secs > 0 ? secs : 0));
        out.U16(kDayWind2, r.U16());
        out.U16(kDayWindByte2, r.Byte());
        for (size_t i = 0; i < 8; ++i) out.U16(kDayWindCounts + 2 * i, r.Byte());
    }
    const bool optionA = version && w.dayOptionA != 0;
    const bool optionB = version && w.dayOptionB != 0;
    if (optionA || optionB) {
        if (optionA) flags |= 1u << 7;
        if (optionB) flags |= 1u << 6;
        out.U16(kDayOptionValues, r.U16());
        out.U16(kDayOptionValues + 2, r.U16());
        for (size_t i = 0; i < 24; ++i) out.U16(kDayOption1 + 2 * i, r.U16());
        for (size_t i = 0; i < 24; ++i) {
            if (!optionB) {
                out.U16(kDayOption2 + 2 * i, r.U16());
            } else {
                out.U16(kDayOption2 + 2 * i, r.Byte());
                out.U16(kDayOption3 + 2 * i, static_cast<unsigned>(FromBcd(r.Byte())));
            }
        }
    }
    if (version && w.dailyLnFlag != 0) {
        flags |= 1u << 9;
        ReadFloats(r, out, kDayLnLevels, 6, &BodyReader::LevelFracNone);
        const bool signedPercent = IsJ46(w) || (IsJ57(w) && FwAbove(w, 3.116));
        for (size_t i = 0; i < 6; ++i)
            out.F32(kDayLnPercent + 4 * i, signedPercent ? r.SignedFix88() : static_cast<float>(r.Byte()));
    }
    const bool histModel = IsJ46OrJ57(w) || w.model == kModelJ61 || NewerLowModel(w);
    if (histModel && w.dailyHistFlag != 0) {
        flags |= 1u << 8;
        out.U8(kDayHistPresent, 1);
        if (IsJ57(w) || version || IsJ46(w)) {
            uint8_t hist[kDayHistBytes];
            r.Bytes(hist, sizeof hist);
            out.Bytes(kDayHistPresent + 1, hist, sizeof hist);
        } else {
            RebuildDailyHistogram(r, out, w.levelOffset);
        }
        if (!IsJ57(w)) PutOffsetBytes(out, kDayHistPresent + 1, w.levelOffset);
    }
    PutFrame(out, w, 3);
    out.U16(kDayFlags, flags);
    out.U16(kDayModel, w.model);
    out.U32(4, RecordStamp(w, day, kPrevDay));
    return r.Status();
}

int32_t TranslateRunStop(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(28);
    BodyReader r(w);
    r.Byte();
    const std::tm tm = r.BcdDateTime();
    uint16_t event = 0, cause = 0;
    r.EventByte(event, cause);
    const uint16_t number = r.U16();
    const uint32_t thRecord = w.model == kModelJ52 ? 0 : r.U24();
    const uint32_t t = RecordStamp(w, tm, kPrevRunStop);
    PutFrame(out, w, 4);
    out.U32(4, t);
    out.U16(10, cause);
    out.U32(12, thRecord);
    out.U16(16, w.model);
    out.U16(18, number);
    out.U16(24, event);
    // The tables from which the time-history stream and runs rebuild times.
    if (event == 0x40 || event == 0x50) {
        if (w.runTimeCount < kTimeTableMax) w.runTimes[w.runTimeCount++] = t;
    } else if (w.otherTimeCount < kTimeTableMax) {
        w.otherTimes[w.otherTimeCount++] = t;
    }
    if (w.startTime == 0) {
        w.startTime = t;
        w.startTimeD = t;
    }
    return r.Status();
}

int32_t TranslateCalCheck(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(32);
    BodyReader r(w);
    r.Byte();
    const std::tm tm = r.BcdDateTime();
    const float level = r.LevelFracNone();
    uint16_t mode = 0, state = 0;
    r.StateByte(mode, state);
    PutFrame(out, w, 5);
    out.U32(4, RecordStamp(w, tm, kPrevCalCheck));
    out.F32(12, w.levelOffset);
    out.F32(16, level);
    out.U16(20, mode);
    out.U16(22, w.model);
    out.U16(28, state);
    return r.Status();
}

int32_t TranslateHistogram(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(TESSDEC_RECORD_SIZE);
    BodyReader r(w);
    const unsigned present = IsJ46OrJ57(w) ? (w.modeFlags & (64 | 32 | 16)) : (64 | 32 | 16);
    struct Part { unsigned bit; size_t at; size_t size; };
    const Part parts[3] = {{64, 20, IsJ57(w) ? 5120u : 4096u}, {32, 5140, 512}, {16, 5652, 512}};
    uint8_t bytes[5120];
    for (const Part& p : parts) {
        if ((present & p.bit) == 0) continue;
        r.Bytes(bytes, p.size);
        out.Bytes(p.at, bytes, p.size);
    }
    PutFrame(out, w, 9);
    out.U32(4, w.trailerStart);
    out.U16(10, present);
    out.U16(12, w.model);
    out.F32(16, IsJ57(w) ? w.setupLevelOffset : w.levelOffset);
    RaiseLatest(w, w.trailerStart);
    return r.Status();
}

}  // namespace tessdec
