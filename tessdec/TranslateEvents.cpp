// Event and interval records (kind 1 in its two layouts, kind 2).
#include <cmath>
#include <cstring>

#include "BodyReader.h"
#include "OutRecord.h"
#include "RecordTools.h"
#include "Translators.h"

namespace tessdec {

namespace {

enum EventField : size_t {
    kEvChannels = 12, kEvHistogram = 24, kEvOverload = 84, kEvDuration = 88, kEvThreshold = 92, kEvFlags = 96,
    kEvLevel1 = 100, kEvLevel3 = 104, kEvEndTime = 108, kEvModel = 112, kEvByte2 = 114, kEvLevel4 = 116,
    kEvByte1 = 120, kEvLevel2 = 128, kEvPreTrigger = 132, kEvSamplePeriod = 136, kEvLevel5 = 144,
    kEvWind1 = 148, kEvWindByte = 152, kEvWind2 = 156, kEvSamples = 160, kEvSize = 416
};

enum IntervalField : size_t {
    kIvChannels = 12, kIvDuration = 48, kIvFlags = 52, kIvLevel1 = 56, kIvLevel4 = 60, kIvLevel3 = 64,
    kIvLnLevels = 68, kIvModel = 92, kIvLnPercent = 96, kIvByte4 = 120, kIvLevel5 = 124, kIvByte2 = 128,
    kIvByte1 = 130, kIvLevel2 = 136, kIvLevel6 = 140, kIvByte3 = 144, kIvWind1 = 148, kIvWindByte = 152,
    kIvWind2 = 156, kIvHistPresent = 160, kIvSize = 548
};

constexpr size_t kIntervalHistBytes = 384;

// A channel byte scaled between the low and high value of its range (the
// first and second factors of the channel's parameter lines).
float Channel(BodyReader& r, const WorkState& w, int range) {
    return r.ScaledByte(w.channelFactor1[range], w.channelFactor2[range]);
}

// The offset whose whole part the event's time-history samples carry.
float SampleOffset(const WorkState& w) { return IsJ57(w) ? w.setupLevelOffset : w.levelOffset; }

}  // namespace

int32_t TranslateEvent(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kEvSize);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    const float duration = r.Duration5();
    unsigned flags = 0;
    out.F32(kEvLevel1, r.LevelFracNone());
    out.F32(kEvLevel2, r.LevelFracNone());
    const float level3 = r.LevelFracNone();
    out.F32(kEvLevel3, level3);
    if (static_cast<float>(w.exceedLevel2) < level3) flags |= 1u << 10;
    out.F32(kEvLevel4, r.LevelFracNone());
    out.F32(kEvLevel5, r.LevelFracNone());
    out.U8(kEvByte1, r.Byte());
    out.U16(kEvByte2, r.Byte());
    const float preTrigger = r.Fix88();
    out.F32(kEvPreTrigger, preTrigger);
    float threshold = w.exceedLevel1;
    if (w.q162Flag != 0) {
        flags |= 1u << 12;
        threshold = r.LevelFracNone();
    }
    out.F32(kEvThreshold, threshold);
    const bool channels = w.eventFlag1 != 0;
    const bool version = w.versionFlag != 0;
    if (channels && w.windFlag == 0 && !version) {
        out.F32(kEvChannels, Channel(r, w, 0));
        Channel(r, w, 0);
    }
    if (w.windFlag != 0) {
        flags |= 1u << 3;
        // Firmware 3.6 of the J57 dropped the first wind value from events.
        if (!(IsJ57(w) && FwAtLeastF(w, 3.6f))) out.F32(kEvWind1, r.Scaled16());
        out.F32(kEvWind2, r.Scaled16());
        out.U8(kEvWindByte, r.Byte());
    }
    if (channels) {
        flags |= 1u << 2;
        if (version) {
            if (w.channelOption != 0) flags |= 1u << 4;
            for (int range = 0; range < 3; ++range) out.F32(kEvChannels + 4 * range, Channel(r, w, range));
        } else {
            out.F32(kEvChannels + 4, Channel(r, w, 1));
            Channel(r, w, 1);
            out.F32(kEvChannels + 8, Channel(r, w, 2));
            Channel(r, w, 2);
        }
    }
    const bool histModel = (w.model == kModelJ61 && version) || (w.model < kModelJ61 && FwAbove(w, 1.099));
    if (histModel && w.dailyHistFlag != 0) {
        flags |= 1u << 11;
        uint8_t hist[16];
        r.Bytes(hist, sizeof hist);
        out.Bytes(kEvHistogram, hist, sizeof hist);
    }
    if (w.exceedThFlag != 0) {
        flags |= 1u << 8;
        const unsigned n = r.Byte();
        const int whole = SaturatingCast<int>(std::trunc(SampleOffset(w)));
        unsigned samples = 0, overloads = 0;
        for (unsigned i = 0; i < n && !r.Failed(); ++i) {
            uint8_t s = r.Byte();
            if (s == 0) break;  // a zero byte ends the samples
            if (s > 127) {
                s &= 0x7F;
                ++overloads;
            }
            out.U8(kEvSamples + samples, s == 0 ? 0u : static_cast<unsigned>(s + whole) & 0xFF);
            ++samples;
        }
        if (samples > 0) out.F32(kEvOverload, static_cast<float>(overloads) / static_cast<float>(samples) * 100.0f);
        out.F32(kEvSamplePeriod, w.exceedValue16 / 32.0f);
    }
    uint32_t t = RecordStamp(w, tm, kPrevEvent);
    if (w.exceedTimeFlag != 0) {
        const uint32_t part = SaturatingCast<uint32_t>(duration * preTrigger / 100.0f);
        t -= part;
        out.U32(kEvEndTime, t + part);
    }
    PutFrame(out, w, 1);
    out.U32(4, t);
    out.F32(kEvDuration, duration);
    out.U16(kEvFlags, flags);
    out.U16(kEvModel, w.model);
    return r.Status();
}

int32_t TranslateRtaEvent(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(440);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.F32(12, r.Duration6());
    r.Skip(3);
    out.U16(24, r.U16());
    out.U16(18, r.U16());
    out.U8(16, r.Byte());
    const size_t bands = (w.modeFlags & 0x80) != 0 ? 33 : 11;
    for (size_t s = 0; s < 3; ++s) {
        const size_t at = 28 + 136 * s;
        out.F32(at, r.LevelFracNone());
        for (size_t i = 0; i < bands; ++i) out.F32(at + 4 + 4 * i, r.LevelFracNone());
    }
    if (FwAbove(w, 2.10599)) out.U8(436, r.Byte());
    out.U16(0, 1);
    out.U16(2, w.siteNumber);
    out.U16(4, w.model);
    out.U16(6, w.reservedWord);
    out.U32(8, RecordStamp(w, tm, kPrevEvent));
    return r.Status();
}

int32_t TranslateInterval(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kIvSize);
    BodyReader r(w);
    const std::tm tm = r.BcdDateTime();
    out.F32(kIvDuration, r.Duration5());
    static const size_t kLevels[6] = {kIvLevel1, kIvLevel2, kIvLevel3, kIvLevel4, kIvLevel5, kIvLevel6};
    for (size_t at : kLevels) out.F32(at, r.LevelFracNone());
    static const size_t kBytes[4] = {kIvByte1, kIvByte2, kIvByte3, kIvByte4};
    for (size_t at : kBytes) out.U16(at, r.Byte());
    unsigned flags = 0;
    if (w.intervalLnFlag != 0) {
        flags |= 1u << 9;
        for (size_t i = 0; i < 6; ++i) out.F32(kIvLnLevels + 4 * i, r.LevelFracNone());
        for (size_t i = 0; i < 6; ++i)
            out.F32(kIvLnPercent + 4 * i, IsJ46OrJ57(w) ? r.SignedFix88() : static_cast<float>(r.Byte()));
    }
    // Channel of range n in sample s (samples of three channels each).
    auto channel = [&](size_t sample, int range) {
        out.F32(kIvChannels + 4 * (3 * sample + static_cast<size_t>(range)), Channel(r, w, range));
    };
    const bool channels = w.eventFlag2 != 0;
    const bool version = w.versionFlag != 0;
    if (channels && w.windFlag == 0 && !version)
        for (size_t s = 0; s < 3; ++s) channel(s, 0);
    if (w.windFlag != 0) {
        flags |= 1u << 3;
        out.F32(kIvWind1, r.Scaled16());
        out.F32(kIvWind2, r.Scaled16());
        out.U16(kIvWindByte, r.Byte());
    }
    if (channels) {
        flags |= 1u << 2;
        if (version) {
            if (w.channelOption != 0) flags |= 1u << 4;
            for (size_t s = 0; s < 3; ++s) channel(s, 0);
        }
        for (int range = 1; range <= 2; ++range)
            for (size_t s = 0; s < 3; ++s) channel(s, range);
    }
    if (w.intervalHistFlag != 0) {
        flags |= 1u << 8;
        out.U8(kIvHistPresent, 1);
        uint8_t hist[kIntervalHistBytes];
        r.Bytes(hist, sizeof hist);
        out.Bytes(kIvHistPresent + 1, hist, sizeof hist);
        if (!IsJ57(w)) PutOffsetBytes(out, kIvHistPresent + 1, w.levelOffset);
    }
    PutFrame(out, w, 2);
    out.U16(kIvFlags, flags);
    out.U16(kIvModel, w.model);
    out.U32(4, RecordStamp(w, tm, kPrevInterval));
    return r.Status();
}

}  // namespace tessdec
