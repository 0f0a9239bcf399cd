#pragma once
// A translation driven through the exports on a work buffer whose state the
// test can reach: the translation values that parameter lines and settings
// records set are put into the state directly, so that each data record's
// options can be chosen case by case. Expected records are built as byte
// images from their fields and compared whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "DownloadFileBuilder.h"
#include "WorkState.h"
#include "tessdec.h"

namespace tessdec_test {

// Seconds of a UTC date and time (the tests run under TZ UTC0 unless they
// say otherwise).
inline uint32_t Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return static_cast<uint32_t>(timegm(&tm));
}

// An output record as the test expects it, little-endian fields by offset.
class Image {
public:
    explicit Image(size_t size) : bytes_(size, 0) {}
    Image& U8(size_t off, unsigned v) { bytes_.at(off) = static_cast<uint8_t>(v); return *this; }
    Image& U16(size_t off, unsigned v) { return Put(off, static_cast<uint16_t>(v)); }
    Image& U32(size_t off, uint32_t v) { return Put(off, v); }
    Image& F32(size_t off, float v) { return Put(off, v); }
    Image& Floats(size_t off, const std::vector<float>& v) {
        for (size_t i = 0; i < v.size(); ++i) F32(off + 4 * i, v[i]);
        return *this;
    }
    Image& Bytes(size_t off, const std::string& b) {
        std::copy(b.begin(), b.end(), bytes_.begin() + static_cast<long>(off));
        return *this;
    }
    const std::vector<uint8_t>& Data() const { return bytes_; }

private:
    template <typename T>
    Image& Put(size_t off, T v) {
        if (off + sizeof v > bytes_.size()) throw std::out_of_range("image field");
        std::memcpy(bytes_.data() + off, &v, sizeof v);
        return *this;
    }
    std::vector<uint8_t> bytes_;
};

// The first bytes of rec against the image; names the first offset that differs.
inline ::testing::AssertionResult SameBytes(const std::vector<uint8_t>& rec, const Image& want) {
    const std::vector<uint8_t>& w = want.Data();
    for (size_t i = 0; i < w.size(); ++i) {
        if (i >= rec.size() || rec[i] != w[i])
            return ::testing::AssertionFailure() << "first difference at offset " << i << ": got 0x" << std::hex
                                                 << (i < rec.size() ? rec[i] : 0) << ", want 0x" << +w[i];
    }
    return ::testing::AssertionSuccess();
}

class Translation {
public:
    explicit Translation(const char* tz = "UTC0") {
        setenv("TZ", tz, 1);
        tzset();
    }
    ~Translation() { CV_StopTranslate(); }
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    int32_t Start(const fixtures::DownloadFileBuilder& f) {
        path_ = dir_.Write("t.slmdl", f.Bytes());
        std::fill(work_.begin(), work_.end(), 0);
        return CV_StartTranslate(path_.c_str(), work_.data());
    }
    // Counts the file's records with a buffer of its own.
    int32_t Count(std::vector<uint32_t>& counts) {
        std::vector<uint8_t> work(TESSDEC_WORK_SIZE, 0), rec(TESSDEC_RECORD_SIZE, 0);
        counts.assign(TESSDEC_COUNT_FIELDS, 0);
        return CV_GetRecordCount(path_.c_str(), work.data(), counts.data(), rec.data());
    }
    const std::string& Path() const { return path_; }
    tessdec::WorkState& W() { return *reinterpret_cast<tessdec::WorkState*>(work_.data()); }

    int32_t Next() {
        std::fill(rec_.begin(), rec_.end(), 0xEE);  // so a field left unwritten shows
        return CV_TranslateNextRec(rec_.data(), work_.data());
    }
    // Calls until a record of that kind comes; the status of that call, or
    // the negative status that ended the walk first.
    int32_t NextOf(unsigned kind, int maxCalls = 100) {
        for (int i = 0; i < maxCalls; ++i) {
            const int32_t st = Next();
            if (Kind() == kind || st < 0) return st;
        }
        return -1;
    }
    const std::vector<uint8_t>& Rec() const { return rec_; }
    uint16_t Kind() const { return U16(0); }
    uint16_t U16(size_t off) const { return Get<uint16_t>(off); }
    uint32_t U32(size_t off) const { return Get<uint32_t>(off); }
    float F32(size_t off) const { return Get<float>(off); }

private:
    template <typename T>
    T Get(size_t off) const {
        T v;
        std::memcpy(&v, rec_.data() + off, sizeof v);
        return v;
    }
    fixtures::TempFolder dir_;
    std::string path_;
    std::vector<uint8_t> work_ = std::vector<uint8_t>(TESSDEC_WORK_SIZE, 0);
    std::vector<uint8_t> rec_ = std::vector<uint8_t>(TESSDEC_RECORD_SIZE, 0);
};

inline const uint32_t kStart = Utc(2003, 3, 9, 14, 5, 30);  // header line 5 of every fixture

// A J57 file of the given mode: header, records, trailer with R 106 = 0.5.
inline fixtures::DownloadFileBuilder J57File(const std::string& mode, const std::function<void(fixtures::DownloadFileBuilder&)>& records) {
    fixtures::HeaderSpec h;
    h.modeLine = mode;
    fixtures::DownloadFileBuilder f;
    f.AtLines("Quarry", "n1", "n2").Header(h);
    records(f);
    return f.J57Trailer("09Mar2003", "14:05:30", "0.5").End();
}

// A file of another model; its setup lines carry only the start.
inline fixtures::DownloadFileBuilder OtherFile(int model, const std::string& firmware,
                              const std::function<void(fixtures::DownloadFileBuilder&)>& records) {
    fixtures::HeaderSpec h;
    h.model = model;
    h.firmware = firmware;
    fixtures::DownloadFileBuilder f;
    f.Header(h);
    records(f);
    return f.R(6, " 09Mar2003 14:05:30").End();
}

}  // namespace tessdec_test
