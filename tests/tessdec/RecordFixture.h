#pragma once
// Translating a few records in a file of a given model, firmware and mode,
// and comparing an output record byte for byte with the one a test expects.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DownloadFileBuilder.h"
#include "TessdecTestSupport.h"

namespace tessdec_test {

struct FileSpec {
    int model = 57;
    std::string firmware = "3.116";
    std::string modeLine = "SSA";
    std::string levelOffset = "0.0";  // R 106
};

// Header, the records that build adds, trailer, end byte.
template <typename Build>
std::string MakeFile(const FileSpec& s, Build build) {
    fixtures::HeaderSpec h;
    h.model = s.model;
    h.firmware = s.firmware;
    h.modeLine = s.modeLine;
    fixtures::DownloadFileBuilder f;
    f.Header(h);
    build(f);
    if (s.model == 57) {
        f.J57Trailer("09Mar2003", "14:05:30", s.levelOffset);
    } else {
        f.R(1, "Morvek-Audio Model J" + std::to_string(s.model));
        f.R(6, s.model == 46 ? "09Mar2003 14:05:30" : " 09Mar2003 14:05:30");
        f.R(106, s.levelOffset);
    }
    return f.End().Bytes();
}

// The output records of kind != 0 of a whole walk (the last is kind 15);
// the summary of the setup lines at the end (kinds 55, 37, 8) only when asked.
inline std::vector<WalkStep> Records(const fixtures::TempFolder& dir, const std::string& bytes,
                                     bool withSetupSummary = false) {
    std::vector<WalkStep> kept;
    for (const WalkStep& s : Walk(dir.Write("rec.slmdl", bytes))) {
        const uint16_t kind = U16At(s.record, 0);
        if (kind == 0 || (!withSetupSummary && (kind == 55 || kind == 37 || kind == 8))) continue;
        kept.push_back(s);
    }
    return kept;
}

// An expected output record, zero but for the fields set.
struct Expected {
    std::vector<uint8_t> b;
    explicit Expected(size_t n) : b(n, 0) {}
    Expected& U8(size_t off, unsigned v) { b[off] = static_cast<uint8_t>(v); return *this; }
    Expected& U16(size_t off, unsigned v) {
        const uint16_t x = static_cast<uint16_t>(v);
        std::memcpy(&b[off], &x, 2);
        return *this;
    }
    Expected& U32(size_t off, uint32_t v) { std::memcpy(&b[off], &v, 4); return *this; }
    Expected& F32(size_t off, float v) { std::memcpy(&b[off], &v, 4); return *this; }
    Expected& Text(size_t off, const std::string& t) { std::memcpy(&b[off], t.data(), t.size()); return *this; }
};

// Compares the first expected.size() bytes; reports the first difference.
inline ::testing::AssertionResult SameBytes(const std::vector<uint8_t>& actual, const Expected& e) {
    for (size_t i = 0; i < e.b.size(); ++i) {
        if (actual[i] != e.b[i]) {
            char msg[96];
            std::snprintf(msg, sizeof msg, "first difference at offset %zu: got 0x%02x, expected 0x%02x", i,
                          actual[i], e.b[i]);
            return ::testing::AssertionFailure() << msg;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tessdec_test
