#include "BodyReader.h"

#include <cmath>

#include "FileReader.h"
#include "Numbers.h"

namespace tessdec {

uint8_t BodyReader::PastBody() {
    if (w_.chunkRead == 0) {
        if (status_ == 0) status_ = TESSDEC_ERR_PAST_BODY;
        return 0;
    }
    // A stream read in chunks: take the next piece of the file.
    w_.resumeOffset += static_cast<int32_t>(w_.bodyLen);
    w_.bodyPos = 0;
    const size_t got = w_.file->Read(w_.body, kChunk);
    w_.bodyLen = static_cast<uint32_t>(got);
    w_.bodyComplete = got == kChunk ? 1 : 0;
    if (got == 0) {
        if (status_ == 0) status_ = TESSDEC_ERR_EOF;
        return 0;
    }
    return w_.body[w_.bodyPos++];
}

void BodyReader::Skip(size_t n) {
    for (size_t i = 0; i < n; ++i) Byte();
}

void BodyReader::Bytes(uint8_t* dst, size_t n) {
    for (size_t i = 0; i < n; ++i) dst[i] = Byte();
}

uint16_t BodyReader::U16() {
    const uint16_t b0 = Byte();
    return static_cast<uint16_t>(b0 * 256 + Byte());
}

uint32_t BodyReader::U24() {
    const uint32_t b0 = Byte();
    const uint32_t b1 = Byte();
    return b0 * 65536 + b1 * 256 + Byte();
}

std::tm BodyReader::BcdDate() {
    std::tm tm{};
    const int day = FromBcd(Byte());
    const int month = FromBcd(Byte());
    const int year = FromBcd(Byte());
    tm.tm_mday = day >= 1 && day <= 31 ? day : 1;
    tm.tm_mon = month >= 1 && month <= 12 ? month - 1 : 0;
    tm.tm_year = year < 70 ? year + 100 : year;
    tm.tm_isdst = -1;
    return tm;
}

void BodyReader::BcdTime(std::tm& tm) {
    tm.tm_hour = FromBcd(Byte());
    tm.tm_min = FromBcd(Byte());
    tm.tm_sec = FromBcd(Byte());
}

std::tm BodyReader::BcdDateTime() {
    std::tm tm = BcdDate();
    BcdTime(tm);
    return tm;
}

void BodyReader::EventByte(uint16_t& event, uint16_t& cause) {
    const uint8_t b = Byte();
    event = b & 0x70;
    cause = b & 0x0F;
}

void BodyReader::StateByte(uint16_t& bit5, uint16_t& code) {
    const uint8_t b = Byte();
    bit5 = b & 0x20;
    const int c = b & 0x87;
    code = static_cast<uint16_t>(c < 129 ? c : 128);
}

float BodyReader::Fix88() {
    const float b0 = Byte();
    return b0 + Byte() / 256.0f;
}

float BodyReader::SignedFix88() {
    int b0 = Byte();
    if (b0 >= 192) b0 -= 256;
    return static_cast<float>(b0) + Byte() / 256.0f;
}

float BodyReader::Fix816() {
    const double b0 = Byte();
    const double b1 = Byte();
    return static_cast<float>(b0 + (b1 * 256 + Byte()) / 65536.0);
}

float BodyReader::Duration5() {
    const double h = U16();
    const double m = Byte();
    const double s = Byte();
    return static_cast<float>(h * 3600 + m * 60 + s + Byte() / 256.0);
}

float BodyReader::Duration6() {
    const double h = U16();
    const double m = Byte();
    const double s = Byte();
    return static_cast<float>(h * 3600 + m * 60 + s + U16() / 65536.0);
}

float BodyReader::ScaledByte(float low, float high) {
    return low + (high - low) / 256.0f * Byte();
}

float BodyReader::LevelZeroNone() {
    const uint8_t b0 = Byte();
    const uint8_t b1 = Byte();
    if (b0 == 0 && b1 == 0) return kNoValue;
    return b0 + b1 / 256.0f + w_.levelOffset;
}

float BodyReader::LevelFracNone() {
    const uint8_t b0 = Byte();
    const uint8_t b1 = Byte();
    if (b1 == 0) return kNoValue;
    return b0 + b1 / 256.0f + w_.levelOffset;
}

float BodyReader::FlaggedLevel() {
    const uint8_t b0 = Byte();
    const uint8_t b1 = Byte();
    float v = b0 + b1 / 256.0f;
    if (b0 + b1 > 0) v += w_.levelOffset;
    if ((b1 & 0x02) == 0) v = -v;
    if ((b1 & 0x01) == 0) v = 0.0f;
    return v;
}

float BodyReader::Scaled16() {
    const uint32_t n = U16();
    if (IsJ57(w_)) return static_cast<float>(n);
    return static_cast<float>(n * 12478.0 / 65536.0);
}

float BodyReader::OtherThOffset() const {
    if (w_.singleByteLevel != 0) {
        const double whole = std::trunc(w_.levelOffset);
        const int firstDecimal = SaturatingCast<int>(std::fabs(w_.levelOffset - whole) * 10.0 + 1e-6);
        return static_cast<float>(w_.levelOffset < 0 && firstDecimal != 0 ? whole - 1 : whole);
    }
    return w_.levelOffset;
}

float BodyReader::ThLevel() {
    const uint8_t b0 = Byte();
    const uint8_t b1 = w_.singleByteLevel != 0 ? 0 : Byte();
    float v = b0 + 2.0f * b1 / 256.0f;
    const int sum = b0 + b1;
    const uint16_t format = w_.thFormatCode;
    if (sum > 0 && format != 4 && sum != 2) {
        v += ThOffset();
        const bool oldJ61 = w_.model == kModelJ61 && FwBelowF(w_, 1.111f);
        const bool oldOther = w_.model < kModelJ61 && !IsJ46OrJ57(w_) && FwBelowF(w_, 1.127f);
        if (format < 3 || (format == 3 && (oldJ61 || oldOther))) v += 16.0f;
        return v;
    }
    return format != 4 ? kNoValue : v;
}

}  // namespace tessdec
