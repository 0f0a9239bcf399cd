// The time-history stream (type 7 on J46 and J57 files, type 6 on the
// others): entries of levels and markers up to a zero byte, delivered as
// blocks of up to 60 samples (kind 16). The stream is read piecewise, 500
// bytes a call; the open block lives in the work buffer between calls, and an
// entry cut by the end of a piece is read again whole by the next call, so no
// sample is lost at a piece boundary.
#include <cstring>

#include "BodyReader.h"
#include "FileReader.h"
#include "Numbers.h"
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

// The open block: in hand while a call reads entries, kept in the work
// buffer behind the piece between calls (an open block may span pieces).
// Reading it into locals keeps the running values out of the work buffer,
// which the entries' bytes would otherwise force the compiler to reload.
struct OpenBlock {
    float first[kBlockSamples];
    float second[kBlockSamples];
    size_t count;

    explicit OpenBlock(const WorkState& w) : count(w.thSample < kBlockSamples ? w.thSample : kBlockSamples) {
        std::memcpy(first, w.body + kOpenFirst, 4 * count);
        std::memcpy(second, w.body + kOpenSecond, 4 * count);
    }
    void Keep(WorkState& w) const {
        std::memcpy(w.body + kOpenFirst, first, 4 * count);
        std::memcpy(w.body + kOpenSecond, second, 4 * count);
        w.thSample = static_cast<uint16_t>(count);
    }
    void Add(float a, float b) {
        if (count >= kBlockSamples) return;
        first[count] = a;
        second[count] = b;
        ++count;
    }
};

// Writes the open block as kind 16 and starts the next one at the running time.
void CloseBlock(WorkState& w, OpenBlock& block) {
    OutRecord out(w.out);
    out.Clear(kThSize);
    PutFrame(out, w, 16);
    out.U32(4, w.thBlockTime);
    const unsigned format = w.thFormatCode;
    out.U16(kThFormatBits, format != 0 && format + 7 < 16 ? 1u << (format + 7) : 0u);
    out.Bytes(kThFirst, block.first, 4 * block.count);
    out.Bytes(kThSecond, block.second, 4 * block.count);
    out.U16(kThModel, w.model);
    out.U16(kThUnused, 65535);
    out.U16(kThUnused + 2, 65535);
    out.F32(kThInterval, w.periodSecs);
    out.U32(kThCount, static_cast<uint32_t>(block.count));
    RaiseLatest(w, w.thBlockTime);
    w.thBlockTime = SaturatingCast<uint32_t>(w.thRunningTime);
    block.count = 0;
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
    const double period = w.periodSecs;
    OpenBlock block(w);
    double running = w.thRunningTime;
    for (;;) {
        const uint32_t entryAt = w.bodyPos;
        BodyReader r(w);
        const uint8_t b0 = r.Byte();
        if (!r.Failed() && b0 == 0) {  // the end of the stream
            w.resumeOffset += static_cast<int32_t>(w.bodyPos);
            w.thRunningTime = running;
            if (block.count > 0) CloseBlock(w, block);
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
            w.thRunningTime = running;
            if (fullPiece) {
                block.Keep(w);
                return 0;
            }
            if (block.count > 0) {
                CloseBlock(w, block);
                return 0;
            }
            EndStream(w);
            return TESSDEC_ERR_EOF;
        }
        block.Add(first, second);
        if (closes) {
            if (w.thRunStart < w.runTimeCount) running = w.runTimes[w.thRunStart++];
        } else if (b0 < 128) {
            running += period;
        }
        if (closes || block.count >= kBlockSamples) {
            w.resumeOffset += static_cast<int32_t>(w.bodyPos);
            w.thRunningTime = running;
            CloseBlock(w, block);
            return 0;
        }
    }
}

}  // namespace tessdec
