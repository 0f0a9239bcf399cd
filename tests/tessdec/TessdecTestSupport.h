#pragma once
// Small helpers of the Tessdec tests: a zeroed work buffer and output record,
// little-endian field reads, and the walk of a translation.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tessdec/tessdec.h"

namespace tessdec_test {

struct Buffers {
    std::vector<uint8_t> work = std::vector<uint8_t>(TESSDEC_WORK_SIZE, 0);
    std::vector<uint8_t> record = std::vector<uint8_t>(TESSDEC_RECORD_SIZE, 0);
};

inline uint16_t U16At(const std::vector<uint8_t>& r, size_t off) {
    uint16_t v;
    std::memcpy(&v, r.data() + off, 2);
    return v;
}
inline uint32_t U32At(const std::vector<uint8_t>& r, size_t off) {
    uint32_t v;
    std::memcpy(&v, r.data() + off, 4);
    return v;
}
inline float F32At(const std::vector<uint8_t>& r, size_t off) {
    float v;
    std::memcpy(&v, r.data() + off, 4);
    return v;
}
inline std::string TextAt(const std::vector<uint8_t>& r, size_t off, size_t slot) {
    const char* p = reinterpret_cast<const char*>(r.data() + off);
    return std::string(p, strnlen(p, slot));
}

struct WalkStep {
    int32_t status;
    std::vector<uint8_t> record;
};

// Starts a translation and calls CV_TranslateNextRec until a negative status
// or maxCalls calls; every step is kept.
inline std::vector<WalkStep> Walk(const std::string& path, int32_t* startStatus = nullptr, int maxCalls = 10000) {
    Buffers b;
    std::vector<WalkStep> steps;
    const int32_t st = CV_StartTranslate(path.c_str(), b.work.data());
    if (startStatus != nullptr) *startStatus = st;
    if (st < 0) {
        CV_StopTranslate();
        return steps;
    }
    for (int i = 0; i < maxCalls; ++i) {
        std::fill(b.record.begin(), b.record.end(), 0xEE);
        const int32_t s = CV_TranslateNextRec(b.record.data(), b.work.data());
        steps.push_back({s, b.record});
        if (s < 0) break;
    }
    CV_StopTranslate();
    return steps;
}

}  // namespace tessdec_test
