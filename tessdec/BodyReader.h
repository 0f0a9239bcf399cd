#pragma once
// The record body reader and the field decoders of the binary records. Every
// translator takes its bytes, in body order, from one BodyReader; a read past
// the body gives 0 and turns the status into -313 (or, for a stream read in
// chunks that meets the end of the file, -310), and the status stays so.
#include <cstddef>
#include <cstdint>
#include <ctime>

#include "WorkState.h"

namespace tessdec {

constexpr float kNoValue = 999.0f;

class BodyReader {
public:
    explicit BodyReader(WorkState& w) : w_(w) {}

    int32_t Status() const { return status_; }
    bool Failed() const { return status_ != 0; }
    WorkState& Work() { return w_; }

    uint8_t Byte() { return w_.bodyPos < w_.bodyLen ? w_.body[w_.bodyPos++] : PastBody(); }
    void Skip(size_t n);
    void Bytes(uint8_t* dst, size_t n);
    uint16_t U16();
    uint32_t U24();

    // Packed BCD date (day, month, year) and time (hour, minute, second) into
    // a broken-down local time whose daylight-saving field is -1.
    std::tm BcdDate();
    void BcdTime(std::tm& tm);
    std::tm BcdDateTime();
    // Event byte: bits 4 to 6 and bits 0 to 3.
    void EventByte(uint16_t& event, uint16_t& cause);
    // State byte: bit 5, and the byte AND 0x87 (128 when above 128).
    void StateByte(uint16_t& bit5, uint16_t& code);

    float Fix88();
    float SignedFix88();
    float Fix816();
    float Duration5();
    float Duration6();
    float ScaledByte(float low, float high);
    float LevelZeroNone();
    float LevelFracNone();
    float FlaggedLevel();
    float Scaled16();
    float ThLevel();
    // Inline: a time-history stream takes a million of them.
    float ThLevelFirst(uint8_t b0) {
        const uint8_t b1 = w_.singleByteLevel != 0 ? 0 : Byte();
        const float v = IsJ57(w_) ? b0 + b1 / 256.0f : b0 + 2.0f * b1 / 256.0f;
        if (b0 + b1 == 0) return v;
        return v + ThOffset();
    }

private:
    // The end of the body: the next piece of a stream read in chunks, else 0
    // and the status.
    uint8_t PastBody();
    float ThOffset() const { return IsJ57(w_) ? w_.setupLevelOffset : OtherThOffset(); }
    float OtherThOffset() const;

    WorkState& w_;
    int32_t status_ = 0;
};

// The packed BCD byte as a number (0x25 -> 25).
inline int FromBcd(uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

}  // namespace tessdec
