// The time-history stream (type 7 on J46 and J57 files, type 6 on the
// others): entries of levels and markers up to a zero byte, delivered as
// blocks of up to 60 samples (kind 16). The stream is read piecewise, 500
// bytes a call; the open block lives in the work buffer between calls, and an
// entry cut by the end of a piece is read again whole by the next call, so no
// sample is lost at a piece boundary.
#include <cstring>

#include "BodyReader.h"
#include "FileReader.h"
#include "OutRecord.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kBlockSamples = 60;
// While the stream is read only the first 500 bytes of the body hold the
// piece; the open block's values are kept behind it.
constexpr size_t kOpenFirst = 512;
constexpr size_t kOpenSecond = kOpenFirst + 4 * kBlockSamples;
static_assert(kOpenSecond + 4 * kBlockSamples <= kBodyMax, "the open block fits the body");

enum ThField : size_t {
    kThFormatBits = 10, kThFirst = 12, kThSecond = 252, kThModel = 492, kThUnused = 500, kThInterval = 504,
    kThCount = 508, kThSize = 512
};

void PutOpen(WorkState& w, size_t area, size_t i, float v) { std::memcpy(w.body + area + 4 * i, &v, 4); }
float GetOpen(const WorkState& w, size_t area, size_t i) {
    float v;
    std::memcpy(&v, w.body + area + 4 * i, 4);
    return v;
}

void AddSample(WorkState& w, float first, float second) {
    if (w.thSample >= kBlockSamples) return;
    PutOpen(w, kOpenFirst, w.thSample, first);
    PutOpen(w, kOpenSecond, w.thSample, second);
    ++w.thSample;
}

// Writes the open block as kind 16 and starts the next one at the running time.
void CloseBlock(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kThSize);
    PutFrame(out, w, 16);
    out.U32(4, w.thBlockTime);
    const unsigned format = w.thFormatCode;
    out.U16(kThFormatBits, format != 0 && format + 7 < 16 ? 1u << (format + 7) : 0u);
    for (size_t i = 0; i < w.thSample; ++i) {
        out.F32(kThFirst + 4 * i, GetOpen(w, kOpenFirst, i));
        out.F32(kThSecond + 4 * i, GetOpen(w, kOpenSecond, i));
    }
    out.U16(kThModel, w.model);
    out.U16(kThUnused, 65535);
    out.U16(kThUnused + 2, 65535);
    out.F32(kThInterval, w.periodSecs);
    out.U32(kThCount, w.thSample);
    RaiseLatest(w, w.thBlockTime);
    w.thBlockTime = static_cast<uint32_t>(w.thRunningTime);
    w.thSample = 0;
}

void OpenStream(WorkState& w) {
    w.thStreamOpen = 1;
    w.thSample = 0;
    w.thRunStart = 0;
    w.thBlockTime = w.startTime;
    if (w.thBlockTime == 0 && w.runTimeCount > 0) {
        w.thBlockTime = w.runTimes[0];
        w.startTime = w.thBlockTime;
        w.startTimeD = w.thBlockTime;
    }
    w.thRunningTime = w.thBlockTime;
}

void EndStream(WorkState& w) {
    w.thStreamOpen = 0;
    w.contMode = 0;
    w.bodyLen = 0;
    w.bodyPos = 0;
}

}  // namespace

int32_t TranslateThStream(WorkState& w) {
    if (w.thStreamOpen == 0) OpenStream(w);
    w.chunkRead = 0;
    w.bodyPos = 0;
    w.bodyLen = static_cast<uint32_t>(w.file->Read(w.body, kChunk));
    const bool fullPiece = w.bodyLen == kChunk;
    const bool single = w.singleByteLevel != 0;
    const bool twoValues = w.thFormatCode != 0;
    for (;;) {
        const uint32_t entryAt = w.bodyPos;
        BodyReader r(w);
        const uint8_t b0 = r.Byte();
        if (!r.Failed() && b0 == 0) {  // the end of the stream
            w.resumeOffset += static_cast<int32_t>(w.bodyPos);
            const bool pending = w.thSample > 0;
            if (pending) CloseBlock(w);
            EndStream(w);
            return 0;
        }
        float first = 0.0f, second = 0.0f;
        bool closes = false;
        if (b0 >= 128) {
            if (!single) r.Byte();
            int secondByte = 0;
            if (twoValues) {
                secondByte = r.Byte();
                if (!single) r.Byte();
            }
            const int code = (b0 - 128) & 0x70;
            first = -static_cast<float>(code);
            second = static_cast<float>((secondByte - 128) & 0x0F);
            closes = code == 0x40 || code == 0x50;  // a run start
        } else {
            first = r.ThLevelFirst(b0);
            if (twoValues) second = r.ThLevel();
        }
        if (r.Failed()) {
            // The entry runs past the piece: the next call reads it again
            // from its first byte. When the file ended inside the stream, the
            // samples in hand are delivered first and the next call fails.
            w.resumeOffset += static_cast<int32_t>(entryAt);
            if (fullPiece) return 0;
            if (w.thSample > 0) {
                CloseBlock(w);
                return 0;
            }
            EndStream(w);
            return TESSDEC_ERR_EOF;
        }
        AddSample(w, first, second);
        if (closes) {
            if (w.thRunStart < w.runTimeCount) w.thRunningTime = w.runTimes[w.thRunStart++];
        } else if (b0 < 128) {
            w.thRunningTime += w.periodSecs;
        }
        if (closes || w.thSample >= kBlockSamples) {
            w.resumeOffset += static_cast<int32_t>(w.bodyPos);
            CloseBlock(w);
            return 0;
        }
    }
}

}  // namespace tessdec
